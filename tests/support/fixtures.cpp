#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <random>
#include <sstream>

namespace tq8615::test {

DtmfSettings DefaultDtmf()
{
    DtmfSettings s;
    ResetDtmfDefaults(s);
    return s;
}

EditingModel RichModel(int bandPlanIndex)
{
    Document doc;
    doc.BuildDefaultModel(bandPlanIndex);
    EditingModel m = doc.Model;
    m.ChannelCount = 0;
    const char* names[] = {"A", "B-1", "CH 3", "ZZ99", "12345"};
    for (int n = 1; n <= kMaxChannels; ++n) {
        ChannelRecord r = NewChannelWithFreq(n, n % 2 ? "435.12500" : "145.61250");
        r.ScanAdd = static_cast<int16_t>(n % 3 == 0 ? 0 : 1);
        r.ShiftMode = static_cast<int16_t>(n % 4);
        r.TxFreq = r.ShiftMode == 3 ? "043725000" : (r.ShiftMode ? "000600000" : "000000000");
        r.Power = static_cast<int16_t>(n % 3);
        r.Talkaround = static_cast<int16_t>(n % 2);
        r.TxForbid = static_cast<int16_t>(n % 5 == 0);
        r.Reverse = static_cast<int16_t>(n % 7 == 0);
        r.Bandwidth = static_cast<int16_t>(n % 3);
        r.EncodeType = static_cast<int16_t>(n % 3);
        r.DecodeType = static_cast<int16_t>((n + 1) % 3);
        r.DtmfIndex = static_cast<int16_t>(n % 16);
        r.EncodeCtcss = static_cast<int16_t>(n % 52);
        r.DecodeCtcss = static_cast<int16_t>((n * 7) % 52);
        r.EncodeDcs = static_cast<int16_t>(n % 208);
        r.DecodeDcs = static_cast<int16_t>((n * 3) % 208);
        r.BusyLock = static_cast<int16_t>(n % 3);
        r.DtmfPttIdMode = static_cast<int16_t>(n % 4);
        r.FiveTonePttIdMode = static_cast<int16_t>((n + 2) % 4);
        r.SquelchMode = static_cast<int16_t>(n % 5);
        r.OptSigType = static_cast<int16_t>(n % 4);
        r.TwoToneIndex = static_cast<int16_t>(n % 32);
        r.FiveToneIndex = static_cast<int16_t>(n % 100);
        r.UserCtcss = static_cast<int16_t>(500 + n * 10);
        r.Scramble = static_cast<int16_t>(n % 2);
        if (n <= kMemoryChannels) {
            r.ChannelName = names[n % 5];
        } else {
            r.ChannelName = std::string_view("\0", 1);
            r.ShiftModeVhf = static_cast<int16_t>(n % 3);
            r.VhfActive = static_cast<int16_t>(n % 2);
            r.RxFreqVhf = "014600000";
            r.TxFreqVhf = "000060000";
            if (n == kRtChannel)
                r.ShiftMode = 3;
        }
        m.AppendChannel(r);
    }
    auto& o = m.Options;
    o.KeyBeep = 3; o.FrequencyStep = 6; o.DisplayModeA = 2; o.SquelchLevelA = 5; o.SquelchLevelB = 9;
    o.SpeakerVolume = 36; o.PowerOnPasswordEnable = 1; o.PowerOnPassword = "123456"; o.ScanMode = 2;
    o.ScanResumeTime = 2; o.AutoPowerOn = 1; o.MainSubDirection = 1; o.ChannelOption = 1; o.BacklightLevel = 3;
    o.TimeOutTimer = 30; o.AutoPowerOff = 3; o.ToneBurst = 2; o.DisplayDirection = 1; o.MicKeyBrightness = 31;
    o.SpeakerSwitch = 2; o.ShortcutKeyFunction = {9, 8, 7, 6}; o.TailEliminationMode = 4;
    o.TailEliminationFreq = 2; o.KnobMode = 0; o.TrfEnable = 0; o.PowerOnResetAllowed = 1;
    o.ChannelStoreMode = 1; o.ChannelLock = 1; o.SqlKeyFunction = 1;
    o.KeyFunction = {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    o.ChannelA = 17; o.ModeA = 1; o.ChannelB = 199; o.ModeB = 1; o.PowerOnMessage = "HELLO-1";

    auto& f = m.FiveTone;
    f.HeaderByte0 = 7; f.DecodeResponse = 2; f.Standard = 13; f.SelfIdLength = 5; f.ToneLength = 100;
    f.SelfId = std::string("12345") + '\0';
    f.Time5 = 250; f.Time4 = 255; f.Time6 = 1; f.Count7 = 75;
    f.FirstDigitDelay = 200; f.PauseTime = 0; f.PauseCode = 15; f.SideTone = 1; f.AniSeparator = 11;
    for (int i = 0; i < kInfoCodeCount; ++i) {
        auto& info = f.InfoCodes[static_cast<std::size_t>(i)];
        info.DecodeFunction = static_cast<uint8_t>(i % 7);
        info.DecodeResponse = static_cast<uint8_t>(i % 3);
        info.DigitCount = static_cast<uint8_t>(i + 5);
        info.Digits = std::string("0123456789ABCDEF").substr(static_cast<std::size_t>(i), static_cast<std::size_t>(i + 5));
        info.Name = i % 2 ? "INFO" + std::to_string(i) : "";
    }
    f.PttIdBegin = {0, 0, 3, 7, 45, std::string_view("1234567"), {}};
    f.PttIdEnd = {0, 0, 4, 40, 120, std::string_view("0123456789ABCDEF0123456789ABCDEF01234567"), {}};
    for (int n = 0; n < kFiveToneListSize; ++n) {
        auto& e = f.CallList[static_cast<std::size_t>(n)];
        e.IsEmpty = 0;
        e.Standard = static_cast<uint8_t>(n % 14);
        e.DigitCount = static_cast<uint8_t>(n % 40 + 1);
        e.ToneLength = static_cast<uint8_t>(30 + n % 91);
        std::string code;
        for (int d = 0; d < e.DigitCount; ++d)
            code += "0123456789ABCDEF"[(n + d) % 16];
        e.Code = code;
        e.Name = "CALL" + std::to_string(n);
    }

    auto& d = m.Dtmf;
    for (int n = 0; n < kDtmfCodeCount; ++n) {
        auto& code = d.DtmfCodes[static_cast<std::size_t>(n)];
        code.DigitCount = static_cast<int16_t>(n + 1);
        code.Digits = std::string("0123456789ABCDEF").substr(0, static_cast<std::size_t>(n + 1));
    }
    d.DtmfPttIdBegin = {std::string_view("12EF"), 4};
    d.DtmfPttIdEnd = {std::string_view("0123456789ABCDEF"), 16};
    d.KillCode = {std::string_view("0123456789ABCD"), 14};
    d.StunCode = {std::string_view("99"), 2};
    d.SendTime = 4; d.DtmfId = std::string("789") + '\0'; d.SeparatorCode = 11; d.GroupCode = 15;
    d.DecodeResponse = 2; d.FirstDigitDelay = 250; d.PreSendDelay = 1; d.ResetTime = 99;
    d.PostSendDelay = 250; d.PauseTime = 75; d.SideTone = 1;

    for (int e = 0; e < kCommuBookSize; ++e) {
        auto& entry = m.Book[static_cast<std::size_t>(e)];
        entry.CallId = std::to_string(10000 + e * 7);
        entry.Name = "NAME" + std::to_string(e);
    }
    return m;
}

std::vector<uint8_t> Slice(const RadioImage& image, int from, int count)
{
    return {image.bytes().begin() + from, image.bytes().begin() + from + count};
}

RadioImage Encode(EditingModel model)
{
    RadioImage image;
    BlockUsageMap map;
    CollectingSink sink;
    EXPECT_TRUE(EncodeModelToImage(model, image, map, sink));
    EXPECT_TRUE(sink.messages.empty());
    return image;
}

RadioImage EncodeFailing(EditingModel model, const std::string& message, const std::string& detail)
{
    RadioImage image;
    BlockUsageMap map;
    CollectingSink sink;
    EXPECT_FALSE(EncodeModelToImage(model, image, map, sink));
    EXPECT_EQ(sink.messages.size(), 1u);
    if (!sink.messages.empty()) {
        const std::string& text = sink.messages[0].english;
        EXPECT_EQ(text.substr(0, text.find('\n')), message);
        if (!detail.empty()) {
            EXPECT_EQ(text.substr(text.find('\n') + 1), detail);
        }
    }
    return image;
}

FileSizeLimit::FileSizeLimit(std::size_t bytes)
{
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed test
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    previousLimit_ = limit.rlim_cur;
    limit.rlim_cur = bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = previousLimit_;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler_);
}

TempDir::TempDir()
{
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("tq8615-test-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace tq8615::test
