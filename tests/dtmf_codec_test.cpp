// The DTMF area and the communication book.
#include <gtest/gtest.h>

#include "model/editing_model.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

RadioImage EncodeOnly(DtmfSettings& s)
{
    RadioImage image;
    BlockUsageMap map;
    EncodeDtmf(s, image, map);
    return image;
}

}  // namespace

TEST(DtmfCodec, CodeSlotsAndMap)
{
    DtmfSettings s = test::DefaultDtmf();
    s.DtmfCodes[0] = {std::string_view("12EF"), 4};
    s.DtmfCodes[9] = {std::string_view("12"), 5};   // the count is lowered to the digits there are
    s.DtmfCodes[3] = {std::string_view("99"), 17};  // a count over 16 writes nothing
    RadioImage image = EncodeOnly(s);
    std::vector<uint8_t> m1{1, 2, 0x0E, 0x0F};
    m1.resize(16, 0xFF);
    EXPECT_EQ(test::Slice(image, 6544, 16), m1);
    EXPECT_EQ(image.at(6544 + 16 * 9 + 2), 0xFF);
    EXPECT_EQ(image.at(6544 + 16 * 3), 0xFF);
    EXPECT_EQ(image.at(12910), 0x01);
    EXPECT_EQ(image.at(12911), 0x02);

    DtmfSettings back = test::DefaultDtmf();
    DecodeDtmf(back, image);
    EXPECT_EQ(back.DtmfCodes[0].DigitCount, 4);
    EXPECT_EQ(back.DtmfCodes[0].Digits.trimmed(), "12EF");
    EXPECT_EQ(back.DtmfCodes[3].DigitCount, 0);  // first byte 0xFF: empty
}

TEST(DtmfCodec, HeaderRepairs)
{
    DtmfSettings s = test::DefaultDtmf();
    s.DtmfId = "7";
    s.SeparatorCode = 9;
    s.GroupCode = 0;
    s.DecodeResponse = 3;
    s.FirstDigitDelay = 251;
    RadioImage image = EncodeOnly(s);
    EXPECT_EQ(test::Slice(image, 6864, 12), (std::vector<uint8_t>{14, 255, 0, 20, 0, 0, 7, 0, 0, 0, 20, 10}));
    EXPECT_EQ(s.SeparatorCode, 14);
    EXPECT_EQ(s.GroupCode, 255);
    EXPECT_EQ(s.DtmfId.raw().substr(0, 4), std::string_view("700\0", 4));
    s.DtmfId = "A1";
    image = EncodeOnly(s);
    EXPECT_EQ(test::Slice(image, 6870, 3), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(s.DtmfId.trimmed(), "000");

    image.set(6866, 9);
    image.set(6868, 251);
    image.set(6871, 10);
    DtmfSettings back = test::DefaultDtmf();
    DecodeDtmf(back, image);
    EXPECT_EQ(back.DecodeResponse, 0);
    EXPECT_EQ(image.at(6866), 9);  // the repair is the model's: the image stays as read
    EXPECT_EQ(back.FirstDigitDelay, 0);
    EXPECT_EQ(back.DtmfId.trimmed(), "000");
}

TEST(DtmfCodec, ShortCodesDecodeWithinTheirWidth)
{
    RadioImage image;
    for (int i = 0; i < 16; ++i)
        image.set(6848 + i, static_cast<uint8_t>(i));  // the kill code slot, all 16 digits
    DtmfSettings s = test::DefaultDtmf();
    DecodeDtmf(s, image);
    EXPECT_EQ(s.KillCode.DigitCount, 14);
    EXPECT_EQ(s.KillCode.Digits.raw(), "0123456789ABCD");
}

TEST(DtmfCodec, NonHexadecimalDigitFailsTheWrite)
{
    EditingModel m = test::RichModel();
    m.Dtmf.DtmfCodes[5] = {std::string_view("1*2"), 3};
    RadioImage image = test::EncodeFailing(m, "SetCommDataByDTMFError");
    EXPECT_EQ(image.at(10464), 0);
}

TEST(CommuBookCodec, SortedByIdentity)
{
    CommuBook book;
    ResetCommuBookDefaults(book);
    book[0].CallId = "300"; book[0].Name = "THREE";
    book[1].CallId = "";    book[1].Name = "NONE";
    book[2].CallId = "20";  book[2].Name = "TWENTY";
    book[3].CallId = "12";  book[3].Name = "AB";
    RadioImage image;
    BlockUsageMap map;
    EncodeCommuBook(book, image, map);
    EXPECT_EQ(book[0].CallId.trimmed(), "12");
    EXPECT_EQ(book[1].CallId.trimmed(), "20");
    EXPECT_EQ(book[2].CallId.trimmed(), "300");
    EXPECT_EQ(test::Slice(image, 10464, 5), (std::vector<uint8_t>{49, 50, 0, 0, 0}));
    EXPECT_EQ(test::Slice(image, 11488, 8), (std::vector<uint8_t>{65, 66, 0, 0, 0, 0, 0, 0}));
    // Entries without an identity go last, their identity slots zero.
    int none = -1;
    for (int e = 0; e < kCommuBookSize; ++e)
        if (book[static_cast<std::size_t>(e)].Name.trimmed() == "NONE")
            none = e;
    EXPECT_GE(none, 3);
    EXPECT_EQ(test::Slice(image, 10464 + 8 * none, 5), std::vector<uint8_t>(5, 0));

    CommuBook back;
    DecodeCommuBook(back, image);
    EXPECT_EQ(back[2].CallId.raw(), std::string_view("300\0\0", 5));
    EXPECT_EQ(back[2].Name.trimmed(), "THREE");
}

TEST(CommuBookCodec, NameStopsAtFFAndKeepsSeven)
{
    RadioImage image;
    const char name[] = "ABCDEFGH";
    for (int b = 0; b < 8; ++b)
        image.set(11488 + b, static_cast<uint8_t>(name[b]));
    image.set(11488 + 8 + 2, 0xFF);
    image.set(11488 + 8, 'X');
    image.set(11488 + 9, 'Y');
    CommuBook book;
    DecodeCommuBook(book, image);
    EXPECT_EQ(book[0].Name.raw(), "ABCDEFG");
    EXPECT_EQ(book[1].Name.trimmed(), "XY");
}
