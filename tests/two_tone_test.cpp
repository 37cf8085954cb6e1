// The 2-tone editor's rules: committing grid cells, showing and storing the header, the
// channels' code numbers after the lists change, and the block's bytes in the data file.
#include <gtest/gtest.h>

#include <random>

#include "files/data_file_format.h"
#include "files/document.h"
#include "model/two_tone.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

std::vector<uint8_t> Bytes(const TwoToneEntry& e) { return {e.Tones.begin(), e.Tones.end()}; }

TwoToneBlock DefaultBlock()
{
    TwoToneBlock block;
    ResetTwoToneDefaults(block);
    for (int n = 1; n <= kTwoToneEntries; ++n) {  // every entry in use, 1000.0 Hz and 2000.0 Hz
        TwoToneEntry& e = block.Entries[static_cast<std::size_t>(n - 1)];
        e = {0, {0x02, 0x58, 0x01, 0x2C, 0x27, 0x10, 0x4E, 0x20}, std::string_view("NAME")};
    }
    return block;
}

}  // namespace

TEST(TwoTone, CommittingACell)
{
    const TwoToneEntry untouched = DefaultBlock().Entries[0];
    struct Case {
        const char* what;
        int row, column;
        const char* text;
        TwoToneEntry expected;
        std::array<std::string, 3> shown;
    };
    const Case cases[] = {
        {"a low first tone is raised to 288.0 Hz", 25, 1, "100",
         {0, {0x08, 0x23, 0x01, 0x2C, 0x0B, 0x40, 0x4E, 0x20}, std::string_view("NAME")}, {"288.0", "2000.0", "NAME"}},
        {"a high second tone is lowered to 3106.0 Hz", 21, 2, "5000",
         {0, {0x02, 0x58, 0x00, 0xC1, 0x27, 0x10, 0x79, 0x54}, std::string_view("NAME")}, {"1000.0", "3106.0", "NAME"}},
        {"a tenth is kept", 32, 1, "321.7",
         {0, {0x07, 0x49, 0x01, 0x2C, 0x0C, 0x91, 0x4E, 0x20}, std::string_view("NAME")}, {"321.7", "2000.0", "NAME"}},
        {"the tones of rows 1..20 stay", 5, 1, "500", untouched, {"1000.0", "2000.0", "NAME"}},
        {"the second tone of row 20 stays", 20, 2, "", untouched, {"1000.0", "2000.0", "NAME"}},
        {"a name of row 5 changes, trimmed and cut to 7", 5, 3, "ABCDEFGHI  ",
         {0, untouched.Tones, std::string_view("ABCDEFG")}, {"1000.0", "2000.0", "ABCDEFG"}},
        {"clearing a first tone empties the entry", 30, 1, "", {1, {}, std::string_view("")}, {"", "", ""}},
        {"a first tone that is no number empties it too", 30, 1, "1.2.3", {1, {}, std::string_view("")}, {"", "", ""}},
        {"clearing a second tone removes its divider", 22, 2, "",
         {0, {0x02, 0x58, 0, 0, 0x27, 0x10, 0, 0}, std::string_view("NAME")}, {"1000.0", "", "NAME"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TwoToneBlock block = DefaultBlock();
        const TwoToneBlock before = block;
        CommitTwoToneCell(block, c.row, c.column, c.text);
        const TwoToneEntry& e = block.Entries[static_cast<std::size_t>(c.row - 1)];
        EXPECT_EQ(e.Flag, c.expected.Flag);
        EXPECT_EQ(Bytes(e), Bytes(c.expected));
        EXPECT_EQ(e.Name.trimmed(), c.expected.Name.trimmed());
        EXPECT_EQ(TwoToneRowTexts(e), c.shown);
        for (int n = 1; n <= kTwoToneEntries; ++n) {  // no other row moves
            const auto i = static_cast<std::size_t>(n - 1);
            EXPECT_TRUE(n == c.row || block.Entries[i] == before.Entries[i]) << n;
        }
    }
}

TEST(TwoTone, AFirstToneBringsAnEmptyEntryIntoUse)
{
    TwoToneBlock block;
    ResetTwoToneDefaults(block);
    EXPECT_EQ(TwoToneRowTexts(block.Entries[25]), (std::array<std::string, 3>{}));
    CommitTwoToneCell(block, 26, 1, "1500");
    EXPECT_EQ(block.Entries[25].Flag, 0);
    EXPECT_EQ(TwoToneRowTexts(block.Entries[25]), (std::array<std::string, 3>{"1500.0", "", ""}));
}

TEST(TwoTone, EnterMovesThroughTheGrid)
{
    struct Case { int row, column; bool emptyFirstTone; TwoToneCell next; };
    const Case cases[] = {
        {25, 1, false, {25, 2}}, {25, 2, false, {25, 3}}, {25, 3, false, {26, 1}},
        {25, 1, true, {26, 1}},   // an empty first tone goes straight down
        {32, 3, false, {1, 3}},   // round to the top, where only names change
        {32, 1, true, {1, 3}},
        {5, 3, false, {6, 3}},
        {20, 3, false, {21, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
        const TwoToneCell next = TwoToneNextCell(c.row, c.column, c.emptyFirstTone);
        EXPECT_EQ(next.row, c.next.row);
        EXPECT_EQ(next.column, c.next.column);
    }
}

TEST(TwoTone, FormatsNameTheirToneBoxes)
{
    struct Case { int format; int first, second; };
    for (const Case& c : {Case{0, 0, 1}, Case{5, 1, 3}, Case{11, 3, 2}, Case{12, 0, -1}, Case{13, 1, -1},
                          Case{14, 2, -1}}) {
        SCOPED_TRACE(kTwoToneFormatNames[static_cast<std::size_t>(c.format)]);
        EXPECT_EQ(TonesOfFormat(c.format).first, c.first);
        EXPECT_EQ(TonesOfFormat(c.format).second, c.second);
    }
}

TEST(TwoTone, StoringTheHeader)
{
    TwoToneBlock block;
    ResetTwoToneDefaults(block);
    TwoToneHeaderView view = ShowTwoToneHeader(block.Header);
    EXPECT_EQ(view.format, 0);
    EXPECT_EQ(view.tones, (std::array<double, 4>{321.7, 928.1, 626.5, 2043.8}));
    EXPECT_EQ(view.toneTimes, (std::array<int, 3>{0, 0, 5}));  // 0.5, 0.5 and 1.0 s

    // Two tones: their tenths and dividers, big-endian; the reference tones little-endian.
    view.format = 1;  // "A-C"
    view.tones[3] = 100;  // a box never left is clamped as well
    view.interval = 20;
    view.sideTone = true;
    StoreTwoToneHeader(view, block.Header);
    const std::array<uint8_t, 24> twoTones = {0x0C, 0x91, 0x18, 0x79, 1,    0x3A, 0x48, 0x1D, 0xED, 0,    0, 1,
                                              0x91, 0x0C, 0x41, 0x24, 0x79, 0x18, 0x40, 0x0B, 5,    5, 10, 20};
    EXPECT_EQ(block.Header, twoTones);

    // A long tone: the second tone and its divider are 0.
    view.format = 13;  // "Long B"
    StoreTwoToneHeader(view, block.Header);
    EXPECT_EQ(std::vector<uint8_t>(block.Header.begin(), block.Header.begin() + 9),
              (std::vector<uint8_t>{0x24, 0x41, 0, 0, 13, 0x14, 0x33, 0, 0}));

    // Bytes outside their lists show as the lists' first items.
    std::array<uint8_t, 24> odd{};
    odd[4] = 15;
    odd[9] = 251;
    odd[20] = 4;
    odd[23] = 21;
    const TwoToneHeaderView shown = ShowTwoToneHeader(odd);
    EXPECT_EQ(shown.format, 0);
    EXPECT_EQ(shown.autoResetTime, 0);
    EXPECT_EQ(shown.toneTimes[0], 0);
    EXPECT_EQ(shown.interval, 0);
}

TEST(TwoTone, HeaderToneBoxes)
{
    struct Case { const char* typed; double value; const char* shown; };
    for (const Case& c : {Case{"", 288.0, "288"}, Case{"321.7", 321.7, "321.7"}, Case{"9999", 3106.0, "3106"},
                          Case{"1000.0", 1000.0, "1000"}, Case{".", 288.0, "288"}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(LeftToneBoxValue(c.typed), c.value);
        EXPECT_EQ(PlainToneText(LeftToneBoxValue(c.typed)), c.shown);
    }
}

TEST(TwoTone, ChannelsFollowTheCodesInUse)
{
    EditingModel m;
    ResetToBuiltInDefaults(m);
    m.ChannelCount = 0;
    for (int i = 0; i < kTwoToneEntries; ++i)
        m.TwoTone.Entries[static_cast<std::size_t>(i)].Flag = static_cast<int16_t>(i == 3 || i == 7 ? 0 : 1);
    for (auto& code : m.FiveTone.CallList)
        code.IsEmpty = 1;
    m.FiveTone.CallList[42].IsEmpty = 0;
    struct Case { int16_t sigType, twoTone, fiveTone, expectedTwoTone, expectedFiveTone; };
    const Case cases[] = {
        {kOptSigTwoTone, 7, 5, 7, 5},      // in use: kept (the 5-tone number is not its concern)
        {kOptSigTwoTone, 5, 0, 3, 0},      // empty: the first code in use
        {kOptSigTwoTone, 200, 0, 3, 0},    // past the list
        {kOptSigFiveTone, 9, 42, 9, 42},
        {kOptSigFiveTone, 9, 41, 9, 42},
        {kOptSigOff, 9, 41, 9, 41},
    };
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        ChannelRecord r = NewChannelWithFreq(i + 1, "435.00000");
        r.OptSigType = cases[i].sigType;
        r.TwoToneIndex = cases[i].twoTone;
        r.FiveToneIndex = cases[i].fiveTone;
        m.AppendChannel(r);
    }
    RecheckSignalCodes(m, m.TwoTone, m.FiveTone);
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m.ChannelList[static_cast<std::size_t>(i)].TwoToneIndex, cases[i].expectedTwoTone);
        EXPECT_EQ(m.ChannelList[static_cast<std::size_t>(i)].FiveToneIndex, cases[i].expectedFiveTone);
    }

    // No code in use at all: 0.
    for (auto& e : m.TwoTone.Entries)
        e.Flag = 1;
    RecheckSignalCodes(m, m.TwoTone, m.FiveTone);
    EXPECT_EQ(m.ChannelList[0].TwoToneIndex, 0);
}

TEST(TwoTone, BlockSurvivesOpenEditSave)
{
    test::TempDir dir;
    Document writer;
    CollectingSink sink;
    ASSERT_TRUE(writer.SaveDataFile(dir / "a.dat", sink));
    std::string original = test::ReadAll(dir / "a.dat");
    // Arbitrary bytes over the whole block, names and unused bits included.
    std::mt19937 random(7);
    const std::size_t at = DataRecordOffset::TwoTone, end = DataRecordOffset::FiveTone;
    for (std::size_t i = at; i < end; ++i)
        original[i] = static_cast<char>(random());
    test::WriteAll(dir / "a.dat", original);

    Document doc;
    ASSERT_TRUE(doc.OpenDataFile(dir / "a.dat", sink));
    CommitTwoToneCell(doc.Model.TwoTone, 25, 3, "NEW");
    ASSERT_TRUE(doc.SaveDataFile(dir / "b.dat", sink));
    const std::string saved = test::ReadAll(dir / "b.dat");
    // Entry 25's name is the only change: 24 header bytes, 24 entries of 17, 10 bytes in.
    const std::size_t name = at + 24 + 24 * 17 + 10;
    std::string expected = original;
    expected.replace(name, 7, "NEW    ");
    EXPECT_EQ(saved, expected);
    EXPECT_TRUE(sink.messages.empty());
}
