#pragma once
// A text field of fixed width, padded with spaces, as the radio data file stores it.
// Every byte is kept as it is, so a file round-trips unchanged.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tq8615 {

// The meaningful part of a fixed text: trailing spaces removed, then cut before the first NUL.
std::string TrimmedText(std::string_view text);

template <std::size_t N>
struct FixedText {
    std::array<char, N> bytes;

    FixedText() { bytes.fill('\0'); }  // a field never assigned holds NULs
    FixedText(std::string_view text) { assign(text); }  // NOLINT: a fixed string takes any text

    // Assigning a text keeps its first N characters and pads the rest with spaces.
    void assign(std::string_view text)
    {
        bytes.fill(' ');
        std::copy_n(text.begin(), std::min(N, text.size()), bytes.begin());
    }
    FixedText& operator=(std::string_view text) { assign(text); return *this; }

    std::string_view raw() const { return {bytes.data(), N}; }
    std::string trimmed() const { return TrimmedText(raw()); }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedText&) const = default;
};

}  // namespace tq8615
