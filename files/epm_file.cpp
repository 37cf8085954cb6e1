#include "files/epm_file.h"
#include "files/atomic_file.h"

namespace tq8615 {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string EpmFileText(const AutoTestRecord& record, const RadioImage& image, const TextEncoder& toFileText)
{
    std::string text;
    text.reserve((kBlockCount + kImageSize) * 5 + record.rows.size() * kAutoTestCellsPerRow * 40);
    text += std::to_string(record.rows.size()) + "," + std::to_string(kAutoTestCellsPerRow);
    text += kLineEnd;
    for (const AutoTestRow& row : record.rows) {
        for (const std::string& cell : row) {
            text += '"';
            text += toFileText ? toFileText(cell) : cell;
            text += '"';
            text += kLineEnd;
        }
    }
    for (const uint8_t used : record.map.used) {
        text += std::to_string(used);
        text += kLineEnd;
    }
    for (const uint8_t byte : image.bytes()) {
        text += std::to_string(byte);
        text += kLineEnd;
    }
    return text;
}

bool WriteEpmFile(const std::filesystem::path& path, const AutoTestRecord& record, const RadioImage& image,
                  const TextEncoder& toFileText, std::error_code& error)
{
    const std::string text = EpmFileText(record, image, toFileText);
    return WriteFileAtomically(path, text.data(), text.size(), error);
}

}  // namespace tq8615
