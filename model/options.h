#pragma once
// The radio's general settings: power-on message and password, working channels and modes,
// key assignments and the list-chosen options.
#include <array>
#include <cstdint>

#include "model/channels.h"
#include "model/fixed_text.h"
#include "model/radio_image.h"

namespace tq8615 {

struct OptionSettings {
    int16_t KeyBeep = 0;
    int16_t FrequencyStep = 1;
    int16_t DisplayModeA = 0;
    int16_t Unused6 = 0;
    int16_t SquelchLevelA = 0;
    int16_t SquelchLevelB = 0;
    int16_t SpeakerVolume = 1;
    int16_t PowerOnPasswordEnable = 0;
    FixedText<6> PowerOnPassword{""};
    int16_t ScanMode = 0;
    int16_t ScanResumeTime = 0;
    int16_t AutoPowerOn = 0;
    int16_t MainSubDirection = 0;
    int16_t ChannelOption = 0;
    int16_t BacklightLevel = 0;
    int16_t TimeOutTimer = 0;
    int16_t AutoPowerOff = 0;
    int16_t ToneBurst = 0;
    int16_t DisplayDirection = 0;
    int16_t MicKeyBrightness = 0;
    int16_t SpeakerSwitch = 0;
    std::array<int16_t, 4> ShortcutKeyFunction{2, 3, 4, 5};
    int16_t TailEliminationMode = 0;
    int16_t TailEliminationFreq = 0;
    int16_t KnobMode = 1;
    int16_t TrfEnable = 1;
    int16_t PowerOnResetAllowed = 0;
    int16_t ChannelStoreMode = 0;
    int16_t ChannelLock = 0;
    int16_t SqlKeyFunction = 0;
    std::array<int16_t, 12> KeyFunction{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    int16_t ChannelA = 0;
    int16_t ModeA = 0;
    int16_t ChannelB = 0;
    int16_t ModeB = 0;
    FixedText<8> PowerOnMessage{std::string_view("\0", 1)};
    std::array<int16_t, 50> UnusedTail{};

    bool operator==(const OptionSettings&) const = default;
};

// `sendTime` is the DTMF send time, which the radio keeps in the option area.
void EncodeOptions(const OptionSettings& options, int16_t sendTime, RadioImage& image, BlockUsageMap& map);
void DecodeOptions(OptionSettings& options, int16_t& sendTime, const RadioImage& image);

// Makes ChannelA and ChannelB refer to memory channels that exist.
void FixWorkingChannels(OptionSettings& options, const ChannelTable& channels);

}  // namespace tq8615
