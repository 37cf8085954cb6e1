// Field-level comparison of two configurations: each change is reported once, by area, item
// and the field's name, and nothing else is.
#include "files/configuration_compare.h"
#include "model/compare.h"
#include "model/image_areas.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tq8615;

namespace {

struct Expected {
    ConfigArea area;
    std::string item;
    std::string field;
};

struct Case {
    const char* name;
    std::function<void(EditingModel&)> change;
    std::vector<Expected> expected;
    CompareScope scope{};
};

ChannelRecord& Channel(EditingModel& m, int number) { return m.ChannelList[std::size_t(m.FindChannel(number))]; }

std::vector<Case> Cases()
{
    return {
        {"nothing changed", [](EditingModel&) {}, {}},
        {"channel order alone", [](EditingModel& m) { std::swap(m.ChannelList[0], m.ChannelList[1]); }, {}},
        {"one channel's tone", [](EditingModel& m) { Channel(m, 2).EncodeCtcss = int16_t(Channel(m, 2).EncodeCtcss % 50 + 1); },
            {{ConfigArea::Channels, "channel 2", "EncodeCtcss"}}},
        {"a channel's name", [](EditingModel& m) { Channel(m, 3).ChannelName = "ZZ"; },
            {{ConfigArea::Channels, "channel 3", "ChannelName"}}},
        {"a channel only on one side", [](EditingModel& m) { m.DeleteChannel(4); },
            {{ConfigArea::Channels, "channel 4", "channel"}}},
        {"VFO1's receive frequency", [](EditingModel& m) { Channel(m, kVfo1).RxFreq = "014600000"; },
            {{ConfigArea::Channels, "VFO1", "RxFreq"}}},
        {"band plan", [](EditingModel& m) { m.Band.BandPlanIndex = 0; }, {{ConfigArea::BandPlan, "", "BandPlanIndex"}}},
        {"an option", [](EditingModel& m) { m.Options.KeyBeep = int16_t(m.Options.KeyBeep == 3 ? 4 : 3); },
            {{ConfigArea::Options, "", "KeyBeep"}}},
        {"a key", [](EditingModel& m) { m.Options.KeyFunction[3] = int16_t(m.Options.KeyFunction[3] + 1); },
            {{ConfigArea::Keys, "", "KeyFunction[3]"}}},
        {"a DTMF code", [](EditingModel& m) { m.Dtmf.DtmfCodes[2].Digits = "999"; }, {{ConfigArea::Dtmf, "M3", "Digits"}}},
        {"a DTMF setting", [](EditingModel& m) { m.Dtmf.SideTone = int16_t(1 - m.Dtmf.SideTone); },
            {{ConfigArea::Dtmf, "", "SideTone"}}},
        {"a 5-tone call list name", [](EditingModel& m) { m.FiveTone.CallList[6].Name = "OTHER"; },
            {{ConfigArea::FiveTone, "call list 7", "Name"}}},
        {"a 5-tone info code", [](EditingModel& m) { m.FiveTone.InfoCodes[1].DecodeResponse = uint8_t(m.FiveTone.InfoCodes[1].DecodeResponse ^ 1); },
            {{ConfigArea::FiveTone, "info code 2", "DecodeResponse"}}},
        {"a communication book name", [](EditingModel& m) { m.Book[3].Name = "NEWNAME"; },
            {{ConfigArea::CommunicationBook, "entry 4", "Name"}}},
        {"a 2-tone code", [](EditingModel& m) { m.TwoTone.Entries[1].Name = "TT2"; }, {{ConfigArea::TwoTone, "code 2", "Name"}}},
        {"a file-only record", [](EditingModel& m) { m.ScanSettings[0] ^= 1; }, {{ConfigArea::FileOnly, "", "ScanSettings"}}},
        {"padding only (spaces against NULs)", [](EditingModel& m) { Channel(m, 2).ChannelName.bytes.back() = '\0'; }, {}},
        {"bytes after a NUL end", [](EditingModel& m) {
             auto& name = Channel(m, 1).ChannelName.bytes;  // "B-1" and two spaces
             name[3] = '\0';
             name[4] = 'Q';
         }, {}},
        {"padding, when it counts", [](EditingModel& m) { Channel(m, 2).ChannelName.bytes.back() = '\0'; },
            {{ConfigArea::Channels, "channel 2", "ChannelName"}}, {false, true}},
        {"what the radio does not hold, for a radio", [](EditingModel& m) {
             Channel(m, 2).StepIndex = int16_t(Channel(m, 2).StepIndex + 1);
             Channel(m, 2).RxFreqVhf = "015550000";  // a memory channel's slot holds its name there
             Channel(m, kVfo1).ChannelName = "VFO";   // and a VFO's its second set
             Channel(m, kVfo1).ScanAdd = int16_t(1 - Channel(m, kVfo1).ScanAdd);
             m.TwoTone.Entries[1].Name = "TT2";
             m.ScanSettings[0] ^= 1;
         }, {}, {true}},
    };
}

}  // namespace

