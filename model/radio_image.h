#pragma once
// The byte-for-byte copy of the radio's configuration memory. Every access is bounds
// checked: an offset outside the image throws ImageRangeError instead of touching memory.
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "model/memory_map.h"

namespace tq8615 {

struct ImageRangeError : std::out_of_range {
    using std::out_of_range::out_of_range;
};

class RadioImage {
public:
    RadioImage() { bytes_.fill(0); }

    uint8_t at(int address) const { return bytes_[checked(address)]; }
    void set(int address, uint8_t value) { bytes_[checked(address)] = value; }
    void orBits(int address, uint8_t bits) { bytes_[checked(address)] |= bits; }
    bool bit(int address, int bitIndex) const { return (at(address) >> bitIndex) & 1; }
    int word(int address) const { return at(address) | (at(address + 1) << 8); }  // little-endian

    void clear() { bytes_.fill(0); }
    const std::array<uint8_t, kImageSize>& bytes() const { return bytes_; }
    std::array<uint8_t, kImageSize>& bytes() { return bytes_; }
    bool operator==(const RadioImage&) const = default;

private:
    static std::size_t checked(int address)
    {
        if (address < 0 || address >= kImageSize)
            throw ImageRangeError("radio image address out of range");
        return static_cast<std::size_t>(address);
    }
    std::array<uint8_t, kImageSize> bytes_;
};

// Blocks that the encoders wrote during an auto test; inactive (and untouched) otherwise.
struct BlockUsageMap {
    bool active = false;
    std::array<uint8_t, kBlockCount> used{};
    int16_t blockCounter = 0;

    void reset() { used.fill(0); blockCounter = 0; }
};

void MarkBlocks(BlockUsageMap& map, int start, int length);

// Clears the image; while an auto test runs it resets the block map too.
void ClearImage(RadioImage& image, BlockUsageMap& map);

}  // namespace tq8615
