// Commands on several channels: copy, cut, paste, delete, insert, remove, move and sort.
#include "model/channel_range.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

using namespace tq8615;

namespace {

// Memory channels `numbers`, each named after its number, receiving on 430 MHz + number kHz,
// and the three special channels.
EditingModel Small(std::initializer_list<int> numbers)
{
    EditingModel m;
    m.ChannelCount = 0;
    for (int n : numbers) {
        ChannelRecord r = NewChannelWithFreq(n, FormatFixed(430.0 + n / 1000.0, 3, 5));
        r.ChannelName = "C" + std::to_string(n);
        m.AppendChannel(r);
    }
    for (int n : {kVfo1, kVfo2, kRtChannel})
        m.AppendChannel(NewChannelWithFreq(n, "145.00000"));
    return m;
}

// The name of each row 1..last, "" for an empty one: what the grid shows in short.
std::vector<std::string> Names(const ChannelTable& t, int last)
{
    std::vector<std::string> names;
    for (int row = 1; row <= last; ++row) {
        const int i = t.FindChannel(row);
        names.push_back(i >= 0 && t.ChannelList[static_cast<std::size_t>(i)].ChannelInUse == 1
                            ? t.ChannelList[static_cast<std::size_t>(i)].ChannelName.trimmed()
                            : std::string());
    }
    return names;
}

const ChannelRecord& Channel(const ChannelTable& t, int number)
{
    const int i = t.FindChannel(number);
    EXPECT_GE(i, 0) << "channel " << number;
    return t.ChannelList[static_cast<std::size_t>(std::max(i, 0))];
}

ChannelRecord Renumbered(ChannelRecord r, int number)
{
    r.ChannelNumber = static_cast<int16_t>(number);
    return r;
}

}  // namespace

