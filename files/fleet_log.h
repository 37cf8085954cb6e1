#pragma once
// The log of a fleet programming: one CSV line a radio (time, serial, result, seconds).
#include <ctime>
#include <filesystem>
#include <string>

namespace tq8615 {

constexpr const char* kFleetLogHeader = "time,serial,result,seconds\n";

std::string FleetLogLine(std::time_t started, const std::string& serial, const std::string& result, double seconds);

// Adds the line, the header first when the log is new. The log is rewritten whole, so a
// power cut leaves it complete. False with `error` set when it cannot be written.
bool AppendFleetLog(const std::filesystem::path& log, const std::string& line, std::string& error);

// ~/.local/share/TQ8615/clone-log.csv, beside the backups.
std::filesystem::path DefaultFleetLog();

}  // namespace tq8615
