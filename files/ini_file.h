#pragma once
// Profile-string files ("key=value" lines under "[section]" headers), read as UTF-8.
// A value is taken whole, commas included, with surrounding spaces removed.
#include <filesystem>
#include <optional>
#include <string>

namespace tq8615 {

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, const std::string& section,
                                        const std::string& key);

}  // namespace tq8615
