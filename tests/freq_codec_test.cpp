// Frequency, step and tone conversions, and the range checks against the band limits.
#include <gtest/gtest.h>

#include "model/band_plan.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

using namespace tq8615;

namespace {

BandPlan Plan(int index)
{
    BandPlan plan;
    SelectBandPlan(plan, index);
    return plan;
}

int Warnings(const CollectingSink& sink)
{
    int n = 0;
    for (const auto& m : sink.messages)
        n += m.langKey == TextKey::OutOfRange;
    return n;
}

}  // namespace

TEST(FreqCodec, TextToDigitsAndPacking)
{
    struct Case { const char* text; const char* digits; std::array<uint8_t, 4> packed; };
    const Case cases[] = {
        {"145.525", "014552500", {0x14, 0x55, 0x25, 0x00}},
        {"435", "043500000", {0x43, 0x50, 0x00, 0x00}},
        {"4355", "0435", {0x43, 0x50, 0x00, 0x00}},  // four or more digits: the first three
        {"435.00625", "043500625", {0x43, 0x50, 0x06, 0x25}},
        {"435.0062599", "043500625", {0x43, 0x50, 0x06, 0x25}},  // beyond five decimals dropped
        {"0.6", "000060000", {0x00, 0x06, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FreqTextToDigits(c.text), c.digits);
        EXPECT_EQ(PackBcd8(c.digits), c.packed);
    }
    EXPECT_EQ(FreqTextToDigits(""), "");
    EXPECT_EQ(PackBcd8("FFFFFFFFF"), (std::array<uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_THROW(PackBcd8("04350G000"), EncodeError);
    EXPECT_THROW(PackBcd8("0435 0000"), EncodeError);
    EXPECT_EQ(UnpackBcd8({0x43, 0x50, 0x00, 0x00}), "43500000");
    EXPECT_EQ(UnpackBcd8({0xFF, 0xFF, 0xFF, 0xFF}), "FFFFFFFF");
}

TEST(FreqCodec, DigitsToText)
{
    CollectingSink sink;
    EXPECT_EQ(DigitsToFreqText("043500000", sink), "435.00000");
    EXPECT_EQ(DigitsToFreqText("043012500", sink), "430.12500");
    EXPECT_EQ(DigitsToFreqText("014552500", sink), "145.52500");
    EXPECT_EQ(DigitsToFreqText("FFFFFFFFF", sink), "");
    EXPECT_EQ(DigitsToFreqText("", sink), "");
    EXPECT_EQ(DigitsToFreqText("0435\0    ", sink), "435.00000");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(DigitsToFreqText("04A500000", sink), "");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].english, "Not IsNumeric");
}

TEST(FreqCodec, FormattingRoundsHalfAwayFromZeroWithAPoint)
{
    EXPECT_EQ(FormatFixed(145.525, 3, 5), "145.52500");
    EXPECT_EQ(FormatFixed(0.000005, 1, 5), "0.00001");
    EXPECT_EQ(FormatFixed(88.45, 1, 1), "88.5");
    EXPECT_EQ(FormatFixed(5.5, 3, 0), "006");
    EXPECT_EQ(ParseNumber("1,5"), std::nullopt);
    EXPECT_EQ(ParseNumber(" 12.5 "), 12.5);
}

TEST(FreqCodec, BandPlanLimits)
{
    BandPlan plan = Plan(1);
    EXPECT_EQ(plan.RxLow[kUhf], 400); EXPECT_EQ(plan.RxHigh[kUhf], 490);
    EXPECT_EQ(plan.TxLow[kVhf], 136); EXPECT_EQ(plan.TxHigh[kVhf], 174);
    plan = Plan(2);
    EXPECT_EQ(plan.RxHigh[kVhf], 146);
    EXPECT_EQ(DefaultFrequencyText(plan, kUhf), "435.5000");
    EXPECT_EQ(DefaultFrequencyText(Plan(0), kVhf), "146.5000");
    EXPECT_EQ(BandPlanTwoLineText(0), "UHF{Rx(430 - 440 MHz) Tx(430 - 440 MHz)}\r\nVHF{Rx(144 - 148 MHz) Tx(144 - 148 MHz)}");
    // An unknown plan has no text and no limits, and reading it must not fail.
    plan = Plan(7);
    EXPECT_EQ(plan.BandPlanText, "");
    EXPECT_EQ(plan.RxHigh[kUhf], 0);
}

TEST(FreqCodec, ValidationCorrectsAndWarns)
{
    struct Case { double value, previous; int plan; double result; bool warned; };
    const Case rx[] = {
        {500, 0, 1, 490, true},
        {435, 0, 0, 435, false},
        {300, 0, 1, 400, true},     // nearest of 400, 490, 136, 174
        {180, 0, 1, 174, true},
        {300, 145, 1, 145, true},   // the previous value wins when there is one
        {287, 0, 1, 400, true},     // 113 from 400 and from 174: the earlier candidate wins
    };
    for (const Case& c : rx) {
        CollectingSink sink;
        EXPECT_DOUBLE_EQ(ValidateRx(c.value, c.previous, Plan(c.plan), sink), c.result) << c.value;
        EXPECT_EQ(Warnings(sink), c.warned ? 1 : 0);
    }
    CollectingSink sink;
    EXPECT_DOUBLE_EQ(ValidateTx(440.1, 435, Plan(0), sink), 440);
    EXPECT_DOUBLE_EQ(ValidateTx(146, 146, Plan(0), sink), 146);
    EXPECT_DOUBLE_EQ(ValidateTx(500, 300, Plan(0), sink), 300);  // receive outside every band
    EXPECT_EQ(Warnings(sink), 1);
    EXPECT_EQ(ValidateRxText("abc", "FFFFFFFFF", Plan(0), sink), "430.00000");
    EXPECT_EQ(ValidateRxText("abc", "043600000", Plan(0), sink), "436.00000");
    EXPECT_EQ(ValidateRxText("145.5", "", Plan(2), sink), "145.50000");
    EXPECT_TRUE(SameBand("435", "436", Plan(0)));
    EXPECT_FALSE(SameBand("435", "145", Plan(0)));
    EXPECT_TRUE(SameBand("300", "500", Plan(0)));
}

TEST(FreqCodec, ComputeOffset)
{
    CollectingSink sink;
    int shift = 1;
    EXPECT_EQ(ComputeOffset("0.6", "145.5", shift, Plan(1), sink), "0.60000");
    EXPECT_EQ(shift, 1);
    shift = 1;  // 435 + 95 leaves the band: the transmit side is clamped to 490
    EXPECT_EQ(ComputeOffset("95", "435", shift, Plan(1), sink), "55.00000");
    shift = 2;  // 480 - 95 = 385 clamps to 400, still below the receive frequency
    EXPECT_EQ(ComputeOffset("95", "480", shift, Plan(1), sink), "80.00000");
    EXPECT_EQ(shift, 2);
    shift = 0;
    EXPECT_EQ(ComputeOffset("95", "435", shift, Plan(1), sink), "80.00000");
    EXPECT_EQ(ComputeOffset("x", "435", shift, Plan(1), sink), "#0.00000");
}

TEST(FreqCodec, ToneTexts)
{
    EXPECT_EQ(DcsText(104), "D023I");
    EXPECT_EQ(DcsText(17), "D115N");
    EXPECT_EQ(DcsText(207), "D754I");
    EXPECT_EQ(DcsText(208), "D023N");
    EXPECT_EQ(CtcssText(1, 0), "67.0");
    EXPECT_EQ(CtcssText(51, 885), "88.5");
    EXPECT_EQ(CtcssText(52, 885), "62.5");
    EXPECT_EQ(UserCtcssFromText("abc"), "251.1");
    EXPECT_EQ(UserCtcssFromText("300"), "260.0");
    EXPECT_EQ(UserCtcssFromText("12"), "50.0");
    EXPECT_EQ(UserCtcssFromText("88.5"), "88.5");
}
