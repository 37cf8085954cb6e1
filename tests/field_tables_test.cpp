// The field tables: every value a field's range or list admits, which is what an editor may
// store, goes through its area encoder and comes back, and touches no other field.
#include <gtest/gtest.h>

#include <string>

#include "model/channel_fields.h"
#include "model/dtmf_fields.h"
#include "model/editing_model.h"
#include "model/five_tone_fields.h"
#include "model/option_fields.h"

using namespace tq8615;

namespace {

template <typename Record>
bool HeldAsNumber(const Field<Record>& f)
{
    const ImageCoding c = f.image.coding;
    return c == ImageCoding::Bits || c == ImageCoding::Word || c == ImageCoding::Dcs;
}

// For each numeric field of the table and each value it admits: encode a record holding that
// value, decode the image into `base` and compare every numeric field.
template <typename Record, std::size_t N, typename Encode, typename Decode>
void ExpectAdmittedValuesRoundTrip(const Record& base, const std::array<Field<Record>, N>& table, Encode encode,
                                   Decode decode)
{
    for (const auto& f : table) {
        if (!HeldAsNumber(f))
            continue;
        const ValueRange range = RangeOf(f);
        std::vector<int> values;
        for (int v = range.min; v <= range.max; ++v)
            values.push_back(v);
        if (range.off != kNoOffValue)
            values.push_back(range.off);
        for (int v : values) {
            ASSERT_TRUE(InRange(f, v));
            Record r = base;
            Set(r, f, v);
            RadioImage image;
            ASSERT_NO_THROW(encode(r, image)) << f.name << " = " << v;
            Record back = base;
            decode(back, image);
            for (const auto& g : table) {
                if (HeldAsNumber(g)) {
                    ASSERT_EQ(Get(back, g), Get(r, g)) << f.name << " = " << v << " changed " << g.name;
                }
            }
        }
    }
}

}  // namespace

TEST(FieldTables, ChannelValuesRoundTripAlone)
{
    // The RT channel is left out: its shift follows its transmit bytes.
    for (int number : {9, kVfo1}) {
        SCOPED_TRACE(number);
        ChannelRecord base = NewChannelWithFreq(number, "435");
        ExpectAdmittedValuesRoundTrip(
            base, kChannelFields,
            [](const ChannelRecord& r, RadioImage& image) {
                ChannelTable t;
                t.AppendChannel(r);
                BlockUsageMap map;
                EncodeChannels(t, image, map);
            },
            [number](ChannelRecord& r, const RadioImage& image) {
                ChannelTable t;
                DecodeChannels(t, image);
                r = t.ChannelList[static_cast<std::size_t>(t.FindChannel(number))];
            });
    }
}

TEST(FieldTables, OptionValuesRoundTripAlone)
{
    ExpectAdmittedValuesRoundTrip(
        OptionSettings{}, kOptionFields,
        [](const OptionSettings& o, RadioImage& image) {
            BlockUsageMap map;
            EncodeOptions(o, 1, image, map);
        },
        [](OptionSettings& o, const RadioImage& image) {
            int16_t sendTime = 0;
            DecodeOptions(o, sendTime, image);
        });
}

TEST(FieldTables, SignallingHeaderValuesRoundTripAlone)
{
    DtmfSettings dtmf;
    ResetDtmfDefaults(dtmf);
    ExpectAdmittedValuesRoundTrip(
        dtmf, kDtmfFields,
        [](DtmfSettings s, RadioImage& image) {
            BlockUsageMap map;
            EncodeDtmf(s, image, map);
        },
        [](DtmfSettings& s, const RadioImage& image) { DecodeDtmf(s, image); });

    FiveToneSettings fiveTone;
    ResetFiveToneDefaults(fiveTone);
    fiveTone.SelfId = "12345";  // the identity holds as many digits as any length asks for
    ExpectAdmittedValuesRoundTrip(
        fiveTone, kFiveToneFields,
        [](const FiveToneSettings& s, RadioImage& image) {
            BlockUsageMap map;
            EncodeFiveTone(s, image, map);
        },
        [](FiveToneSettings& s, const RadioImage& image) { DecodeFiveTone(s, image); });
}

