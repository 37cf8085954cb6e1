// The 5-tone area: header, info codes, PTT-ID codes, call list and its bitmap.
#include <gtest/gtest.h>

#include "model/editing_model.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

FiveToneSettings Fresh()
{
    FiveToneSettings s;
    ResetFiveToneDefaults(s);
    return s;
}

RadioImage EncodeOnly(const FiveToneSettings& s)
{
    RadioImage image;
    BlockUsageMap map;
    EncodeFiveTone(s, image, map);
    return image;
}

}  // namespace

TEST(FiveToneCodec, OnlyPresentEntriesAreWritten)
{
    FiveToneSettings s = Fresh();
    auto& last = s.CallList[99];
    last.IsEmpty = 0;
    last.DigitCount = 5;
    last.Code = "12345";
    last.ToneLength = 25;
    last.Name = "AB";
    RadioImage image = EncodeOnly(s);
    EXPECT_EQ(image.at(12524), 0x08);
    for (int a = 12512; a < 12524; ++a)
        EXPECT_EQ(image.at(a), 0);
    const int slot = 10432;
    EXPECT_EQ(test::Slice(image, slot + 2, 5), (std::vector<uint8_t>{5, 70, 0x12, 0x34, 0x5E}));
    EXPECT_EQ(test::Slice(image, slot + 24, 7), (std::vector<uint8_t>{65, 66, 32, 32, 32, 32, 32}));
    for (int a = 7264; a < slot; ++a)
        ASSERT_EQ(image.at(a), 0) << a;
}

TEST(FiveToneCodec, CodesArePaddedWithTheRepeatTone)
{
    FiveToneSettings s = Fresh();
    s.PttIdBegin = {0, 0, 0, 4, 70, std::string_view("12"), {}};
    s.InfoCodes[0].DigitCount = 3;
    s.InfoCodes[0].Digits = "1";
    s.InfoCodes[0].Name = "AB";
    RadioImage image = EncodeOnly(s);
    EXPECT_EQ(test::Slice(image, 7136 + 4, 3), (std::vector<uint8_t>{0x12, 0xEE, 0}));
    EXPECT_EQ(test::Slice(image, 6880, 7), (std::vector<uint8_t>{0, 0, 3, 1, 0x0E, 0x0E, 0}));
    EXPECT_EQ(test::Slice(image, 6880 + 16, 7), (std::vector<uint8_t>{65, 66, 32, 32, 32, 32, 32}));
    EXPECT_EQ(test::Slice(image, 6880 + 32 + 16, 7), std::vector<uint8_t>(7, 0));  // empty name
}

TEST(FiveToneCodec, HeaderAndOwnIdentity)
{
    FiveToneSettings s = Fresh();
    s.SelfIdLength = 5;
    s.SelfId = "12345";
    s.Time4 = 1; s.Time6 = 2; s.Count7 = 3; s.Time5 = 4;
    s.FirstDigitDelay = 5; s.SideTone = 6; s.AniSeparator = 7; s.PauseCode = 8; s.PauseTime = 9;
    RadioImage image = EncodeOnly(s);
    EXPECT_EQ(test::Slice(image, 7237, 15), (std::vector<uint8_t>{1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    FiveToneSettings back = Fresh();
    DecodeFiveTone(back, image);
    EXPECT_EQ(back.SelfId.raw().substr(0, 6), std::string_view("12345\0", 6));
    EXPECT_EQ(back.Time5, 4);
    EXPECT_EQ(back.PauseTime, 9);
}

TEST(FiveToneCodec, ToneLengthIsRepairedBothWays)
{
    for (int length : {25, 121, 0}) {
        FiveToneSettings s = Fresh();
        s.PttIdEnd.ToneLength = static_cast<uint8_t>(length);
        EXPECT_EQ(EncodeOnly(s).at(7168 + 3), 70) << length;
    }
    RadioImage image;
    FiveToneSettings s = Fresh();
    DecodeFiveTone(s, image);
    EXPECT_EQ(s.PttIdBegin.ToneLength, 70);
}

TEST(FiveToneCodec, EncoderFailures)
{
    struct Case { const char* what; void (*spoil)(FiveToneSettings&); };
    const Case cases[] = {
        {"pause time beyond a byte", [](FiveToneSettings& s) { s.PauseTime = 300; }},
        {"identity not decimal", [](FiveToneSettings& s) { s.SelfIdLength = 5; s.SelfId = "12A45"; }},
        {"identity too short", [](FiveToneSettings& s) { s.SelfIdLength = 5; s.SelfId = "12"; }},
        {"digit not hexadecimal", [](FiveToneSettings& s) { s.InfoCodes[2].DigitCount = 2; s.InfoCodes[2].Digits = "1G"; }},
        {"info digit count too large", [](FiveToneSettings& s) { s.InfoCodes[0].DigitCount = 13; }},
        {"code digit count too large", [](FiveToneSettings& s) { s.CallList[0].IsEmpty = 0; s.CallList[0].DigitCount = 41; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditingModel m = test::RichModel();
        c.spoil(m.FiveTone);
        RadioImage image = test::EncodeFailing(m, "SetCommDataBy5ToneError");
        EXPECT_EQ(image.at(6864), 0);  // the DTMF encoder did not run
    }
}

TEST(FiveToneCodec, DecoderClampsCountsFromTheImage)
{
    RadioImage image;
    image.set(7235, 200);         // own identity length
    image.set(6880 + 2, 0xFE);    // info code digit count
    image.set(6880, 0xFF);        // 0xFF in an info header byte reads as 0
    image.set(12512, 1);
    image.set(7264 + 2, 250);     // call list digit count
    for (int a = 7264 + 4; a < 7264 + 32; ++a)
        image.set(a, 0xAB);
    FiveToneSettings s = Fresh();
    DecodeFiveTone(s, image);
    EXPECT_EQ(s.InfoCodes[0].DigitCount, kInfoDigits);
    EXPECT_EQ(s.InfoCodes[0].DecodeFunction, 0);
    EXPECT_EQ(s.CallList[0].DigitCount, kCodeDigits);
    EXPECT_EQ(s.CallList[0].Code.raw().substr(0, 4), "ABAB");
    EXPECT_EQ(s.SelfId.raw().substr(0, 6), std::string_view("00000\0", 6));
}
