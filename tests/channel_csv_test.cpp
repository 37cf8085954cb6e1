#include "files/channel_csv.h"
#include "model/channels.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tq8615 {
namespace {

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// Band plan 1: UHF 400-490, VHF 136-174.
EditingModel EmptyModel()
{
    EditingModel m;
    SelectBandPlan(m.Band, 1);
    m.ChannelCount = 0;
    return m;
}

CsvImportPlan Plan(const std::string& text, const EditingModel& model = EmptyModel(), CsvPlacement placement = {})
{
    return PlanCsvImport(text, model, placement);
}

std::string Problems(const CsvImportPlan& plan)
{
    std::string all;
    for (const CsvProblem& p : plan.problems)
        all += ProblemText(p) + "\n";
    return all;
}

// Every value the format carries, in every combination the channels can hold.
EditingModel CsvRichModel()
{
    EditingModel m = EmptyModel();
    const char* names[] = {"", "A", "B-1", "CH 3", "ZZ99", "12345"};
    for (int n = 1; n <= kMemoryChannels; ++n) {
        ChannelRecord r = NewChannelWithFreq(n, n % 2 ? "435.12500" : "145.61250");
        r.RxFreq = n % 2 ? (n % 3 ? "043512500" : "048999990") : "013600010";
        r.ScanAdd = static_cast<int16_t>(n % 3 == 0 ? 0 : 1);
        r.TxForbid = static_cast<int16_t>(n % 5 == 0);
        r.ShiftMode = static_cast<int16_t>(r.TxForbid ? 0 : n % 4);
        r.TxFreq = r.ShiftMode == kSplit ? (n % 8 == 3 ? "014600000" : "043725000")
                   : r.ShiftMode ? (n % 7 ? "000600000" : "008000000") : "000000000";
        r.StepIndex = static_cast<int16_t>(n % kStepCount);
        r.Power = static_cast<int16_t>(n % 3);
        r.Bandwidth = static_cast<int16_t>((n / 3) % 3);
        r.EncodeType = static_cast<int16_t>(n % 3);
        r.DecodeType = static_cast<int16_t>((n / 3) % 3);
        if (r.EncodeType == kSubAudioCtcss)
            r.EncodeCtcss = static_cast<int16_t>(n % kCtcssCount);
        if (r.DecodeType == kSubAudioCtcss)
            r.DecodeCtcss = static_cast<int16_t>(n % 4 ? (n * 7) % kCtcssCount : n % kCtcssCount);
        if (r.EncodeType == kSubAudioDcs)
            r.EncodeDcs = static_cast<int16_t>(n % kDcsValueCount);
        if (r.DecodeType == kSubAudioDcs)
            r.DecodeDcs = static_cast<int16_t>(n % 4 ? (n * 3) % kDcsValueCount : (n + kDcsCount) % kDcsValueCount);
        r.ChannelName = names[n % 6];
        m.AppendChannel(r);
    }
    return m;
}

TEST(ChannelCsv, ExportThenImportGivesBackEveryChannel)
{
    EditingModel source = CsvRichModel();
    ResetToBuiltInDefaults(source);  // adds the VFO and RT channels the export leaves out
    source.ChannelCount = 0;
    for (const ChannelRecord& r : CsvRichModel().ChannelList)
        if (r.ChannelInUse)
            source.AppendChannel(r);
    AddDefaultChannels(source);
    const std::string text = ExportChannelsCsv(source);
    EXPECT_EQ(ExportedChannelCount(source), kMemoryChannels);
    EXPECT_TRUE(text.starts_with(kHeader));
    EXPECT_EQ(text.find("VFO"), std::string::npos);

    const CsvImportPlan plan = Plan(text);
    ASSERT_TRUE(plan.clean()) << Problems(plan);
    EXPECT_TRUE(plan.problems.empty()) << Problems(plan);
    EditingModel target = EmptyModel();
    ApplyCsvImport(plan, target);
    ASSERT_EQ(target.ChannelCount, kMemoryChannels);
    const EditingModel expected = CsvRichModel();
    for (int n = 1; n <= kMemoryChannels; ++n) {
        const auto i = static_cast<std::size_t>(target.FindChannel(n));
        EXPECT_EQ(target.ChannelList[i], expected.ChannelList[static_cast<std::size_t>(n - 1)]) << "channel " << n;
    }
    EXPECT_EQ(ExportChannelsCsv(target), text);
}

TEST(ChannelCsv, ExportWritesTheOtherToolsColumns)
{
    EditingModel m = EmptyModel();
    ChannelRecord r = NewChannelWithFreq(7, "145.50000");
    r.ShiftMode = kMinusShift;
    r.TxFreq = "000060000";
    r.EncodeType = r.DecodeType = kSubAudioDcs;
    r.EncodeDcs = 0;
    r.DecodeDcs = kDcsCount;  // 023 inverted
    r.Bandwidth = 1;
    r.ChannelName = "RPT";
    m.AppendChannel(r);
    EXPECT_EQ(ExportChannelsCsv(m), kHeader
              + "7,RPT,145.500000,-,0.600000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,High,20 kHz,,,,\r\n");
}

// A file as the other tool writes it, locations from 0.
TEST(ChannelCsv, ImportsEveryKindOfRowOfTheOtherTool)
{
    const std::string text = "\xEF\xBB\xBF" + kHeader
        + "0,SIMP,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
          "1,RPTP,442.100000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,12.50,,Mid,,,,,\r\n"
          "2,RPTM,147.090000,-,0.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,5.00,S,Low,,,,,\r\n"
          "3,SPLT,145.000000,split,435.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,High,,,,,\r\n"
          "4,RXON,162.550000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,High,,,,,\r\n"
          "5,DNN,440.000000,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
          "6,DNR,440.000000,,0.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
          "7,DRN,440.000000,,0.000000,DTCS,88.5,88.5,131,RN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
          "8,DRR,440.000000,,0.000000,DTCS,88.5,88.5,25,RR,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
          "9,X1,440.000000,,0.000000,Cross,67.0,254.1,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
          "10,X2,440.000000,,0.000000,Cross,67.0,88.5,023,NR,411,Tone->DTCS,FM,12.50,,High,,,,,\r\n"
          "11,X3,440.000000,,0.000000,Cross,88.5,71.9,246,RN,023,DTCS->Tone,FM,12.50,,High,,,,,\r\n"
          "12,X4,440.000000,,0.000000,Cross,88.5,71.9,023,NN,023,->Tone,FM,12.50,,High,,,,,\r\n"
          "13,X5,440.000000,,0.000000,Cross,88.5,88.5,023,NR,503,->DTCS,FM,12.50,,High,,,,,\r\n"
          "14,X6,440.000000,,0.000000,Cross,88.5,88.5,503,RN,023,DTCS->,FM,12.50,,High,,,,,\r\n"
          "15,X7,440.000000,,0.000000,Cross,88.5,88.5,115,NR,754,DTCS->DTCS,FM,12.50,,High,,,,,\r\n";
    const CsvImportPlan plan = Plan(text);
    ASSERT_TRUE(plan.clean()) << Problems(plan);
    ASSERT_EQ(plan.channels.size(), 16u);
    ASSERT_EQ(plan.problems.size(), 1u) << Problems(plan);
    EXPECT_NE(ProblemText(plan.problems[0]).find("location + 1"), std::string::npos);

    auto expect = [](int number, const char* mhz) { ChannelRecord r = NewChannelWithFreq(number, mhz); return r; };
    std::vector<ChannelRecord> want;
    ChannelRecord r = expect(1, "146.52");
    r.ChannelName = "SIMP";
    r.Bandwidth = 2;
    want.push_back(r);
    r = expect(2, "442.1");
    r.ChannelName = "RPTP";
    r.ShiftMode = kPlusShift;
    r.TxFreq = "000500000";
    r.EncodeType = kSubAudioCtcss;
    r.EncodeCtcss = 13;  // 100.0
    r.StepIndex = 4;
    r.Power = 1;
    want.push_back(r);
    r = expect(3, "147.09");
    r.ChannelName = "RPTM";
    r.ShiftMode = kMinusShift;
    r.TxFreq = "000060000";
    r.EncodeType = r.DecodeType = kSubAudioCtcss;
    r.EncodeCtcss = r.DecodeCtcss = 19;  // 123.0
    r.Bandwidth = 2;
    r.ScanAdd = 0;
    r.Power = 2;
    want.push_back(r);
    r = expect(4, "145");
    r.ChannelName = "SPLT";
    r.ShiftMode = kSplit;
    r.TxFreq = "043500000";
    r.Bandwidth = 2;
    r.StepIndex = 6;
    want.push_back(r);
    r = expect(5, "162.55");
    r.ChannelName = "RXON";
    r.TxForbid = 1;
    r.Bandwidth = 2;
    r.StepIndex = 6;
    want.push_back(r);
    struct Dcs { const char* name; int enc, dec; };
    const Dcs dcs[] = {{"DNN", 0, 0}, {"DNR", 103, 103 + kDcsCount}, {"DRN", 21 + kDcsCount, 21},
                       {"DRR", 1 + kDcsCount, 1 + kDcsCount}};
    for (int i = 0; i < 4; ++i) {
        r = expect(6 + i, "440");
        r.ChannelName = dcs[i].name;
        r.EncodeType = r.DecodeType = kSubAudioDcs;
        r.EncodeDcs = static_cast<int16_t>(dcs[i].enc);
        r.DecodeDcs = static_cast<int16_t>(dcs[i].dec);
        r.Bandwidth = 2;
        r.StepIndex = 4;
        want.push_back(r);
    }
    struct Cross { const char* name; int16_t encType, decType, encCtcss, decCtcss, encDcs, decDcs; };
    const Cross cross[] = {
        {"X1", kSubAudioCtcss, kSubAudioCtcss, 1, 50, 17, 17},
        {"X2", kSubAudioCtcss, kSubAudioDcs, 1, 0, 17, 64 + kDcsCount},
        {"X3", kSubAudioDcs, kSubAudioCtcss, 0, 3, 41 + kDcsCount, 17},
        {"X4", kSubAudioOff, kSubAudioCtcss, 0, 3, 17, 17},
        {"X5", kSubAudioOff, kSubAudioDcs, 0, 0, 17, 79 + kDcsCount},
        {"X6", kSubAudioDcs, kSubAudioOff, 0, 0, 79 + kDcsCount, 17},
        {"X7", kSubAudioDcs, kSubAudioDcs, 0, 0, 17, 103 + kDcsCount},
    };
    for (int i = 0; i < 7; ++i) {
        r = expect(10 + i, "440");
        r.ChannelName = cross[i].name;
        r.EncodeType = cross[i].encType;
        r.DecodeType = cross[i].decType;
        r.EncodeCtcss = cross[i].encCtcss;
        r.DecodeCtcss = cross[i].decCtcss;
        r.EncodeDcs = cross[i].encDcs;
        r.DecodeDcs = cross[i].decDcs;
        r.Bandwidth = 2;
        r.StepIndex = 4;
        want.push_back(r);
    }
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(plan.channels[i], want[i]) << "row " << i << " line " << plan.lines[i];
}

struct BadRow {
    const char* name;
    std::string row;  // after "1,N,"
    std::string reason;
};

class ChannelCsvBadRow : public testing::TestWithParam<BadRow> {};

TEST_P(ChannelCsvBadRow, IsRefusedWithItsLineAndReason)
{
    const BadRow& c = GetParam();
    const std::string good = ",OK,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n";
    const CsvImportPlan plan = Plan(kHeader + "2" + good + "1,N," + c.row + "\r\n" + "3" + good);
    EXPECT_FALSE(plan.clean());
    EXPECT_FALSE(plan.fileRefused);
    EXPECT_EQ(plan.refusedRows, 1);
    ASSERT_EQ(plan.channels.size(), 2u) << "the good rows stay importable";
    EXPECT_EQ(plan.lines, (std::vector<int>{2, 4}));
    ASSERT_EQ(plan.problems.size(), 1u) << Problems(plan);
    EXPECT_TRUE(plan.problems[0].refused);
    EXPECT_EQ(ProblemText(plan.problems[0]), "line 3: " + c.reason);
    EXPECT_EQ(ProblemText(plan.problems[0], true).find("第 3 行："), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelCsvBadRow,
    testing::Values(
        BadRow{"out_of_band", "500.000000,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "frequency 500.000000 MHz is outside the band plan"},
        BadRow{"between_bands", "300.000000,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "frequency 300.000000 MHz is outside the band plan"},
        BadRow{"not_a_number", "abc,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "frequency \"abc\" is not a number"},
        BadRow{"no_frequency", ",,0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "frequency \"\" is not a number"},
        BadRow{"split_out_of_band", "146.52,split,600.0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "transmit frequency 600.0 MHz is outside the band plan"},
        BadRow{"bad_duplex", "146.52,x,0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "unknown Duplex \"x\""},
        BadRow{"bad_offset", "146.52,+,six,,88.5,88.5,023,NN,023,,FM,5.00,,High", "Offset \"six\" is not a number"},
        BadRow{"unknown_tone", "146.52,,0,Tone,88.4,88.5,023,NN,023,,FM,5.00,,High", "tone \"88.4\" Hz is not one of the 51 CTCSS tones"},
        BadRow{"unknown_tsql_tone", "146.52,,0,TSQL,88.5,1000,023,NN,023,,FM,5.00,,High", "tone \"1000\" Hz is not one of the 51 CTCSS tones"},
        BadRow{"bad_dcs", "146.52,,0,DTCS,88.5,88.5,024,NN,023,,FM,5.00,,High", "DCS code \"024\" is not one of the 104 codes"},
        BadRow{"bad_rx_dcs", "146.52,,0,Cross,88.5,88.5,023,NN,999,DTCS->DTCS,FM,5.00,,High", "DCS code \"999\" is not one of the 104 codes"},
        BadRow{"bad_polarity", "146.52,,0,DTCS,88.5,88.5,023,NX,023,,FM,5.00,,High", "unknown DtcsPolarity \"NX\""},
        BadRow{"bad_tone_mode", "146.52,,0,DTCS-R,88.5,88.5,023,NN,023,,FM,5.00,,High", "unknown Tone \"DTCS-R\""},
        BadRow{"bad_cross_mode", "146.52,,0,Cross,88.5,88.5,023,NN,023,Tone->,FM,5.00,,High", "unknown CrossMode \"Tone->\""},
        BadRow{"bad_mode", "146.52,,0,,88.5,88.5,023,NN,023,,AM,5.00,,High", "Mode \"AM\" is neither FM nor NFM"},
        BadRow{"bad_skip", "146.52,,0,,88.5,88.5,023,NN,023,,FM,5.00,X,High", "unknown Skip \"X\""},
        BadRow{"bad_power", "146.52,,0,,88.5,88.5,023,NN,023,,FM,5.00,,Huge", "unknown Power \"Huge\""},
        BadRow{"broken_quote", "\"146.52\"x,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High", "a quoted field is not closed properly"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ChannelCsv, LocationsMustBeMemoryChannelsOnce)
{
    const std::string row = ",N,146.520000,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n";
    const CsvImportPlan plan = Plan(kHeader + "5" + row + "201" + row + "5" + row + "x" + row);
    EXPECT_EQ(plan.channels.size(), 1u);
    EXPECT_EQ(Problems(plan), "line 3: Location \"201\" is not a memory channel 1..200\n"
                              "line 4: channel 5 is already taken by line 2\n"
                              "line 5: Location \"x\" is not a memory channel 1..200\n");
}

TEST(ChannelCsv, UnclosedQuoteRefusesTheRestOfTheFile)
{
    const std::string good = "1,A,146.520000,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n";
    const CsvImportPlan plan = Plan(kHeader + good + "2,\"B,146.52\r\n" + good);
    EXPECT_EQ(plan.channels.size(), 1u);
    EXPECT_EQ(Problems(plan), "line 3: a quoted field is not closed properly\n");
}

struct BadFile {
    const char* name;
    std::string text;
    std::string reason;
};

class ChannelCsvBadFile : public testing::TestWithParam<BadFile> {};

TEST_P(ChannelCsvBadFile, IsRefusedWhole)
{
    const CsvImportPlan plan = Plan(GetParam().text);
    EXPECT_TRUE(plan.fileRefused);
    EXPECT_TRUE(plan.channels.empty());
    EXPECT_EQ(Problems(plan), GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelCsvBadFile,
    testing::Values(BadFile{"empty", "", "The file holds no channel rows."},
                    BadFile{"only_bom_and_blank_lines", "\xEF\xBB\xBF\r\n\r\n", "The file holds no channel rows."},
                    BadFile{"header_only", kHeader, "The file holds no channel rows."},
                    BadFile{"no_frequency_column", "Location,Name,Freq\r\n1,A,146.52\r\n", "The header line has no Frequency column."}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ChannelCsv, AHugeFileIsRefusedUnread)
{
    test::TempDir dir;
    const auto path = dir / "huge.csv";
    std::ofstream(path) << kHeader;
    std::filesystem::resize_file(path, 50u << 20);
    const CsvImportPlan plan = PlanCsvImportFile(path, EmptyModel(), {});
    EXPECT_TRUE(plan.fileRefused);
    EXPECT_EQ(Problems(plan), "The file is larger than 1048576 bytes; a channel list is far smaller.\n");
    const CsvImportPlan missing = PlanCsvImportFile(dir / "missing.csv", EmptyModel(), {});
    EXPECT_TRUE(missing.fileRefused);
    EXPECT_NE(Problems(missing).find("missing.csv"), std::string::npos);
}

TEST(ChannelCsv, EveryAdjustmentIsListed)
{
    const CsvImportPlan plan = Plan(
        "Frequency,Name,Duplex,Offset,TStep,Power,Location,Unknown\r\n"
        "146.52,repeater one,,,8.33,5.0W,1,x\r\n"
        "146.52,OK,+,95,5.00,1.0W,2,x\r\n"
        "146.520004,LOW,,,,2.5W,3,x\r\n");
    ASSERT_TRUE(plan.clean()) << Problems(plan);
    EXPECT_EQ(Problems(plan),
              "line 2: step \"8.33\" kHz becomes 10K\n"
              "line 2: Power \"5.0W\" is taken as High\n"
              "line 2: name \"repeater one\" becomes \"REPEA\"\n"
              "line 3: offset 95 MHz is capped at 80 MHz\n"
              "line 3: Power \"1.0W\" is taken as Low\n"
              "line 4: frequency 146.520004 MHz is rounded to 146.52000 MHz\n"
              "line 4: Power \"2.5W\" is taken as Mid\n");
    EXPECT_EQ(plan.channels[0].ChannelName, FixedText<5>("REPEA"));
    EXPECT_EQ(plan.channels[1].TxFreq, FixedText<9>("008000000"));
    EXPECT_EQ(plan.channels[2].Power, 1);
}

TEST(ChannelCsv, FillingTakesFreeChannelsFromTheStart)
{
    EditingModel model = EmptyModel();
    model.AppendChannel(NewChannelWithFreq(11, "146.5"));
    model.AppendChannel(NewChannelWithFreq(199, "146.5"));
    std::string text = kHeader;
    for (int i = 0; i < 4; ++i)
        text += "0,N,146.520000,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n";
    CsvImportPlan plan = Plan(text, model, {false, 10});
    ASSERT_TRUE(plan.clean()) << Problems(plan);
    std::vector<int> numbers;
    for (const ChannelRecord& r : plan.channels)
        numbers.push_back(r.ChannelNumber);
    EXPECT_EQ(numbers, (std::vector<int>{10, 12, 13, 14}));

    plan = Plan(text, model, {false, 198});
    EXPECT_EQ(plan.channels.size(), 2u);
    EXPECT_EQ(Problems(plan), "line 4: no free channel left\nline 5: no free channel left\n");
}

TEST(ChannelCsv, KeptLocationsReplaceExistingChannelsAndSaySo)
{
    EditingModel model = EmptyModel();
    model.AppendChannel(NewChannelWithFreq(3, "440.5"));
    const CsvImportPlan plan = Plan(kHeader + "3,NEW,146.520000,,0,,88.5,88.5,023,NN,023,,FM,5.00,,High\r\n", model);
    EXPECT_EQ(Problems(plan), "line 2: replaces channel 3\n");
    ApplyCsvImport(plan, model);
    EXPECT_EQ(model.ChannelCount, 1);
    EXPECT_EQ(model.ChannelList[0].ChannelName, FixedText<5>("NEW"));
}

}  // namespace
}  // namespace tq8615
