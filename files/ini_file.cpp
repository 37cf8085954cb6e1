#include "files/ini_file.h"

#include <fstream>
#include <vector>

namespace tq8615 {
namespace {

std::string Trim(const std::string& s)
{
    const char* blanks = " \t\r\n";
    auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// Section names compare without regard to case, as profile-string files do.
bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string> ReadLines(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF"))
        lines.front().erase(0, 3);
    return lines;
}

std::optional<std::string> SectionOf(const std::string& line)
{
    std::string t = Trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return Trim(t.substr(1, t.size() - 2));
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, const std::string& section,
                                        const std::string& key)
{
    bool inSection = false;
    for (const std::string& line : ReadLines(file)) {
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        auto eq = line.find('=');
        if (inSection && eq != std::string::npos && SameName(Trim(line.substr(0, eq)), key))
            return Trim(line.substr(eq + 1));
    }
    return std::nullopt;
}

}  // namespace tq8615
