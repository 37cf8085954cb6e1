#pragma once
// Where an address of the radio image belongs, by the areas a configuration is compared by:
// a written image and what the radio holds afterwards are reported in the user's terms.
#include <string>
#include <vector>

#include "model/config_area.h"
#include "model/radio_image.h"

namespace tq8615 {

struct ImageLocation {
    ConfigArea area = ConfigArea::Options;
    int channel = 0;  // the channel whose slot holds the address, else 0
    bool operator==(const ImageLocation&) const = default;
};

ImageLocation LocateAddress(int address);

// The differences between what was written and what was read back, over the addresses
// that travelled.
struct ImageMismatch {
    int bytes = 0;                  // differing bytes
    std::vector<ConfigArea> areas;  // in report order, each once
    std::vector<int> channels;      // channel numbers, ascending

    bool empty() const { return bytes == 0; }
    // "channels 3, 17; DTMF (2 bytes)"
    std::string text() const;
};

ImageMismatch FindMismatch(const RadioImage& written, const RadioImage& readBack, const std::vector<int>& blockAddresses);

}  // namespace tq8615
