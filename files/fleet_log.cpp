#include "files/fleet_log.h"

#include "files/atomic_file.h"
#include "files/backup.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tq8615 {

namespace {

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string FleetLogLine(std::time_t started, const std::string& serial, const std::string& result, double seconds)
{
    std::tm local{};
    localtime_r(&started, &local);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%S", &local);
    char duration[32];
    std::snprintf(duration, sizeof duration, "%.1f", seconds);
    return std::string(when) + "," + CsvField(serial) + "," + CsvField(result) + "," + duration + "\n";
}

bool AppendFleetLog(const std::filesystem::path& log, const std::string& line, std::string& error)
{
    std::string content;
    if (std::ifstream in{log, std::ios::binary}) {
        std::ostringstream all;
        all << in.rdbuf();
        content = all.str();
    }
    if (content.empty())
        content = kFleetLogHeader;
    else if (content.back() != '\n')
        content += '\n';
    content += line;
    std::error_code ec;
    if (log.has_parent_path())
        std::filesystem::create_directories(log.parent_path(), ec);
    if (!WriteFileAtomically(log, content.data(), content.size(), ec)) {
        error = ec.message();
        return false;
    }
    return true;
}

std::filesystem::path DefaultFleetLog() { return DefaultBackupFolder().parent_path() / "clone-log.csv"; }

}  // namespace tq8615