TEST(FieldTables, FiveToneCodeValuesRoundTripAlone)
{
    FiveToneSettings settings;
    ResetFiveToneDefaults(settings);
    const auto encode = [&settings](auto place) {
        return [&settings, place](const auto& code, RadioImage& image) {
            FiveToneSettings s = settings;
            place(s) = code;
            BlockUsageMap map;
            EncodeFiveTone(s, image, map);
        };
    };
    const auto decode = [&settings](auto place) {
        return [&settings, place](auto& code, const RadioImage& image) {
            FiveToneSettings s = settings;
            DecodeFiveTone(s, image);
            code = place(s);
        };
    };
    const auto info = [](FiveToneSettings& s) -> FiveToneInfoCode& { return s.InfoCodes[3]; };
    ExpectAdmittedValuesRoundTrip(settings.InfoCodes[3], kInfoCodeFields, encode(info), decode(info));
    const auto entry = [](FiveToneSettings& s) -> FiveToneCode& { return s.CallList[41]; };
    FiveToneCode present = settings.CallList[41];
    present.IsEmpty = 0;
    ExpectAdmittedValuesRoundTrip(present, kFiveToneCodeFields, encode(entry), decode(entry));
}

TEST(FieldTables, RangesAndListsOfTheEditors)
{
    struct Case { std::string_view field; int value; bool admitted; };
    const Case channelCases[] = {
        {"Power", 2, true},      {"Power", 3, false},       // three keys, though two bits would hold 3
        {"EncodeDcs", 207, true}, {"EncodeDcs", 208, false},
        {"UserCtcss", 499, false}, {"UserCtcss", 2600, true},
        {"SquelchMode", 4, true}, {"SquelchMode", 5, false},
        {"StepIndex", 8, true},   {"StepIndex", 9, false},
    };
    for (const Case& c : channelCases)
        EXPECT_EQ(InRange(*FindField(kChannelFields, c.field), c.value), c.admitted) << c.field << " " << c.value;
    const Case optionCases[] = {
        {"KeyBeep", 5, true},           {"KeyBeep", 6, false},          // "off" and 1..5
        {"SpeakerVolume", 0, false},    {"SpeakerVolume", 36, true},    // the numbers themselves
        {"ScanResumeTime", 2, true},    {"ScanResumeTime", 3, false},
        {"ChannelA", 199, true},        {"ChannelA", 200, false},
        {"ChannelLock", 1, true},       {"ChannelLock", 2, false},
    };
    for (const Case& c : optionCases)
        EXPECT_EQ(InRange(*FindField(kOptionFields, c.field), c.value), c.admitted) << c.field << " " << c.value;
    const Case signallingCases[] = {
        {"GroupCode", 255, true}, {"GroupCode", 16, false},  // 255 is "off"
        {"PauseTime", 0, true},   {"PauseTime", 4, false},
    };
    for (const Case& c : signallingCases)
        EXPECT_EQ(InRange(*FindField(kDtmfFields, c.field), c.value), c.admitted) << c.field << " " << c.value;
}

TEST(FieldTables, OptionListsOfTheEditor)
{
    // Combo1(0)..Combo1(30): each bound to one field, but Combo1(4).
    std::vector<int> bound(kOptionListCount, 0);
    for (const auto& f : kOptionFields)
        if (f.control >= 0)
            ++bound.at(static_cast<std::size_t>(f.control));
    for (int c = 0; c < kOptionListCount; ++c)
        EXPECT_EQ(bound[static_cast<std::size_t>(c)], c == kUnboundDisplayModeControl ? 0 : 1) << "Combo1(" << c << ")";
}
