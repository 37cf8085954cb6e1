// The channel slots, bitmaps and the channel list.
#include <gtest/gtest.h>

#include "model/channel_display.h"
#include "model/editing_model.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

EditingModel OneChannel(const ChannelRecord& r)
{
    EditingModel m;
    m.ChannelCount = 0;
    m.AppendChannel(r);
    return m;
}

}  // namespace

TEST(ChannelCodec, SlotBytes)
{
    ChannelRecord r = NewChannelWithFreq(9, "435");
    r.ChannelName = "AB";
    r.UserCtcss = 885;
    r.ShiftMode = 2; r.Power = 1; r.Scramble = 1; r.Talkaround = 1;
    r.TxForbid = 1; r.Bandwidth = 2; r.EncodeDcs = 104 + 5; r.DecodeDcs = 3;
    r.EncodeType = 2; r.DecodeType = 1; r.DtmfIndex = 15;
    r.DtmfPttIdMode = 3; r.FiveTonePttIdMode = 2; r.TxFreq = "000600000";
    RadioImage image = test::Encode(OneChannel(r));
    const int a = 8 * 32;
    EXPECT_EQ(test::Slice(image, a, 8), (std::vector<uint8_t>{0x43, 0x50, 0x00, 0x00, 0x00, 0x60, 0x00, 0x00}));
    EXPECT_EQ(image.at(a + 9), 0x02 | 0x04 | 0x10 | 0x80);
    EXPECT_EQ(image.at(a + 10), 0x01 | 0x08 | 0x20);
    EXPECT_EQ(image.at(a + 11), 0x02 | 0x04 | 0xF0);
    EXPECT_EQ(image.at(a + 14), 3);
    EXPECT_EQ(image.at(a + 15), 5);
    EXPECT_EQ(image.at(a + 17), 0x23);
    EXPECT_EQ(test::Slice(image, a + 22, 10), (std::vector<uint8_t>{0x41, 0x42, 0x20, 0x20, 0x20, 0, 0, 0, 0x75, 0x03}));
    // Channel 9 owns bit 0 of the second byte of each bitmap.
    EXPECT_EQ(image.at(6465), 1);
    EXPECT_EQ(image.at(6497), 1);
    EXPECT_EQ(image.at(6464), 0);

    EditingModel back;
    DecodeImageToModel(back, image);
    int i = back.FindChannel(9);
    ASSERT_GE(i, 0);
    const ChannelRecord& d = back.ChannelList[static_cast<std::size_t>(i)];
    EXPECT_EQ(d.RxFreq.trimmed(), "043500000");
    EXPECT_EQ(d.EncodeDcs, 109);
    EXPECT_EQ(d.DecodeDcs, 3);
    EXPECT_EQ(d.UserCtcss, 885);
    EXPECT_EQ(d.ChannelName.trimmed(), "AB");
}

