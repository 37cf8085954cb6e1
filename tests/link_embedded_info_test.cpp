// Parsing of the radio's embedded production and dealer information.
#include "link/embedded_info.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tq8615;

namespace {
EmbeddedInfoBuffer blank(uint8_t fill)
{
    EmbeddedInfoBuffer b;
    b.fill(fill);
    return b;
}
void put(EmbeddedInfoBuffer& b, int offset, const char* text) { std::memcpy(b.data() + offset, text, std::strlen(text)); }
}  // namespace

TEST(EmbeddedInfo, FieldsAtTheirOffsets)
{
    auto b = blank(0x00);
    put(b, 0, "TQ8615");
    put(b, 7, "V100");
    b[11] = 1; b[12] = 0;
    b[13] = 2; b[14] = 0x1A;
    b[15] = 1;
    put(b, 20, "U007");
    put(b, 24, "PASS");
    put(b, 28, "0086");
    put(b, 32, "SN-0001  ");
    put(b, 48, "2023-05-06");
    put(b, 64, "MC12345");
    put(b, 80, "2024-01-01");
    put(b, 96, "D-42");
    put(b, 112, "2023-06-01");
    put(b, 128, "2023-07-01");
    put(b, 144, "Jane");
    put(b, 160, "Replaced the antenna");

    const EmbeddedInfo i = ParseEmbeddedInfo(b);
    EXPECT_EQ(i.RadioType, "TQ8615");
    EXPECT_EQ(i.RadioVersion, "V1.00");
    EXPECT_EQ(i.RfFirmware, "V1.00");
    EXPECT_EQ(i.LcdFirmware, "V2.1A");
    EXPECT_EQ(i.shownBandItem(), 1);
    EXPECT_EQ(i.UserCode, "U007");
    EXPECT_EQ(i.AreaCode, "0086");
    EXPECT_EQ(i.SerialNumber, "SN-0001") << "trailing spaces removed";
    EXPECT_EQ(i.ProductedDate, "2023-05-06");
    EXPECT_EQ(i.ManufactureCode, "MC12345");
    EXPECT_EQ(i.MaintainedDate, "2024-01-01");
    EXPECT_EQ(i.DealerCode, "D-42");
    EXPECT_EQ(i.StockDate, "2023-06-01");
    EXPECT_EQ(i.SellDate, "2023-07-01");
    EXPECT_EQ(i.Seller, "Jane");
    EXPECT_EQ(i.Description, "Replaced the antenna");
    EXPECT_EQ(EmbeddedInfoEnglishText(i).find("PASS"), std::string::npos) << "the password is never shown";
}

TEST(EmbeddedInfo, EdgeCases)
{
    auto b = blank(0xFF);
    EmbeddedInfo erased = ParseEmbeddedInfo(b);
    EXPECT_EQ(erased.SerialNumber, "") << "0xFF-filled fields show empty";
    EXPECT_EQ(erased.Description, "");
    EXPECT_EQ(erased.RadioVersion, "Error Version");

    b = blank('A');
    b[32] = 0x00;
    b[15] = 7;
    b[11] = 0x0A; b[12] = 0x05;
    const EmbeddedInfo i = ParseEmbeddedInfo(b);
    EXPECT_EQ(i.SerialNumber, "") << "byte 32 = 0x00";
    EXPECT_EQ(i.Description, std::string(96, 'A')) << "96 bytes without 0x00 shown whole";
    EXPECT_EQ(i.shownBandItem(), 0) << "offset 15 = 7 selects Band 0";
    EXPECT_EQ(i.RfFirmware, "VA.05");
    EXPECT_EQ(i.RadioVersion, "AA.AA");

    put(b, 7, "V");
    b[8] = 0x00;
    EXPECT_EQ(ParseEmbeddedInfo(b).RadioVersion, "Error Version");
}

TEST(EmbeddedInfo, ChineseDealerText)
{
    auto b = blank(0x00);
    put(b, 144, "\xD5\xC5\xC8\xFD");  // "张三" in the Chinese Windows code page
    EXPECT_EQ(ParseEmbeddedInfo(b).Seller, "张三");
}
