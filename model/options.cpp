#include "model/options.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <utility>
#include <vector>

namespace tq8615 {
namespace {

constexpr int kKeys = 12880;

// The one-byte fields and their image addresses.
template <typename Options, typename Field = std::conditional_t<std::is_const_v<Options>, const int16_t, int16_t>>
std::vector<std::pair<int, Field*>> ByteFields(Options& o)
{
    std::vector<std::pair<int, Field*>> fields = {
        {12800, &o.KeyBeep},        {12801, &o.FrequencyStep},    {12802, &o.DisplayModeA},
        {12804, &o.SquelchLevelA},  {12805, &o.SquelchLevelB},    {12806, &o.SpeakerVolume},
        {12807, &o.PowerOnPasswordEnable}, {12808, &o.ScanMode},  {12809, &o.ScanResumeTime},
        {12810, &o.AutoPowerOn},    {12811, &o.MainSubDirection}, {12812, &o.ChannelOption},
        {12813, &o.BacklightLevel}, {12814, &o.TimeOutTimer},     {12815, &o.AutoPowerOff},
        {12816, &o.ToneBurst},      {12817, &o.DisplayDirection}, {12818, &o.MicKeyBrightness},
        {12819, &o.SpeakerSwitch},  {12824, &o.TailEliminationMode}, {12825, &o.TailEliminationFreq},
        {12896, &o.ChannelA},       {12897, &o.ModeA},            {12903, &o.ChannelB},
        {12904, &o.ModeB}};
    for (int i = 0; i < 4; ++i)
        fields.emplace_back(12820 + i, &o.ShortcutKeyFunction[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 12; ++i)
        fields.emplace_back(kKeys + i, &o.KeyFunction[static_cast<std::size_t>(i)]);
    return fields;
}

// The six flags packed into byte 12827, bit 0 first.
template <typename Options, typename Field = std::conditional_t<std::is_const_v<Options>, const int16_t, int16_t>>
std::array<Field*, 6> FlagFields(Options& o)
{
    return {&o.KnobMode, &o.TrfEnable, &o.PowerOnResetAllowed, &o.ChannelStoreMode,
            &o.ChannelLock, &o.SqlKeyFunction};
}

bool IsMessageChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-'; }

}  // namespace

void EncodeOptions(const OptionSettings& o, int16_t sendTime, RadioImage& image, BlockUsageMap& map)
{
    const std::string message = o.PowerOnMessage.trimmed();
    for (int i = 0; i < 7; ++i)
        image.set(kOptionText + i, static_cast<uint8_t>(i < static_cast<int>(message.size()) ? message[static_cast<std::size_t>(i)] : ' '));
    for (auto [address, field] : ByteFields(o))
        image.set(address, ByteField(*field));
    image.set(kDtmfSendTime, ByteField(sendTime));
    uint8_t flags = 0;
    int bit = 0;
    for (const int16_t* flag : FlagFields(o)) {
        if (*flag != 0 && *flag != 1)
            throw EncodeError("option flag out of range");
        flags = static_cast<uint8_t>(flags | *flag << bit++);
    }
    image.set(kOptionFlags, flags);
    const std::string password = o.PowerOnPassword.trimmed();
    for (int i = 0; i < 6; ++i)
        image.set(kPowerOnPassword + i, static_cast<uint8_t>(i < static_cast<int>(password.size()) ? password[static_cast<std::size_t>(i)] : 0));
    MarkBlocks(map, kOptionText, kOptionTextSize);
    MarkBlocks(map, kOptionArea, kOptionAreaSize);
}

void DecodeOptions(OptionSettings& o, int16_t& sendTime, const RadioImage& image)
{
    std::string message;
    for (int i = 0; i < 7; ++i) {
        char c = static_cast<char>(image.at(kOptionText + i));
        message += IsMessageChar(c) ? c : ' ';
    }
    o.PowerOnMessage = TrimmedText(message);
    for (auto [address, field] : ByteFields(o))
        *field = image.at(address);
    sendTime = image.at(kDtmfSendTime);
    int bit = 0;
    for (int16_t* flag : FlagFields(o))
        *flag = static_cast<int16_t>((image.at(kOptionFlags) >> bit++) & 1);
    std::string password;
    for (int i = 0; i < 6; ++i) {
        char c = static_cast<char>(image.at(kPowerOnPassword + i));
        if (c < '0' || c > '9')
            break;
        password += c;
    }
    o.PowerOnPassword = password;
}

void FixWorkingChannels(OptionSettings& o, const ChannelTable& channels)
{
    for (int16_t* v : {&o.ChannelA, &o.ChannelB}) {
        int remembered = 0;
        bool matched = false;
        for (int i = 0; i < channels.ChannelCount && !matched; ++i) {
            int number = channels.ChannelList[static_cast<std::size_t>(i)].ChannelNumber;
            if (number < 1 || number > kMemoryChannels)
                continue;
            remembered = number - 1;
            matched = number == *v + 1;
        }
        if (!matched)
            *v = static_cast<int16_t>(remembered < 0 ? 0 : remembered);
    }
}

}  // namespace tq8615
