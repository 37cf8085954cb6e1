// The 45755-byte data file: layout, opening with its checks, saving, and the snapshot.
#include <gtest/gtest.h>

#include <random>

#include "files/document.h"
#include "model/channel_repair.h"
#include "support/fixtures.h"

using namespace tq8615;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

namespace {

// Builds a file by hand, byte by byte.
struct FileBuilder {
    std::string bytes = std::string(kDataFileSize, '\0');
    FileBuilder()
    {
        text(0, "TQ8615  ");
        text(10, "V100");
    }
    void word(std::size_t at, int v)
    {
        bytes[at] = static_cast<char>(v & 0xFF);
        bytes[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    }
    void byte(std::size_t at, int v) { bytes[at] = static_cast<char>(v); }
    void text(std::size_t at, std::string_view t) { bytes.replace(at, t.size(), t); }
};

std::string Messages(const CollectingSink& sink)
{
    std::string all;
    for (const auto& m : sink.messages)
        all += m.english + ";";
    return all;
}

}  // namespace

TEST(DataFile, HandBuiltFileEncodesToTheRadioLayout)
{
    FileBuilder f;
    f.word(8, 0);                     // band plan 0
    f.text(14, "12EF");               // DTMF M1 ...
    f.word(14 + 24, 4);               // ... and its digit count
    f.word(14 + 502, 3);              // send time
    f.text(14 + 508, "123");          // own DTMF identity
    f.word(14 + 513, 11);             // separator code
    f.byte(1113 + 2, 6);              // 5-tone standard
    const std::size_t call = 1113 + 25 + 176 + 106;
    for (int n = 1; n < 100; ++n)
        f.word(call + 53 * static_cast<std::size_t>(n), 1);  // entries 2..100 empty
    f.byte(call + 3, 3);
    f.byte(call + 4, 5);
    f.byte(call + 5, 70);
    f.text(call + 6, "12345");
    f.text(call + 46, "AB");
    const std::size_t opt = 6720;
    f.word(opt + 0, 3);               // key beep
    f.word(opt + 12, 7);              // speaker volume
    f.text(opt + 16, "1234  ");       // power-on password
    f.word(opt + 22, 2);              // scan mode
    f.word(opt + 58, 1);              // knob mode
    f.word(opt + 70, 9);              // first key function
    f.word(opt + 94, 4);              // working channel A
    f.text(opt + 102, "HI");          // power-on message
    f.word(6960, 1);                  // one channel
    f.text(8364 + 2, "42");           // book entry 0
    f.text(8364 + 7, "BOB");
    const std::size_t ch = 10636;
    f.word(ch + 0, 5);
    f.word(ch + 2, 1);
    f.word(ch + 4, 1);
    f.text(ch + 6, "043500000");
    f.text(ch + 15, "000000000");
    f.word(ch + 28, 2);               // power
    f.word(ch + 36, 1);               // bandwidth
    f.text(ch + 66, "AB   ");
    f.word(ch + 71, 885);

    TempDir dir;
    WriteAll(dir / "hand.dat", f.bytes);
    Document doc;
    CollectingSink sink;
    ASSERT_TRUE(doc.OpenDataFile(dir / "hand.dat", sink)) << Messages(sink);
    RadioImage image;
    BlockUsageMap map;
    ASSERT_TRUE(EncodeModelToImage(doc.Model, image, map, sink)) << Messages(sink);

    EXPECT_EQ(test::Slice(image, 128, 32), (std::vector<uint8_t>{0x43, 0x50, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x04, 0, 0, 0, 0, 0,
                                                           0, 0, 0, 0, 0, 0, 'A', 'B', ' ', ' ', ' ', 0, 0, 0, 0x75, 0x03}));
    EXPECT_EQ(image.at(6464), 0x10);
    EXPECT_EQ(image.at(6496), 0x10);
    EXPECT_EQ(test::Slice(image, 6528, 7), (std::vector<uint8_t>{'H', 'I', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(test::Slice(image, 6544, 5), (std::vector<uint8_t>{1, 2, 14, 15, 0xFF}));
    EXPECT_EQ(image.at(6864), 11);
    EXPECT_EQ(test::Slice(image, 6870, 3), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(image.at(7234), 6);
    EXPECT_EQ(test::Slice(image, 7264 + 1, 6), (std::vector<uint8_t>{3, 5, 70, 0x12, 0x34, 0x5E}));
    EXPECT_EQ(test::Slice(image, 7264 + 24, 7), (std::vector<uint8_t>{'A', 'B', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(image.at(12512), 0x01);
    EXPECT_EQ(test::Slice(image, 10464, 5), (std::vector<uint8_t>{'4', '2', 0, 0, 0}));
    EXPECT_EQ(test::Slice(image, 11488, 4), (std::vector<uint8_t>{'B', 'O', 'B', 0}));
    EXPECT_EQ(test::Slice(image, 12800, 8), (std::vector<uint8_t>{3, 0, 0, 0, 0, 0, 7, 0}));
    EXPECT_EQ(image.at(12808), 2);
    EXPECT_EQ(image.at(12826), 3);
    EXPECT_EQ(image.at(12827), 0x01);
    EXPECT_EQ(test::Slice(image, 12864, 6), (std::vector<uint8_t>{'1', '2', '3', '4', 0, 0}));
    EXPECT_EQ(image.at(12880), 9);
    EXPECT_EQ(image.at(12896), 4);
}

TEST(DataFile, OpenThenSaveKeepsEveryByte)
{
    TempDir dir;
    // A rich model, and stale channel entries past the count with arbitrary bytes.
    Document writer;
    writer.Model = test::RichModel(0);
    CollectingSink sink;
    ASSERT_TRUE(writer.SaveDataFile(dir / "rich.dat", sink));
    std::string original = ReadAll(dir / "rich.dat");
    ASSERT_EQ(original.size(), kDataFileSize);
    std::mt19937 random(1);
    original[6960] = 7;
    original[6961] = 0;
    for (std::size_t i = kDataRecordSize + 7 * kChannelRecordSize; i < kDataFileSize; ++i)
        original[i] = static_cast<char>(random());
    WriteAll(dir / "rich.dat", original);

    Document doc;
    ASSERT_TRUE(doc.OpenDataFile(dir / "rich.dat", sink));
    EXPECT_FALSE(doc.IsUntitled());
    EXPECT_FALSE(doc.IsModelModified());
    EXPECT_EQ(doc.Model.ChannelCount, 7);
    ASSERT_TRUE(doc.SaveDataFile(dir / "copy.dat", sink));
    EXPECT_EQ(ReadAll(dir / "copy.dat"), original);
    EXPECT_EQ(doc.CurrentFileName, (dir / "copy.dat").string());
    EXPECT_TRUE(sink.messages.empty());
}

TEST(DataFile, RefusedFilesChangeNothing)
{
    TempDir dir;
    Document doc;
    doc.BuildDefaultModel(1);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(dir / "good.dat", sink));
    const std::string good = ReadAll(dir / "good.dat");
    doc.Model.Options.KeyBeep = 4;  // an unsaved change that must survive the refusals

    struct Case { const char* name; std::string bytes; const char* message; };
    std::string badModel = good, badVersion = good, badBand = good;
    badModel.replace(0, 6, "TQ8616");
    badVersion.replace(10, 4, "V101");
    badBand[8] = 3;
    const Case cases[] = {
        {"short", good.substr(0, kDataFileSize - 1), "File Data Error!"},
        {"long", good + "x", "File Data Error!"},
        {"empty", "", "File Data Error!"},
        {"model", badModel, "Model Error!"},
        {"version", badVersion, "Version Error!"},
        {"band", badBand, "File Data Error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(dir / "bad.dat", c.bytes);
        CollectingSink refused;
        EXPECT_FALSE(doc.OpenDataFile(dir / "bad.dat", refused));
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_EQ(refused.messages[0].english, c.message);
        EXPECT_EQ(doc.Model.Options.KeyBeep, 4);
        EXPECT_TRUE(doc.IsModelModified());
        EXPECT_EQ(doc.CurrentFileName, (dir / "good.dat").string());
    }
    CollectingSink missing;
    EXPECT_FALSE(doc.OpenDataFile(dir / "nothing-here.dat", missing));
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].chinese, "文件错误。");
    // The snapshot still is the good file: undoing the change makes the model clean again.
    doc.Model.Options.KeyBeep = 0;
    EXPECT_FALSE(doc.IsModelModified());
}

TEST(DataFile, ModelNameEndingInNulsIsAccepted)
{
    TempDir dir;
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(dir / "a.dat", sink));
    std::string bytes = ReadAll(dir / "a.dat");
    bytes[6] = bytes[7] = '\0';
    WriteAll(dir / "a.dat", bytes);
    EXPECT_TRUE(doc.OpenDataFile(dir / "a.dat", sink));
    EXPECT_FALSE(doc.IsModelModified());

    // The same name in a band default file: the fresh model is unmodified too.
    const std::filesystem::path program = dir / "program";
    std::filesystem::create_directories(program / "Init");
    bytes[8] = 1;
    bytes[9] = 0;
    WriteAll(program / "Init" / "TQ8615_1.dat", bytes);
    Document fresh(program);
    fresh.BuildDefaultModel(1);
    EXPECT_EQ(fresh.Model.Band.BandPlanIndex, 1);
    EXPECT_FALSE(fresh.IsModelModified());
}

TEST(DataFile, GarbageWithAValidHeaderOpensSafely)
{
    TempDir dir;
    std::mt19937 random(99);
    for (int round = 0; round < 20; ++round) {
        FileBuilder f;
        for (std::size_t i = 14; i < f.bytes.size(); ++i)
            f.bytes[i] = static_cast<char>(random());
        f.word(8, round % 3);
        WriteAll(dir / "g.dat", f.bytes);
        Document doc;
        CollectingSink sink;
        ASSERT_TRUE(doc.OpenDataFile(dir / "g.dat", sink));
        EXPECT_GE(doc.Model.ChannelCount, 0);
        EXPECT_LE(doc.Model.ChannelCount, kMaxChannels);
        RadioImage image;
        BlockUsageMap map;
        EncodeModelToImage(doc.Model, image, map, sink);  // may refuse, must not fault
    }
}

TEST(DataFile, FailedSaveKeepsThePreviousFile)
{
    TempDir dir;
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(dir / "keep.dat", sink));
    const std::string before = ReadAll(dir / "keep.dat");
    doc.Model.Options.KeyBeep = 5;
    CollectingSink failed;
    {
        test::FileSizeLimit full(1000);
        EXPECT_FALSE(doc.SaveDataFile(failed));
    }
    ASSERT_EQ(failed.messages.size(), 1u);
    EXPECT_EQ(failed.messages[0].english, "file error.\n" + (dir / "keep.dat").string() + ": File too large");
    EXPECT_EQ(failed.messages[0].chinese, "文件错误。\n" + (dir / "keep.dat").string() + ": File too large");
    EXPECT_EQ(ReadAll(dir / "keep.dat"), before);
    EXPECT_FALSE(doc.IsUntitled());
    EXPECT_TRUE(doc.IsModelModified());
    EXPECT_FALSE(doc.SaveDataFile(dir / "no-such-folder" / "x.dat", failed));
    EXPECT_EQ(doc.CurrentFileName, (dir / "keep.dat").string());
}

TEST(DataFile, SnapshotTracksChanges)
{
    TempDir dir;
    Document doc;
    doc.BuildDefaultModel(2);
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_FALSE(doc.IsModelModified());
    doc.Model.ChannelList[3].ChannelName = "X";
    EXPECT_TRUE(doc.IsModelModified());
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(dir / "s.dat", sink));
    EXPECT_FALSE(doc.IsModelModified());
    EXPECT_FALSE(doc.IsUntitled());
    doc.Model.DeleteChannel(1);
    EXPECT_TRUE(doc.IsModelModified());

    // A save with fewer channels writes all 203 records; loading restores exactly the count.
    ASSERT_TRUE(doc.SaveDataFile(sink));
    EXPECT_EQ(ReadAll(dir / "s.dat").size(), kDataFileSize);
    Document other;
    ASSERT_TRUE(other.OpenDataFile(dir / "s.dat", sink));
    EXPECT_EQ(other.Model.ChannelCount, 4);
    EXPECT_EQ(other.Model.FindChannel(1), -1);
}

TEST(DataFile, RadioReadBecomesAnUntitledModel)
{
    RadioImage image = test::Encode(test::RichModel(0));
    Document doc;
    doc.BuildDefaultModel(2);
    doc.CurrentFileName = "/somewhere/old.dat";
    CollectingSink sink;
    doc.AcceptRadioRead(0, image, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc.Model.Band.BandPlanIndex, 0);
    EXPECT_EQ(doc.Model.Band.RxHigh[kVhf], 148);
    EXPECT_EQ(doc.CurrentFileName, "new.dat");
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_FALSE(doc.IsModelModified());
    EXPECT_EQ(doc.Model.ChannelCount, kMaxChannels);
}

TEST(DataFile, RadioReadRepairsWhatTheEncoderWouldRefuse)
{
    // A DCS index byte of 0xF0 in channel 1: the data must still go back to the radio.
    RadioImage image = test::Encode(test::RichModel(0));
    image.set(15, 0xF0);
    Document doc;
    doc.BuildDefaultModel(2);
    CollectingSink sink;
    doc.AcceptRadioRead(0, image, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], RepairedChannelsMessage({1}));
    RadioImage again;
    BlockUsageMap map;
    EXPECT_TRUE(EncodeModelToImage(doc.Model, again, map, sink)) << sink.messages.back().english;
}

TEST(DataFile, AnyRadioReadCanBeWrittenBack)
{
    // Random images shaped so that most channel slots decode: the receive bytes are BCD.
    std::mt19937_64 random(17);
    Document doc;
    doc.BuildDefaultModel(2);
    int channelsSeen = 0;
    for (int round = 0; round < 10000; ++round) {
        RadioImage image;
        auto& bytes = image.bytes();
        for (std::size_t i = 0; i < bytes.size(); i += 8) {
            const uint64_t r = random();
            for (std::size_t k = 0; k < 8 && i + k < bytes.size(); ++k)
                bytes[i + k] = static_cast<uint8_t>(r >> (8 * k));
        }
        for (int n = 1; n <= kMaxChannels; ++n) {
            const int slot = ChannelSlotAddress(n);
            for (int k = 0; k < 4 && random() % 8; ++k)
                image.set(slot + k, static_cast<uint8_t>((random() % 10) << 4 | random() % 10));
        }
        CollectingSink sink;
        doc.AcceptRadioRead(static_cast<int>(round % 3), image, sink);
        channelsSeen += doc.Model.ChannelCount;
        RadioImage encoded;
        BlockUsageMap map;
        CollectingSink refusal;
        ASSERT_TRUE(EncodeModelToImage(doc.Model, encoded, map, refusal))
            << "round " << round << ": " << refusal.messages.at(0).english;
    }
    EXPECT_GT(channelsSeen, 10000 * 40) << "the images reach the channel fields";
}
