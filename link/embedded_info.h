#pragma once
// The radio's 256-byte production and dealer area (radio addresses 15104..15359), parsed
// for showing.
#include <array>
#include <cstdint>
#include <string>

#include "model/memory_map.h"

namespace tq8615 {

using EmbeddedInfoBuffer = std::array<uint8_t, 256>;

struct EmbeddedInfo {
    std::string RadioType;        // not shown
    std::string RadioVersion;     // "V1.00"; "Error Version" when shorter than 2 characters
    std::string RfFirmware;       // "RF FW"
    std::string LcdFirmware;      // "LCD FW"
    int BandIndex = 0;            // offset 15 as stored
    std::string UserCode;
    std::string AreaCode;
    std::string SerialNumber;
    std::string ProductedDate;
    std::string ManufactureCode;
    std::string MaintainedDate;
    std::string DealerCode;
    std::string StockDate;
    std::string SellDate;
    std::string Seller;
    std::string Description;      // repair reason and description

    // The "Frequency" item shown: the stored band, or item 0 when it is out of range.
    int shownBandItem() const { return IsKnownBandPlan(BandIndex) ? BandIndex : 0; }
    bool operator==(const EmbeddedInfo&) const = default;
};

EmbeddedInfo ParseEmbeddedInfo(const EmbeddedInfoBuffer& buffer);

// "V", major in hexadecimal without leading zero, ".", minor as two hexadecimal digits.
std::string FirmwareVersionText(uint8_t major, uint8_t minor);
// "V100" becomes "V1.00".
std::string RadioVersionText(const std::string& stored);

// One line per shown field, "Caption: value", with the window's English captions.
std::string EmbeddedInfoEnglishText(const EmbeddedInfo& info);

}  // namespace tq8615
