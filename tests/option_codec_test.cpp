// The option area: message, password, one-byte fields, the flag byte and working channels.
#include <gtest/gtest.h>

#include "model/editing_model.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

RadioImage EncodeOptionsOnly(const OptionSettings& o, int16_t sendTime = 1)
{
    RadioImage image;
    BlockUsageMap map;
    EncodeOptions(o, sendTime, image, map);
    return image;
}

}  // namespace

TEST(OptionCodec, MessageAndPassword)
{
    OptionSettings o;
    o.PowerOnMessage = "AB-1";
    o.PowerOnPassword = "1234";
    RadioImage image = EncodeOptionsOnly(o);
    EXPECT_EQ(test::Slice(image, 6528, 8), (std::vector<uint8_t>{0x41, 0x42, 0x2D, 0x31, 0x20, 0x20, 0x20, 0}));
    EXPECT_EQ(test::Slice(image, 12864, 6), (std::vector<uint8_t>{0x31, 0x32, 0x33, 0x34, 0, 0}));

    image.set(6528, 0x61); image.set(6529, 0x62);
    image.set(12866, 0);  // decoding the password stops at the first byte that is no digit
    OptionSettings back;
    int16_t sendTime = 0;
    DecodeOptions(back, sendTime, image);
    EXPECT_EQ(back.PowerOnMessage.trimmed(), "  -1");
    EXPECT_EQ(back.PowerOnPassword.trimmed(), "12");
}

TEST(OptionCodec, FlagByteAndFields)
{
    RadioImage image;
    image.set(12827, 0x21);
    image.set(12809, 2);
    image.set(12826, 4);
    OptionSettings o;
    int16_t sendTime = 0;
    DecodeOptions(o, sendTime, image);
    EXPECT_EQ(o.KnobMode, 1);
    EXPECT_EQ(o.SqlKeyFunction, 1);
    EXPECT_EQ(o.TrfEnable + o.PowerOnResetAllowed + o.ChannelStoreMode + o.ChannelLock, 0);
    EXPECT_EQ(o.ScanResumeTime, 2);
    EXPECT_EQ(sendTime, 4);
    RadioImage again = EncodeOptionsOnly(o, sendTime);
    EXPECT_EQ(again.at(12827), 0x21);
    EXPECT_EQ(again.at(12809), 2);
    EXPECT_EQ(again.at(12826), 4);
}

TEST(OptionCodec, FreshModelBytes)
{
    RadioImage image = EncodeOptionsOnly(OptionSettings{});
    EXPECT_EQ(image.at(12801), 1);
    EXPECT_EQ(image.at(12806), 1);
    EXPECT_EQ(test::Slice(image, 12820, 4), (std::vector<uint8_t>{2, 3, 4, 5}));
    EXPECT_EQ(image.at(12827), 0x03);
    EXPECT_EQ(test::Slice(image, 12880, 12), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    // An empty power-on message is written as blanks, as every shorter message is.
    EXPECT_EQ(test::Slice(image, 6528, 7), std::vector<uint8_t>(7, 0x20));
    for (int a : {12803, 12828, 12863, 12870, 12879, 12892, 12895, 12898, 12902, 12905, 12909})
        EXPECT_EQ(image.at(a), 0) << a;
}

TEST(OptionCodec, OutOfRangeFailsTheWrite)
{
    struct Case { const char* what; void (*spoil)(EditingModel&); };
    const Case cases[] = {
        {"byte", [](EditingModel& m) { m.Options.SpeakerVolume = 256; }},
        {"negative", [](EditingModel& m) { m.Options.ChannelA = -1; }},
        {"flag", [](EditingModel& m) { m.Options.ChannelLock = 2; }},
        {"send time", [](EditingModel& m) { m.Dtmf.SendTime = 300; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditingModel m = test::RichModel();
        c.spoil(m);
        RadioImage image = test::EncodeFailing(m, "SetCommDataByOptionError");
        // The channels were written before; the later areas were not.
        EXPECT_NE(image.at(0), 0);
        EXPECT_EQ(image.at(7236), 0);
        EXPECT_EQ(image.at(6864), 0);
        EXPECT_EQ(image.at(10464), 0);
    }
}

TEST(OptionCodec, FixWorkingChannels)
{
    ChannelTable t;
    for (int n : {201, 3, 202, 7, 203})
        t.AppendChannel(NewChannelWithFreq(n, "435"));
    struct Case { int before, after; };
    for (Case c : {Case{49, 6}, Case{2, 2}, Case{6, 6}, Case{-4, 6}}) {
        OptionSettings o;
        o.ChannelA = static_cast<int16_t>(c.before);
        o.ChannelB = static_cast<int16_t>(c.before);
        FixWorkingChannels(o, t);
        EXPECT_EQ(o.ChannelA, c.after) << c.before;
        EXPECT_EQ(o.ChannelB, c.after) << c.before;
    }
    ChannelTable specialsOnly;
    specialsOnly.AppendChannel(NewChannelWithFreq(201, "435"));
    OptionSettings o;
    o.ChannelA = 40;
    FixWorkingChannels(o, specialsOnly);
    EXPECT_EQ(o.ChannelA, 0);
}
