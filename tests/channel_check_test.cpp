// The rules a channel must meet before a write, and the repair of decoded values that the
// radio's tables do not hold.
#include <gtest/gtest.h>

#include "model/channel_check.h"
#include "model/channel_repair.h"
#include "model/editing_model.h"
#include "model/tone_tables.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

EditingModel PlanZeroWith(const ChannelRecord& r)
{
    EditingModel m;
    SelectBandPlan(m.Band, 0);  // UHF 430-440, VHF 144-148
    m.ChannelCount = 0;
    m.AppendChannel(r);
    return m;
}

ChannelRecord Channel(int number, const char* rx, int shift = 0, const char* tx = "000000000")
{
    ChannelRecord r = NewChannelWithFreq(number, rx);
    r.ShiftMode = static_cast<int16_t>(shift);
    r.TxFreq = tx;
    return r;
}

}  // namespace

TEST(ChannelCheck, DefaultsAndRichDataPass)
{
    for (int band = 0; band <= 2; ++band) {
        EditingModel m;
        SelectBandPlan(m.Band, band);
        ResetToBuiltInDefaults(m);
        EXPECT_EQ(CheckChannelsForWrite(m, m.Band), std::vector<ChannelFault>{}) << "band plan " << band;
    }
    EditingModel rich = test::RichModel(1);
    EXPECT_EQ(CheckChannelsForWrite(rich, rich.Band), std::vector<ChannelFault>{});
}

TEST(ChannelCheck, FaultsNameTheChannelAndField)
{
    struct Case { const char* what; ChannelRecord record; std::vector<ChannelFault> faults; };
    ChannelRecord vfo = Channel(kVfo1, "435");
    vfo.VhfActive = 1;
    vfo.RxFreqVhf = "099999999";
    ChannelRecord unused = Channel(7, "999.99999");
    unused.ChannelInUse = 0;
    ChannelRecord tones = Channel(3, "435");
    tones.DecodeDcs = 240;
    tones.DtmfIndex = 16;
    const Case cases[] = {
        {"in band", Channel(1, "435"), {}},
        {"band edges", Channel(1, "430", 3, "044000000"), {}},
        {"cross band split", Channel(1, "435", 3, "014500000"), {}},
        {"offset", Channel(1, "435", 1, "000400000"), {}},
        {"largest offset", Channel(1, "435", 2, "008000000"), {}},
        {"receive out of band", Channel(1, "999.99999"), {{1, "RxFreq"}}},
        {"receive between bands", Channel(2, "300"), {{2, "RxFreq"}}},
        {"split out of band", Channel(1, "435", 3, "099999999"), {{1, "TxFreq"}}},
        {"split between bands", Channel(1, "435", 3, "030000000"), {{1, "TxFreq"}}},
        {"offset too large", Channel(1, "435", 1, "008100000"), {{1, "TxFreq"}}},
        {"offset not a number", Channel(1, "435", 2, "0ABC00000"), {{1, "TxFreq"}}},
        {"no receive frequency", Channel(1, ""), {{1, "RxFreq"}}},
        {"second set of a VFO", vfo, {{kVfo1, "RxFreqVhf"}}},
        {"unused channel", unused, {}},
        {"fields the slot cannot hold", tones, {{3, "DtmfIndex"}, {3, "DecodeDcs"}}},  // in record order
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EditingModel m = PlanZeroWith(c.record);
        EXPECT_EQ(CheckChannelsForWrite(m, m.Band), c.faults);
    }
    const Message refusal = ChannelFaultsMessage({{1, "RxFreq"}, {kVfo2, "TxFreq"}});
    EXPECT_NE(refusal.english.find("\n1: RxFreq\nVFO2: TxFreq"), std::string::npos);
    EXPECT_NE(refusal.chinese.find("\n1: RxFreq\nVFO2: TxFreq"), std::string::npos);
}

TEST(ChannelRepair, OutOfTableCodesBecomeTheFirstCode)
{
    ChannelTable t;
    t.ChannelCount = 0;
    ChannelRecord fine = Channel(1, "435");
    fine.DecodeDcs = 207;
    fine.EncodeCtcss = kUserCtcssIndex;
    ChannelRecord dcs = Channel(2, "435");
    dcs.EncodeDcs = 0xF0;
    ChannelRecord ctcss = Channel(kVfo2, "435");
    ctcss.DecodeCtcss = 52;
    ctcss.DecodeDcs = 359;
    for (const auto& r : {fine, dcs, ctcss})
        t.AppendChannel(r);

    EXPECT_EQ(RepairDecodedChannels(t), (std::vector<int>{2, kVfo2}));
    EXPECT_EQ(t.ChannelList[0], fine);
    EXPECT_EQ(t.ChannelList[1].EncodeDcs, 0);
    EXPECT_EQ(t.ChannelList[2].DecodeCtcss, 0);
    EXPECT_EQ(t.ChannelList[2].DecodeDcs, 0);
    EXPECT_EQ(RepairDecodedChannels(t), std::vector<int>{});
    EXPECT_NE(RepairedChannelsMessage({2, kVfo2}).english.find(": 2, VFO2"), std::string::npos);
}
