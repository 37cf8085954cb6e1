#pragma once
// The auto test export file (".EPM") that the factory's test station reads: CR LF lines
// as a comma-separated write statement puts them (texts in double quotes, numbers bare).
// The row count and 9, then every cell of the rows, then the 810 block marks, then the
// 12960 bytes of the image, one a line.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "model/auto_test.h"

namespace tq8615 {

// Turns a cell's UTF-8 text into the file's character set; empty keeps UTF-8.
using TextEncoder = std::function<std::string(std::string_view utf8)>;

std::string EpmFileText(const AutoTestRecord& record, const RadioImage& image, const TextEncoder& toFileText = {});

// Writes the file in one piece (a failure leaves any file of that name as it was).
bool WriteEpmFile(const std::filesystem::path& path, const AutoTestRecord& record, const RadioImage& image,
                  const TextEncoder& toFileText, std::error_code& error);

}  // namespace tq8615