TEST(ChannelCodec, EmptyReceiveFrequencyPacksAsFourFF)
{
    struct Case { const char* what; int channel; void (*empty)(ChannelRecord&); int address; };
    const Case cases[] = {
        {"memory channel", 9, [](ChannelRecord& r) { r.RxFreq = ""; }, 8 * 32},
        {"a NUL ends the text", 9, [](ChannelRecord& r) { r.RxFreq = std::string_view("\0", 1); }, 8 * 32},
        {"VFO1 second set", 201, [](ChannelRecord& r) { r.RxFreqVhf = ""; }, 6400 + 22},
        {"VFO2 second set", 202, [](ChannelRecord& r) { r.RxFreqVhf = ""; }, 6432 + 22},
        {"RT second set", 203, [](ChannelRecord& r) { r.RxFreqVhf = ""; }, 12928 + 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelRecord r = NewChannelWithFreq(c.channel, "435");
        r.RxFreqVhf = "014550000";
        c.empty(r);
        RadioImage image = test::Encode(OneChannel(r));
        EXPECT_EQ(test::Slice(image, c.address, 4), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    }
}

TEST(ChannelCodec, FieldsThatDoNotFitFailTheEncoder)
{
    // The message names the routine, then the channel and the field.
    struct Case { const char* detail; void (*spoil)(ChannelRecord&); };
    const Case cases[] = {
        {"channel 1: ShiftMode", [](ChannelRecord& r) { r.ShiftMode = 4; }},
        {"channel 1: DtmfIndex", [](ChannelRecord& r) { r.DtmfIndex = 16; }},
        {"channel 1: EncodeDcs", [](ChannelRecord& r) { r.EncodeDcs = 208; }},
        {"channel 1: DecodeCtcss", [](ChannelRecord& r) { r.DecodeCtcss = 256; }},
        {"channel 1: ChannelInUse", [](ChannelRecord& r) { r.ChannelInUse = 2; }},
        {"channel 1: RxFreq", [](ChannelRecord& r) { r.RxFreq = "04350X000"; }},
        {"channel 1: Power", [](ChannelRecord& r) { r.Power = -1; }},
        {"channel 204: ChannelNumber", [](ChannelRecord& r) { r.ChannelNumber = 204; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detail);
        ChannelRecord r = NewChannelWithFreq(1, "435");
        c.spoil(r);
        test::EncodeFailing(OneChannel(r), "SetCommDataByFrequencyError", c.detail);
    }
}

TEST(ChannelCodec, DecodeDropsWhatIsNotThere)
{
    RadioImage image;
    // Bitmaps all zero, every slot zero: only the three special channels decode.
    EditingModel m;
    DecodeImageToModel(m, image);
    ASSERT_EQ(m.ChannelCount, 3);
    EXPECT_EQ(m.ChannelList[0].ChannelNumber, 201);
    EXPECT_EQ(m.ChannelList[2].ChannelNumber, 203);

    // A special channel whose receive bytes are not BCD is not in the list; nor is a memory
    // channel marked in use with FF FF FF FF.
    for (int k = 0; k < 4; ++k) {
        image.set(6432 + k, 0xFF);
        image.set(32 * 4 + k, 0xFF);
    }
    image.set(6464, 0x10);  // channel 5 in use
    DecodeImageToModel(m, image);
    ASSERT_EQ(m.ChannelCount, 2);
    EXPECT_EQ(m.FindChannel(202), -1);
    EXPECT_EQ(m.FindChannel(5), -1);
}

TEST(ChannelCodec, RtChannelShiftFollowsItsTransmitBytes)
{
    struct Case { std::array<uint8_t, 4> tx; uint8_t shiftBits; int shift; const char* txFreq; };
    const Case cases[] = {
        {{0, 0, 0, 0}, 0, 3, "000000000"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 0, 0, "000000000"},
        {{0x14, 0x60, 0, 0}, 3, 3, "014600000"},
        {{0x00, 0x10, 0, 0}, 1, 1, "000100000"},  // an offset this program wrote stays an offset
        {{0x00, 0x10, 0, 0}, 2, 2, "000100000"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 1, 0, "000000000"},
    };
    for (const Case& c : cases) {
        RadioImage image;
        for (int k = 0; k < 4; ++k) {
            image.set(12928 + k, k == 0 ? 0x14 : 0x00);
            image.set(12932 + k, c.tx[static_cast<std::size_t>(k)]);
        }
        image.set(12928 + 9, c.shiftBits);
        EditingModel m;
        DecodeImageToModel(m, image);
        const ChannelRecord& rt = m.ChannelList[static_cast<std::size_t>(m.FindChannel(203))];
        EXPECT_EQ(rt.ShiftMode, c.shift);
        EXPECT_EQ(rt.TxFreq.trimmed(), c.txFreq);
    }
}

TEST(ChannelCodec, NamesKeepOnlyTheRadiosCharacters)
{
    RadioImage image;
    image.set(6464, 1);
    image.set(0, 0x43); image.set(1, 0x50);
    const char raw[] = {'a', 'B', '-', '\x01', '9'};
    for (int i = 0; i < 5; ++i)
        image.set(22 + i, static_cast<uint8_t>(raw[i]));
    EditingModel m;
    DecodeImageToModel(m, image);
    EXPECT_EQ(m.ChannelList[0].ChannelName.trimmed(), " B- 9");
}

TEST(ChannelCodec, UserToneOf32768OrMoreKeepsItsBits)
{
    RadioImage image;
    image.set(6464, 1);
    image.set(0, 0x43);
    image.set(30, 0x34); image.set(31, 0x92);
    EditingModel m;
    DecodeImageToModel(m, image);
    RadioImage again = test::Encode(m);
    EXPECT_EQ(again.at(30), 0x34);
    EXPECT_EQ(again.at(31), 0x92);
}

TEST(ChannelList, FindDeleteAppend)
{
    ChannelTable t;
    for (int n : {201, 202, 203, 1, 2})
        EXPECT_TRUE(t.AppendChannel(NewChannelWithFreq(n, "435")));
    t.DeleteChannel(203);
    EXPECT_EQ(t.ChannelCount, 4);
    EXPECT_EQ(t.ChannelList[2].ChannelNumber, 1);
    EXPECT_EQ(t.FindChannel(203), -1);
    t.DeleteChannel(77);  // absent: nothing happens
    EXPECT_EQ(t.ChannelCount, 4);
    t.ChannelCount = kMaxChannels;
    EXPECT_FALSE(t.AppendChannel(NewChannelRecord(5)));

    ChannelRecord r = NewChannelRecord(4);
    EXPECT_EQ(r.ScanAdd, 1);
    EXPECT_EQ(r.RxFreq.raw(), "FFFFFFFFF");
    EXPECT_EQ(r.StepIndex, 1);
    EXPECT_EQ(r.EncodeDcs, 17);
    EXPECT_EQ(r.UserCtcss, 2511);
}

TEST(ChannelDisplay, GridRowTexts)
{
    const auto lang = [](TextKey key) { return "#" + std::to_string(static_cast<int>(key)); };
    CollectingSink sink;
    ChannelRecord r = NewChannelWithFreq(7, "145.5");
    r.ShiftMode = 1;
    r.TxFreq = "000060000";
    r.DecodeType = 2; r.DecodeDcs = 104;
    r.EncodeType = 1; r.EncodeCtcss = 51; r.UserCtcss = 885;
    r.OptSigType = 1; r.DtmfIndex = 0;
    auto cells = ChannelRowTexts(r, lang, sink);
    EXPECT_EQ(cells[0], "7");
    EXPECT_EQ(cells[1], "145.50000");
    EXPECT_EQ(cells[2], "146.10000");
    EXPECT_EQ(cells[4], "5K");
    EXPECT_EQ(cells[6], "#1145");
    EXPECT_EQ(cells[7], "#1205");
    EXPECT_EQ(cells[8], "D023I");
    EXPECT_EQ(cells[9], "88.5");
    EXPECT_EQ(cells[10], "DTMF M1");
    r.ShiftMode = 2;
    EXPECT_EQ(ChannelRowTexts(r, lang, sink)[2], "144.90000");
    r.OptSigType = 3; r.FiveToneIndex = 12;
    EXPECT_EQ(ChannelRowTexts(r, lang, sink)[10], "5tone 12");
    r.OptSigType = 2;
    EXPECT_EQ(ChannelRowTexts(r, lang, sink)[10], "#603");

    ChannelRecord vfo = NewChannelWithFreq(201, "435.5");
    vfo.RxFreqVhf = "014550000";
    EXPECT_EQ(ChannelRowTexts(vfo, lang, sink)[1], "435.50000");
    vfo.VhfActive = 1;
    EXPECT_EQ(ChannelRowTexts(vfo, lang, sink)[1], "145.50000");
    EXPECT_EQ(ChannelRowTexts(vfo, lang, sink)[0], "VFO1");

    ChannelRecord unused = NewChannelWithFreq(8, "435");
    unused.ChannelInUse = 0;
    auto empty = ChannelRowTexts(unused, lang, sink);
    for (int c = 1; c < kGridColumns; ++c)
        EXPECT_EQ(empty[static_cast<std::size_t>(c)], "");
    EXPECT_TRUE(sink.messages.empty());
}