TEST(Compare, ReportsExactlyTheChangedFields)
{
    const EditingModel base = test::RichModel(1);
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        EditingModel changed = base;
        c.change(changed);
        const auto differences = CompareConfigurations(base, changed, c.scope);
        ASSERT_EQ(differences.size(), c.expected.size());
        for (std::size_t i = 0; i < differences.size(); ++i) {
            EXPECT_EQ(differences[i].area, c.expected[i].area);
            EXPECT_EQ(differences[i].item, c.expected[i].item);
            EXPECT_EQ(differences[i].field, c.expected[i].field);
            EXPECT_NE(differences[i].left, differences[i].right) << "both sides shown alike";
        }
    }
}

TEST(Compare, LineNamesAreaItemFieldAndBothValues)
{
    EditingModel a = test::RichModel(1), b = a;
    Channel(a, 2).EncodeCtcss = 8;
    Channel(b, 2).EncodeCtcss = 12;
    const auto d = CompareConfigurations(a, b);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].channel, 2);
    EXPECT_EQ(DifferenceLine(d[0]), "channels  channel 2  EncodeCtcss: 8 -> 12");
}

// A data file against the image a radio holds after that file was written: equal, although
// the file keeps records the radio never sees; a change the radio holds is still found.
TEST(Compare, DataFileAgainstRadioImage)
{
    CollectingSink sink;
    const EditingModel file = test::RichModel(1);
    auto written = AsWrittenToRadio(file, sink);
    ASSERT_TRUE(written) << (sink.messages.empty() ? "" : sink.messages[0].english);
    Configuration fromFile{file, false}, fromRadio{*written, true};
    fromRadio.model.TwoTone.Entries[0].Name = "XXXX";  // the radio knows no 2-tone block
    auto same = CompareLoaded(fromFile, fromRadio, sink);
    ASSERT_TRUE(same);
    EXPECT_TRUE(same->empty()) << DifferenceLine(same->front());

    Channel(fromRadio.model, 2).ChannelName = "RADIO";
    auto changed = CompareLoaded(fromRadio, fromFile, sink);
    ASSERT_TRUE(changed);
    ASSERT_EQ(changed->size(), 1u);
    EXPECT_EQ(changed->front().field, "ChannelName");
}

// A file written to a radio against the file saved from reading it back: the records the
// radio does not hold differ, and comparing as the radio holds them leaves only real changes.
TEST(Compare, TwoDataFilesAsARadioHoldsThem)
{
    CollectingSink sink;
    const EditingModel file = test::RichModel(1);
    auto read = AsWrittenToRadio(file, sink);
    ASSERT_TRUE(read);
    read->TwoTone.Entries[0].Name = "XXXX";
    const Configuration written{file, false}, saved{*read, false};
    auto everything = CompareLoaded(written, saved, sink);
    ASSERT_TRUE(everything);
    EXPECT_FALSE(everything->empty());
    auto asRadio = CompareLoaded(written, saved, sink, {true});
    ASSERT_TRUE(asRadio);
    EXPECT_TRUE(asRadio->empty()) << DifferenceLine(asRadio->front());
}

// Each address of the image is reported in the area an editor shows it in.
TEST(ImageAreas, AddressesByArea)
{
    struct Row { int address; ConfigArea area; int channel; };
    const Row rows[] = {
        {0, ConfigArea::Channels, 1},        {6399, ConfigArea::Channels, 200},    {6400, ConfigArea::Channels, kVfo1},
        {6463, ConfigArea::Channels, kVfo2}, {6470, ConfigArea::Channels, 0},      {12930, ConfigArea::Channels, kRtChannel},
        {6530, ConfigArea::Options, 0},      {12800, ConfigArea::Options, 0},      {12820, ConfigArea::Keys, 0},
        {12891, ConfigArea::Keys, 0},        {12892, ConfigArea::Options, 0},      {12826, ConfigArea::Dtmf, 0},
        {6544, ConfigArea::Dtmf, 0},         {12911, ConfigArea::Dtmf, 0},         {7000, ConfigArea::FiveTone, 0},
        {10463, ConfigArea::FiveTone, 0},    {12512, ConfigArea::FiveTone, 0},     {10464, ConfigArea::CommunicationBook, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.address);
        EXPECT_EQ(LocateAddress(r.address), (ImageLocation{r.area, r.channel}));
    }
}

TEST(ImageAreas, MismatchNamesAreasAndChannelsOfTheBlocksCompared)
{
    RadioImage written, back;
    back.set(40, 1);     // channel 2
    back.set(41, 1);     // channel 2 again
    back.set(6600, 9);   // DTMF
    back.set(300, 9);    // channel 10, but its block did not travel
    const ImageMismatch m = FindMismatch(written, back, {32, 6592});
    EXPECT_EQ(m.bytes, 3);
    EXPECT_EQ(m.text(), "channels 2; DTMF (3 bytes)");
    EXPECT_TRUE(FindMismatch(written, written, {0, 16}).empty());
}
