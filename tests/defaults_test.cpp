// Fresh models: the built-in defaults and the default data files of the Init folder.
#include <gtest/gtest.h>

#include "files/document.h"
#include "support/fixtures.h"

using namespace tq8615;
using test::TempDir;

namespace {

std::vector<int> Numbers(const EditingModel& m)
{
    std::vector<int> numbers;
    for (int i = 0; i < m.ChannelCount; ++i)
        numbers.push_back(m.ChannelList[static_cast<std::size_t>(i)].ChannelNumber);
    return numbers;
}

const ChannelRecord& Channel(const EditingModel& m, int number)
{
    return m.ChannelList[static_cast<std::size_t>(m.FindChannel(number))];
}

}  // namespace

TEST(Defaults, BuiltInModelOfEachBand)
{
    struct Case { int band; const char* uhf; const char* vhf; };
    for (Case c : {Case{0, "043550000", "014650000"}, Case{1, "044550000", "015550000"}, Case{2, "043550000", "014550000"}}) {
        SCOPED_TRACE(c.band);
        TempDir dir;
        Document doc(dir.path());
        doc.BuildDefaultModel(c.band);
        EXPECT_EQ(Numbers(doc.Model), (std::vector<int>{201, 202, 203, 1, 2}));
        EXPECT_EQ(Channel(doc.Model, 1).RxFreq.trimmed(), c.uhf);
        EXPECT_EQ(Channel(doc.Model, 2).RxFreq.trimmed(), c.vhf);
        const ChannelRecord& rt = Channel(doc.Model, 203);
        EXPECT_EQ(rt.RxFreq.trimmed(), c.vhf);
        EXPECT_EQ(rt.ShiftMode, 1);
        EXPECT_EQ(rt.TxFreq.trimmed(), "000100000");
        EXPECT_EQ(Channel(doc.Model, 201).RxFreqVhf.trimmed(), c.vhf);
        EXPECT_EQ(doc.CurrentFileName, "new.dat");
        EXPECT_TRUE(doc.IsUntitled());
        EXPECT_FALSE(doc.IsModelModified());
        EXPECT_EQ(doc.Model.Dtmf.SendTime, 1);
        EXPECT_EQ(doc.Model.FiveTone.AniSeparator, 13);
        EXPECT_EQ(doc.Model.TwoTone.Header[12], 0x91);
        EXPECT_EQ(doc.Model.ScanSettings[3], 20);
        EXPECT_EQ(doc.Model.AlertSettings[11], 5);
    }
}

TEST(Defaults, BandDefaultFileGivesEverything)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Init");
    Document maker(dir / "elsewhere");
    maker.Model = test::RichModel(0);
    CollectingSink sink;
    ASSERT_TRUE(maker.SaveDataFile(dir / "Init" / "TQ8615_0.dat", sink));

    Document doc(dir.path());
    doc.BuildDefaultModel(0);
    EXPECT_EQ(doc.Model.ChannelCount, kMaxChannels);
    EXPECT_EQ(doc.Model.Options, maker.Model.Options);
    EXPECT_EQ(doc.FileBytes(), maker.FileBytes());
    EXPECT_FALSE(doc.IsModelModified());
    doc.BuildDefaultModel(1);  // no band file for plan 1: the built-in defaults
    EXPECT_EQ(doc.Model.ChannelCount, 5);
}

TEST(Defaults, GenericDefaultFileAddsTheDefaultChannelsOnce)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Init");
    Document maker(dir / "elsewhere");
    maker.BuildDefaultModel(0);
    maker.Model.Options.SpeakerVolume = 20;
    maker.Model.DeleteChannel(2);
    maker.Model.AppendChannel(NewChannelWithFreq(5, "431"));
    CollectingSink sink;
    ASSERT_TRUE(maker.SaveDataFile(dir / "Init" / "TQ8615_1.dat", sink));

    Document doc(dir.path());
    doc.BuildDefaultModel(2);
    EXPECT_EQ(doc.Model.Band.BandPlanIndex, 2);  // the file's band is not taken
    EXPECT_EQ(doc.Model.Options.SpeakerVolume, 20);
    EXPECT_EQ(Numbers(doc.Model), (std::vector<int>{201, 202, 203, 1, 5, 2}));
    EXPECT_FALSE(doc.IsModelModified());
}

TEST(Defaults, UnreadableDefaultFilesLeaveTheBuiltIns)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Init");
    test::WriteAll(dir / "Init" / "TQ8615_1.dat", "short");
    test::WriteAll(dir / "Init" / "TQ8615_0.dat", std::string(kDataFileSize, '\x7F'));
    Document doc(dir.path());
    for (int band : {0, 1}) {
        doc.BuildDefaultModel(band);
        EXPECT_EQ(Numbers(doc.Model), (std::vector<int>{201, 202, 203, 1, 2})) << band;
        EXPECT_EQ(doc.Model.Band.BandPlanIndex, band);
        EXPECT_FALSE(doc.IsModelModified());
    }
}
