#pragma once
// The fields of OptionSettings, in record order: the data file offset (the record takes 210
// bytes there), the image byte (or bit of byte 12827), the list the option editor shows in
// Combo1(control), and the default of a fresh model. The option codec, the data file and the
// option editor all work from this table.
#include "model/memory_map.h"
#include "model/options.h"
#include "model/record_field.h"
#include "model/tone_tables.h"

namespace tq8615 {

constexpr int kOptionFileRecordSize = 210;

using OptionField = Field<OptionSettings>;

constexpr TextKey kOffKey = TextKey::OptionOff;  // the first item of many lists
constexpr TextKey kOnKey = TextKey::OptionOn;

// Combo1(4) shows these items but is bound to no field.
constexpr ItemList kUnboundDisplayModeItems = KeyList(TextKey::DisplayFrequency, TextKey::DisplayChannelNumber, TextKey::DisplayChannelName);
constexpr int kUnboundDisplayModeControl = 4;
constexpr TextKey kUnboundDisplayModeLabel = TextKey::LabelDisplayModeB;

// A key assignment: any key function code the radio's byte can hold.
constexpr OptionField KeyAssignment(std::string_view name, FieldValue<OptionSettings> value, int fileOffset,
                                    int address, int def)
{
    return {name, value, fileOffset, Byte(address), {0, 255}, NoList(), TextKey{}, -1, def};
}

inline constexpr std::array kOptionFields = {
    OptionField{"KeyBeep", Value<&OptionSettings::KeyBeep>(), 0, Byte(12800), {}, OffThenNumbers(kOffKey, 5), TextKey::LabelKeyBeep, 10, 0},
    OptionField{"FrequencyStep", Value<&OptionSettings::FrequencyStep>(), 2, Byte(12801), {}, TextList(kStepCount), TextKey::LabelVfoStep, 28, 1},
    OptionField{"DisplayModeA", Value<&OptionSettings::DisplayModeA>(), 4, Byte(12802), {}, KeyList(TextKey::DisplayFrequency, TextKey::DisplayChannelNumber, TextKey::DisplayChannelName), TextKey::LabelDisplayModeA, 1, 0},
    OptionField{"Unused6", Value<&OptionSettings::Unused6>(), 6, NotInImage(), {0, 0}},
    OptionField{"SquelchLevelA", Value<&OptionSettings::SquelchLevelA>(), 8, Byte(12804), {}, OffThenNumbers(kOffKey, 9), TextKey::LabelSquelchLevelA, 18, 0},
    OptionField{"SquelchLevelB", Value<&OptionSettings::SquelchLevelB>(), 10, Byte(12805), {}, OffThenNumbers(kOffKey, 9), TextKey::LabelSquelchLevelB, 19, 0},
    OptionField{"SpeakerVolume", Value<&OptionSettings::SpeakerVolume>(), 12, Byte(12806), {}, NumberList(1, 36), TextKey::LabelVolume, 11, 1},
    // Check1(0) of the option editor.
    OptionField{"PowerOnPasswordEnable", Value<&OptionSettings::PowerOnPasswordEnable>(), 14, Byte(12807), {0, 1}, NoList(), TextKey::PowerOnPasswordCheck},
    OptionField{"PowerOnPassword", Value<&OptionSettings::PowerOnPassword>(), 16, OwnRule(kPowerOnPassword), {}, NoList(), TextKey::PowerOnPasswordDigits},
    OptionField{"ScanMode", Value<&OptionSettings::ScanMode>(), 22, Byte(12808), {}, KeyList(TextKey::ScanTimeOperated, TextKey::ScanCarrierOperated, TextKey::ScanSearch), TextKey::LabelScanMode, 20, 0},
    OptionField{"ScanResumeTime", Value<&OptionSettings::ScanResumeTime>(), 24, Byte(12809), {}, NumbersThenKey(5, 3, TextKey::UnitSeconds), TextKey::LabelScanResume, 21, 0},
    OptionField{"AutoPowerOn", Value<&OptionSettings::AutoPowerOn>(), 26, Byte(12810), {}, KeyList(kOffKey, kOnKey), TextKey::LabelAutoPowerOn, 15, 0},
    OptionField{"MainSubDirection", Value<&OptionSettings::MainSubDirection>(), 28, Byte(12811), {}, KeyList(TextKey::MainUpSubDown, TextKey::SubUpMainDown), TextKey::LabelMainSubDisplay, 22, 0},
    OptionField{"ChannelOption", Value<&OptionSettings::ChannelOption>(), 30, Byte(12812), {}, KeyList(TextKey::ChannelOptionMode1, TextKey::ChannelOptionMode2), TextKey::LabelChannelSetting, 23, 0},
    // A fresh model holds 0, which the list 1..3 does not show.
    OptionField{"BacklightLevel", Value<&OptionSettings::BacklightLevel>(), 32, Byte(12813), {}, NumberList(1, 3), TextKey::LabelBacklight, 7, 0},
    OptionField{"TimeOutTimer", Value<&OptionSettings::TimeOutTimer>(), 34, Byte(12814), {}, OffThenNumbers(kOffKey, 30, TextKey::UnitMinutes), TextKey::LabelTimeOut, 24, 0},
    OptionField{"AutoPowerOff", Value<&OptionSettings::AutoPowerOff>(), 36, Byte(12815), {}, KeyList(kOffKey, TextKey::AutoOff30Minutes, TextKey::AutoOff1Hour, TextKey::AutoOff2Hours), TextKey::LabelAutoPowerOff, 16, 0},
    OptionField{"ToneBurst", Value<&OptionSettings::ToneBurst>(), 38, Byte(12816), {}, KeyList(TextKey::ToneBurst1750, TextKey::ToneBurst2100, TextKey::ToneBurst1000, TextKey::ToneBurst1450), TextKey::LabelToneBurst, 25, 0},
    OptionField{"DisplayDirection", Value<&OptionSettings::DisplayDirection>(), 40, Byte(12817), {}, KeyList(TextKey::DisplayNormal, TextKey::DisplayInverted), TextKey::LabelDisplayDirection, 8, 0},
    OptionField{"MicKeyBrightness", Value<&OptionSettings::MicKeyBrightness>(), 42, Byte(12818), {}, OffThenNumbers(kOffKey, 31), TextKey::LabelMicKeyLight, 9, 0},
    OptionField{"SpeakerSwitch", Value<&OptionSettings::SpeakerSwitch>(), 44, Byte(12819), {}, KeyList(TextKey::RadioSpeaker, TextKey::MicSpeaker, TextKey::BothSpeakers), TextKey::LabelSpeaker, 12, 0},
    KeyAssignment("ShortcutKeyFunction[0]", Value<&OptionSettings::ShortcutKeyFunction, 0>(), 46, 12820, 2),
    KeyAssignment("ShortcutKeyFunction[1]", Value<&OptionSettings::ShortcutKeyFunction, 1>(), 48, 12821, 3),
    KeyAssignment("ShortcutKeyFunction[2]", Value<&OptionSettings::ShortcutKeyFunction, 2>(), 50, 12822, 4),
    KeyAssignment("ShortcutKeyFunction[3]", Value<&OptionSettings::ShortcutKeyFunction, 3>(), 52, 12823, 5),
    OptionField{"TailEliminationMode", Value<&OptionSettings::TailEliminationMode>(), 54, Byte(12824), {}, KeyList(kOffKey, TextKey::TailPhase120, TextKey::TailPhase180, TextKey::TailPhase240, TextKey::TailTone), TextKey::LabelTailMode, 14, 0},
    OptionField{"TailEliminationFreq", Value<&OptionSettings::TailEliminationFreq>(), 56, Byte(12825), {}, KeyList(kOffKey, TextKey::TailFreq552, TextKey::TailFreq2592), TextKey::LabelTailFrequency, 13, 0},
    OptionField{"KnobMode", Value<&OptionSettings::KnobMode>(), 58, BitsAt(kOptionFlags, 0, 1), {}, KeyList(TextKey::KnobVolume, TextKey::KnobChannelFrequency), TextKey::LabelKnobMode, 29, 1},
    OptionField{"TrfEnable", Value<&OptionSettings::TrfEnable>(), 60, BitsAt(kOptionFlags, 1, 1), {}, KeyList(kOffKey, kOnKey), TextKey::LabelTrfEnable, 30, 1},
    OptionField{"PowerOnResetAllowed", Value<&OptionSettings::PowerOnResetAllowed>(), 62, BitsAt(kOptionFlags, 2, 1), {}, KeyList(kOffKey, kOnKey), TextKey::LabelPowerOnReset, 17, 0},
    OptionField{"ChannelStoreMode", Value<&OptionSettings::ChannelStoreMode>(), 64, BitsAt(kOptionFlags, 3, 1), {}, KeyList(kOffKey, kOnKey), TextKey::LabelChannelStorage, 26, 0},
    OptionField{"ChannelLock", Value<&OptionSettings::ChannelLock>(), 66, BitsAt(kOptionFlags, 4, 1), {}, KeyList(TextKey::ChannelUnlocked, TextKey::ChannelLocked), TextKey::LabelChannelLock, 0, 0},
    OptionField{"SqlKeyFunction", Value<&OptionSettings::SqlKeyFunction>(), 68, BitsAt(kOptionFlags, 5, 1), {}, KeyList(TextKey::SqlMomentaryMonitor, TextKey::SqlMonitorToggle), TextKey::LabelSqlKey, 27, 0},
    KeyAssignment("KeyFunction[0]", Value<&OptionSettings::KeyFunction, 0>(), 70, 12880, 1),
    KeyAssignment("KeyFunction[1]", Value<&OptionSettings::KeyFunction, 1>(), 72, 12881, 2),
    KeyAssignment("KeyFunction[2]", Value<&OptionSettings::KeyFunction, 2>(), 74, 12882, 3),
    KeyAssignment("KeyFunction[3]", Value<&OptionSettings::KeyFunction, 3>(), 76, 12883, 4),
    KeyAssignment("KeyFunction[4]", Value<&OptionSettings::KeyFunction, 4>(), 78, 12884, 5),
    KeyAssignment("KeyFunction[5]", Value<&OptionSettings::KeyFunction, 5>(), 80, 12885, 6),
    KeyAssignment("KeyFunction[6]", Value<&OptionSettings::KeyFunction, 6>(), 82, 12886, 7),
    KeyAssignment("KeyFunction[7]", Value<&OptionSettings::KeyFunction, 7>(), 84, 12887, 8),
    KeyAssignment("KeyFunction[8]", Value<&OptionSettings::KeyFunction, 8>(), 86, 12888, 9),
    KeyAssignment("KeyFunction[9]", Value<&OptionSettings::KeyFunction, 9>(), 88, 12889, 10),
    KeyAssignment("KeyFunction[10]", Value<&OptionSettings::KeyFunction, 10>(), 90, 12890, 11),
    KeyAssignment("KeyFunction[11]", Value<&OptionSettings::KeyFunction, 11>(), 92, 12891, 12),
    OptionField{"ChannelA", Value<&OptionSettings::ChannelA>(), 94, Byte(12896), {}, MemoryChannelList(kMemoryChannels), TextKey::LabelChannelA, 3, 0},
    OptionField{"ModeA", Value<&OptionSettings::ModeA>(), 96, Byte(12897), {}, KeyList(TextKey::FrequencyMode, TextKey::ChannelMode), TextKey::LabelWorkModeA, 2, 0},
    OptionField{"ChannelB", Value<&OptionSettings::ChannelB>(), 98, Byte(12903), {}, MemoryChannelList(kMemoryChannels), TextKey::LabelChannelB, 6, 0},
    OptionField{"ModeB", Value<&OptionSettings::ModeB>(), 100, Byte(12904), {}, KeyList(TextKey::FrequencyMode, TextKey::ChannelMode), TextKey::LabelWorkModeB, 5, 0},
    OptionField{"PowerOnMessage", Value<&OptionSettings::PowerOnMessage>(), 102, OwnRule(kOptionText), {}, NoList(), TextKey::PowerOnMessageLabel, -1, 0,
                std::string_view("\0", 1)},
    OptionField{"UnusedTail", Value<&OptionSettings::UnusedTail>(), 110, NotInImage()},
};
static_assert(TilesFile(kOptionFields, 0, kOptionFileRecordSize));

// The option editor's lists: Combo1(0)..Combo1(30), each bound to the field whose `control`
// names it, but for Combo1(4).
constexpr int kOptionListCount = 31;

}  // namespace tq8615
