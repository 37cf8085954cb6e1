#include "model/options.h"
#include "model/freq_codec.h"
#include "model/image_fields.h"
#include "model/option_fields.h"
#include "model/text_util.h"

namespace tq8615 {
namespace {

constexpr int kMessageLength = 7;
constexpr int kPowerOnPasswordLength = 6;

bool IsMessageChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-'; }

}  // namespace

OptionSettings::OptionSettings() { ApplyDefaults(*this, kOptionFields); }

void EncodeOptions(const OptionSettings& o, int16_t sendTime, RadioImage& image, BlockUsageMap& map)
{
    const std::string message = o.PowerOnMessage.trimmed();
    for (int i = 0; i < kMessageLength; ++i)
        image.set(kOptionText + i, static_cast<uint8_t>(i < static_cast<int>(message.size()) ? message[static_cast<std::size_t>(i)] : ' '));
    PutNumbers(o, kOptionFields, image, 0);
    image.set(kDtmfSendTime, ByteField(sendTime));
    const std::string password = o.PowerOnPassword.trimmed();
    for (int i = 0; i < kPowerOnPasswordLength; ++i)
        image.set(kPowerOnPassword + i, static_cast<uint8_t>(i < static_cast<int>(password.size()) ? password[static_cast<std::size_t>(i)] : 0));
    MarkBlocks(map, kOptionText, kOptionTextSize);
    MarkBlocks(map, kOptionArea, kOptionAreaSize);
}

void DecodeOptions(OptionSettings& o, int16_t& sendTime, const RadioImage& image)
{
    std::string message;
    for (int i = 0; i < kMessageLength; ++i) {
        char c = static_cast<char>(image.at(kOptionText + i));
        message += IsMessageChar(c) ? c : ' ';
    }
    o.PowerOnMessage = TrimmedText(message);
    GetNumbers(o, kOptionFields, image, 0);
    sendTime = image.at(kDtmfSendTime);
    std::string password;
    for (int i = 0; i < kPowerOnPasswordLength; ++i) {
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
