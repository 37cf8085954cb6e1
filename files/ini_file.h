#pragma once
// Profile-string files ("key=value" lines under "[section]" headers), read as UTF-8.
// A value is taken whole, commas and CJK included, with surrounding spaces removed.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tq8615 {

// A parsed file, read once and looked up many times (the language files).
class IniFile {
public:
    // Loads the file; a missing or unreadable one gives an empty file and false.
    bool load(const std::filesystem::path& file);
    void parse(std::string_view utf8);

    // Section and key names compare without regard to case, as profile strings do; the first
    // occurrence of a key wins. A value loses one pair of surrounding double quotes and the
    // spaces around and inside them; there are no escape sequences ("\n" stays two characters).
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool empty() const { return values_.empty(); }

private:
    std::map<std::string, std::string> values_;  // "section\nkey" in lower case -> value
};

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

}  // namespace tq8615
