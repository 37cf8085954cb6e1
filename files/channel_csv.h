#pragma once
// Memory channels in and out of the generic comma-separated channel list that the common
// open-source radio programmer and repeater directories write. Rows are checked with the
// program's own channel rules; a row that cannot be taken whole is refused, and every
// value that had to change on the way in is listed.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/editing_model.h"
#include "model/messages.h"

namespace tq8615 {

// The header other tools write, in their order.
extern const std::vector<std::string> kCsvColumns;

// Far above any real channel list (200 rows of about 100 bytes); a larger file is refused
// before it is read.
constexpr std::uintmax_t kMaxCsvBytes = 1 << 20;

// The memory channels in use, in channel order (VFO1, VFO2 and RT are not memory channels),
// as the text of a file: the header line and one CRLF line per channel.
std::string ExportChannelsCsv(const ChannelTable& channels);
int ExportedChannelCount(const ChannelTable& channels);
// How many channels an export writes, and that VFO and RT stay out.
Message ExportSummary(const ChannelTable& channels);

struct CsvPlacement {
    bool keepLocations = true;  // else the rows fill free channels upward from `start`
    int start = 1;
};

// One finding about the file or a row: refused rows are not imported, the others list what
// was adjusted. `line` 0 is the whole file.
struct CsvProblem {
    int line = 0;
    bool refused = false;
    Message text;  // with "line N: " in front
};

struct CsvImportPlan {
    std::vector<ChannelRecord> channels;  // the rows taken, each with its channel number
    std::vector<int> lines;               // the line of each taken row
    std::vector<CsvProblem> problems;     // in line order, file problems first
    bool fileRefused = false;             // nothing in the file can be taken
    int refusedRows = 0;

    bool clean() const { return !fileRefused && refusedRows == 0; }
};

// Reads the text into channels for `model` without changing it.
CsvImportPlan PlanCsvImport(std::string_view text, const EditingModel& model, const CsvPlacement& placement);

// Reads the file (refusing one larger than kMaxCsvBytes or unreadable) and plans its import.
CsvImportPlan PlanCsvImportFile(const std::filesystem::path& path, const EditingModel& model,
                                const CsvPlacement& placement);

// Puts the planned channels into the list, replacing channels of the same number.
void ApplyCsvImport(const CsvImportPlan& plan, ChannelTable& channels);

// "N rows taken, M refused."
Message ImportSummary(const CsvImportPlan& plan);

// The problems as lines of text in English (the command line) or Chinese.
std::string ProblemText(const CsvProblem& problem, bool chinese = false);

}  // namespace tq8615
