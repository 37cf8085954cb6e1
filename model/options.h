#pragma once
// The radio's general settings: power-on message and password, working channels and modes,
// key assignments and the list-chosen options.
#include <array>
#include <cstdint>

#include "model/channels.h"
#include "model/fixed_text.h"
#include "model/radio_image.h"

namespace tq8615 {

// Every field's default, place and list is in kOptionFields (model/option_fields.h).
struct OptionSettings {
    OptionSettings();  // the defaults of a fresh model

    int16_t KeyBeep;
    int16_t FrequencyStep;
    int16_t DisplayModeA;
    int16_t Unused6;
    int16_t SquelchLevelA;
    int16_t SquelchLevelB;
    int16_t SpeakerVolume;
    int16_t PowerOnPasswordEnable;
    FixedText<6> PowerOnPassword;
    int16_t ScanMode;
    int16_t ScanResumeTime;
    int16_t AutoPowerOn;
    int16_t MainSubDirection;
    int16_t ChannelOption;
    int16_t BacklightLevel;
    int16_t TimeOutTimer;
    int16_t AutoPowerOff;
    int16_t ToneBurst;
    int16_t DisplayDirection;
    int16_t MicKeyBrightness;
    int16_t SpeakerSwitch;
    std::array<int16_t, 4> ShortcutKeyFunction;  // shortcut keys PA..PD
    int16_t TailEliminationMode;
    int16_t TailEliminationFreq;
    int16_t KnobMode;
    int16_t TrfEnable;
    int16_t PowerOnResetAllowed;
    int16_t ChannelStoreMode;
    int16_t ChannelLock;
    int16_t SqlKeyFunction;
    std::array<int16_t, 12> KeyFunction;  // P1..P6 of key mode 1, then of key mode 2
    int16_t ChannelA;
    int16_t ModeA;
    int16_t ChannelB;
    int16_t ModeB;
    FixedText<8> PowerOnMessage;
    std::array<int16_t, 50> UnusedTail;

    bool operator==(const OptionSettings&) const = default;
};

// `sendTime` is the DTMF send time, which the radio keeps in the option area.
void EncodeOptions(const OptionSettings& options, int16_t sendTime, RadioImage& image, BlockUsageMap& map);
void DecodeOptions(OptionSettings& options, int16_t& sendTime, const RadioImage& image);

// Makes ChannelA and ChannelB refer to memory channels that exist.
void FixWorkingChannels(OptionSettings& options, const ChannelTable& channels);

}  // namespace tq8615