TEST(ChannelRange, CopyCutPasteAndDeleteRows)
{
    EditingModel m = Small({1, 2, 3, 5});
    const ChannelClip clip = CopyChannels(m, {2, 3, 4});  // row 4 is empty
    ASSERT_EQ(clip.size(), 3u);
    EXPECT_EQ(clip[2].ChannelInUse, 0);

    EXPECT_EQ(PasteChannels(m, clip, 4), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(Names(m, 6), (std::vector<std::string>{"C1", "C2", "C3", "C2", "C3", ""}))
        << "the empty copied row empties channel 6; channel 5 is overwritten";
    EXPECT_EQ(Channel(m, 4).RxFreq, Channel(m, 2).RxFreq);

    const ChannelClip cut = CutChannels(m, {1, 2});
    EXPECT_EQ(Names(m, 3), (std::vector<std::string>{"", "", "C3"}));
    EXPECT_EQ(cut[0].ChannelName.trimmed(), "C1");

    // A paste from channel 199 stops at 200: the VFO channels stay as they are.
    const EditingModel before = m;
    EXPECT_EQ(PasteChannels(m, clip, 199), (std::vector<int>{199, 200}));
    EXPECT_EQ(Channel(m, kVfo1), Channel(before, kVfo1));
    EXPECT_TRUE(PasteChannels(m, clip, 0).empty());

    DeleteChannels(m, {3, 199});
    EXPECT_EQ(Names(m, 3), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(m.FindChannel(199), -1);
    EXPECT_GE(m.FindChannel(200), 0);
}

TEST(ChannelRange, RemoveClosesTheGapAndWorkingChannelsFollow)
{
    EditingModel m = Small({1, 2, 3, 4, 5, 6});
    m.Options.ChannelA = 4;  // channel 5
    m.Options.ChannelB = 1;  // channel 2, removed
    RemoveChannels(m, {4, 2, 201});
    EXPECT_EQ(Names(m, 6), (std::vector<std::string>{"C1", "C3", "C5", "C6", "", ""}));
    EXPECT_EQ(m.Options.ChannelA, 2) << "channel 5 is channel 3 now";
    EXPECT_GE(m.FindChannel(m.Options.ChannelB + 1), 0) << "a removed working channel is replaced by one that exists";
    EXPECT_GE(m.FindChannel(kVfo1), 0);
}

TEST(ChannelRange, InsertShiftsDownAndRefusesWhenChannel200IsInUse)
{
    EditingModel m = Small({1, 2, 3});
    m.Options.ChannelA = 2;  // channel 3
    ASSERT_TRUE(InsertChannel(m, 2));
    EXPECT_EQ(Names(m, 4), (std::vector<std::string>{"C1", "", "C2", "C3"}));
    EXPECT_EQ(m.Options.ChannelA, 3);

    EditingModel full = Small({1, 200});
    const EditingModel before = full;
    EXPECT_FALSE(InsertChannel(full, 1));
    EXPECT_EQ(full, before);
    EXPECT_FALSE(InsertChannel(full, kVfo1));

    // A channel 200 kept but not in use has no row left to go to.
    full.ChannelList[static_cast<std::size_t>(full.FindChannel(200))].ChannelInUse = 0;
    ASSERT_TRUE(InsertChannel(full, 1));
    EXPECT_EQ(Channel(full, 2).ChannelName.trimmed(), "C1");
    EXPECT_EQ(full.FindChannel(200), -1);
    EXPECT_EQ(full.FindChannel(1), -1);
}

TEST(ChannelRange, TenChannelsMovedDownByThreeKeepEveryField)
{
    EditingModel m = test::RichModel();
    for (int i = 0; i < m.ChannelCount; ++i)  // every record unlike every other
        m.ChannelList[static_cast<std::size_t>(i)].ChannelSpare[0] = m.ChannelList[static_cast<std::size_t>(i)].ChannelNumber;
    m.Options.ChannelA = 54;  // channel 55, in the block
    m.Options.ChannelB = 60;  // channel 61, just below it
    const EditingModel before = m;
    std::vector<int> rows = {50, 51, 52, 53, 54, 55, 56, 57, 58, 59};
    for (int step = 0; step < 3; ++step)
        rows = MoveChannels(m, rows, +1);
    EXPECT_EQ(rows, (std::vector<int>{53, 54, 55, 56, 57, 58, 59, 60, 61, 62}));
    for (int n = 50; n <= 59; ++n)
        EXPECT_EQ(Channel(m, n + 3), Renumbered(Channel(before, n), n + 3)) << "channel " << n;
    for (int n = 60; n <= 62; ++n)
        EXPECT_EQ(Channel(m, n - 10), Renumbered(Channel(before, n), n - 10)) << "channel " << n;
    for (int n : {49, 63, kVfo1, kVfo2, kRtChannel})
        EXPECT_EQ(Channel(m, n), Channel(before, n));
    EXPECT_EQ(m.ChannelCount, before.ChannelCount);
    EXPECT_EQ(m.Options.ChannelA, 57);
    EXPECT_EQ(m.Options.ChannelB, 50);
}

TEST(ChannelRange, MovesStopAtTheEdgesAndSkipSelectedNeighbours)
{
    struct Case {
        std::vector<int> rows;
        int delta;
        std::vector<int> now;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {{2, 3}, -1, {1, 2}, {"C2", "C3", "C1", "C4", "C5"}},
        {{1, 2, 4}, -1, {1, 2, 3}, {"C1", "C2", "C4", "C3", "C5"}},  // the block at the top stays
        {{1, 3}, +1, {2, 4}, {"C2", "C1", "C4", "C3", "C5"}},
        {{200}, +1, {200}, {"C1", "C2", "C3", "C4", "C5"}},
        {{4}, +1, {5}, {"C1", "C2", "C3", "C5", "C4"}},
    };
    for (const Case& c : cases) {
        EditingModel m = Small({1, 2, 3, 4, 5});
        EXPECT_EQ(MoveChannels(m, c.rows, c.delta), c.now);
        EXPECT_EQ(Names(m, 5), c.names);
    }
}

TEST(ChannelRange, SortByFrequencyOrdersMemoryChannelsAndLeavesSpecialsAlone)
{
    EditingModel m = Small({3, 7, 9, 12});
    auto setRx = [&m](int n, const char* mhz) {
        m.ChannelList[static_cast<std::size_t>(m.FindChannel(n))].RxFreq = FreqTextToDigits(mhz);
    };
    setRx(3, "438.00000");
    setRx(7, "145.50000");
    setRx(9, "");  // no receive frequency: sorted last
    setRx(12, "433.00000");
    m.ChannelList[static_cast<std::size_t>(m.FindChannel(kVfo1))].RxFreq = FreqTextToDigits("100.00000");
    m.Options.ChannelA = 2;  // channel 3
    const EditingModel before = m;

    SortChannels(m, AllMemoryRows(), RxFrequencyKey);
    EXPECT_EQ(Names(m, 5), (std::vector<std::string>{"C7", "C12", "C3", "C9", ""}));
    EXPECT_EQ(m.FindChannel(12), -1);
    for (int n : {kVfo1, kVfo2, kRtChannel})
        EXPECT_EQ(Channel(m, n), Channel(before, n));
    EXPECT_EQ(m.Options.ChannelA, 2) << "channel 3 is third now";
}

TEST(ChannelRange, SortOfASelectionByNameOrByShownText)
{
    EditingModel m = Small({1, 2, 3, 4, 5});
    auto name = [&m](int n, const char* text) {
        m.ChannelList[static_cast<std::size_t>(m.FindChannel(n))].ChannelName = text;
    };
    name(2, "ZULU");
    name(3, "");
    name(4, "ALPHA");
    SortChannels(m, {2, 3, 4}, NameKey);
    EXPECT_EQ(Names(m, 5), (std::vector<std::string>{"C1", "ALPHA", "ZULU", "", "C5"}));

    // Shown texts: numbers by value before words, blanks last.
    const char* shown[] = {"", "D023N", "100.0", "67.0", "88.5"};
    SortChannels(m, AllMemoryRows(), [&shown](const ChannelRecord& r) {
        return ShownTextKey(shown[r.ChannelNumber - 1]);
    });
    EXPECT_EQ(Names(m, 5), (std::vector<std::string>{"", "C5", "ZULU", "ALPHA", "C1"}));
}
