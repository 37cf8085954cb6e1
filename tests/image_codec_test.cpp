// The encode and decode drivers over the whole image.
#include <gtest/gtest.h>

#include <random>

#include "model/editing_model.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

bool ZeroRange(const RadioImage& image, int from, int to)
{
    for (int a = from; a <= to; ++a)
        if (image.at(a) != 0)
            return false;
    return true;
}

}  // namespace

TEST(ImageCodec, RichModelRoundTrip)
{
    const EditingModel rich = test::RichModel();
    const RadioImage first = test::Encode(rich);
    EditingModel decoded;
    RadioImage copy = first;
    DecodeImageToModel(decoded, copy);
    EXPECT_EQ(test::Encode(decoded), first);

    // Every field the radio holds comes back.
    ASSERT_EQ(decoded.ChannelCount, kMaxChannels);
    for (int i = 0; i < kMaxChannels; ++i) {
        ChannelRecord want = rich.ChannelList[static_cast<std::size_t>(i)];
        ChannelRecord got = decoded.ChannelList[static_cast<std::size_t>(i)];
        if (want.ChannelNumber > kMemoryChannels)
            want.ScanAdd = 0;  // special channels are never in the scan list
        got.StepIndex = want.StepIndex;  // not held by the radio
        got.ChannelSpare = want.ChannelSpare;
        EXPECT_EQ(got.ChannelName.trimmed(), want.ChannelName.trimmed());
        got.ChannelName = want.ChannelName;
        EXPECT_EQ(got, want) << "channel " << want.ChannelNumber;
    }
    EXPECT_EQ(decoded.Options, rich.Options);
    EXPECT_EQ(decoded.Dtmf.SendTime, rich.Dtmf.SendTime);
    for (int n = 0; n < kFiveToneListSize; ++n) {
        const auto& want = rich.FiveTone.CallList[static_cast<std::size_t>(n)];
        const auto& got = decoded.FiveTone.CallList[static_cast<std::size_t>(n)];
        EXPECT_EQ(got.Code.trimmed(), want.Code.trimmed());
        EXPECT_EQ(got.Name.trimmed(), want.Name.trimmed());
        EXPECT_EQ(got.ToneLength, want.ToneLength);
    }
    for (int e = 0; e < kCommuBookSize; ++e)
        EXPECT_EQ(decoded.Book[static_cast<std::size_t>(e)].CallId.trimmed().substr(0, 5),
                  rich.Book[static_cast<std::size_t>(e)].CallId.trimmed());
}

TEST(ImageCodec, EmptyModelStillEncodes)
{
    EditingModel m;
    ResetToBuiltInDefaults(m);
    m.ChannelCount = 0;
    RadioImage image = test::Encode(m);
    EXPECT_TRUE(ZeroRange(image, 0, 6527));
    EXPECT_TRUE(ZeroRange(image, 12528, 12799));
    EXPECT_TRUE(ZeroRange(image, 12912, 12927));
}

TEST(ImageCodec, FreshModelEncodes)
{
    EditingModel m;
    ResetToBuiltInDefaults(m);
    RadioImage image = test::Encode(m);
    // The second-set transmit field of the special channels is blank in a fresh model and
    // goes out as zeros.
    EXPECT_TRUE(ZeroRange(image, 6400 + 26, 6400 + 29));
    EXPECT_EQ(image.at(6464), 0x03);
}

TEST(ImageCodec, AnyImageDecodesWithoutFault)
{
    std::mt19937 random(8615);
    for (int round = 0; round < 40; ++round) {
        RadioImage image;
        for (auto& b : image.bytes())
            b = static_cast<uint8_t>(round % 4 == 0 ? 0xFF : random());
        // Half the rounds keep the channel area clean, so that the other areas' random
        // contents reach the encoder instead of a channel field that does not fit.
        if (round % 2)
            for (int a = 0; a < 6528; ++a)
                image.set(a, 0);
        EditingModel m;
        ResetToBuiltInDefaults(m);
        DecodeImageToModel(m, image);
        RadioImage once;
        BlockUsageMap map;
        CollectingSink sink;
        const bool written = EncodeModelToImage(m, once, map, sink);
        EXPECT_EQ(sink.messages.size(), written ? 0u : 1u);
        if (round % 2) {
            ASSERT_TRUE(written) << round;
        }
        if (!written)
            continue;
        // Reading back what was written settles on one image.
        EditingModel again;
        RadioImage copy = once;
        DecodeImageToModel(again, copy);
        RadioImage twice = test::Encode(again);
        EditingModel third;
        copy = twice;
        DecodeImageToModel(third, copy);
        EXPECT_EQ(test::Encode(third), twice) << round;
    }
}

TEST(ImageCodec, BlockMarks)
{
    BlockUsageMap map;
    MarkBlocks(map, 12800, 112);
    EXPECT_EQ(map.used[800], 0);  // inactive outside an auto test
    map.active = true;
    MarkBlocks(map, 12800, 112);
    for (int i = 800; i <= 806; ++i)
        EXPECT_EQ(map.used[static_cast<std::size_t>(i)], 1);
    EXPECT_EQ(map.used[807], 0);
    map.reset();
    MarkBlocks(map, 12910, 2);
    EXPECT_EQ(map.used[806], 1);
    EXPECT_EQ(map.used[805], 0);

    RadioImage image;
    image.set(5, 9);
    map.used[3] = 1;
    ClearImage(image, map);
    EXPECT_EQ(image.at(5), 0);
    EXPECT_EQ(map.used[3], 0);

    map.reset();
    EditingModel m = test::RichModel();
    EncodeModelToImage(m, image, map, *std::make_unique<CollectingSink>());
    EXPECT_EQ(map.used[404], 1);  // the in-use bitmap block
    EXPECT_EQ(map.used[808], 0);  // channel 203 is not marked
    EXPECT_EQ(map.used[10464 / 16], 1);
}

TEST(ImageCodec, OutOfRangeAccessIsCaught)
{
    RadioImage image;
    EXPECT_THROW(image.at(kImageSize), ImageRangeError);
    EXPECT_THROW(image.set(-1, 0), ImageRangeError);
}
