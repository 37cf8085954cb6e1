#include "files/ini_file.h"

#include <fstream>
#include <sstream>

namespace tq8615 {
namespace {

std::string_view Trim(std::string_view s)
{
    const char* blanks = " \t";
    auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string JoinKey(std::string_view section, std::string_view key)
{
    return Lower(Trim(section)) + '\n' + Lower(Trim(key));
}

// As profile strings are read: surrounding spaces go, one pair of enclosing quotes goes
// (and the spaces inside it), and a backslash is an ordinary character.
std::string Cooked(std::string_view v)
{
    v = Trim(v);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = Trim(v.substr(1, v.size() - 2));
    return std::string(v);
}

}  // namespace

bool IniFile::load(const std::filesystem::path& file)
{
    values_.clear();
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    parse(text.str());
    return true;
}

void IniFile::parse(std::string_view utf8)
{
    values_.clear();
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    std::string section;
    while (!utf8.empty()) {
        auto end = utf8.find_first_of("\r\n");
        std::string_view line = Trim(utf8.substr(0, end));
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.find(']') != std::string_view::npos) {
            section = std::string(Trim(line.substr(1, line.find(']') - 1)));
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0)
            continue;
        values_.try_emplace(JoinKey(section, line.substr(0, eq)), Cooked(line.substr(eq + 1)));
    }
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    auto it = values_.find(JoinKey(section, key));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key)
{
    IniFile ini;
    ini.load(file);
    return ini.value(section, key);
}

}  // namespace tq8615
