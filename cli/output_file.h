#pragma once
// Where a command's result goes: refusals before any work is done, the save with its
// reason, and a recovery file for data that cannot be fetched a second time.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "files/document.h"

namespace tq8615::cli {

// A reason the output cannot be written, checked before the work starts: the output is the
// input itself (under any name or link), its folder is missing or not writable, or it
// exists and is not a regular file the user may write. nullopt when it can be written.
std::optional<std::string> OutputProblem(const std::filesystem::path& output,
                                         const std::filesystem::path& input = {});

// The data file a command reads, opened once the output it will write was checked;
// nullptr after saying why either cannot be used.
std::unique_ptr<Document> OpenInputForOutput(const std::filesystem::path& input, const std::filesystem::path& output);

// Writes bytes; on failure prints "file error." with the path and the reason.
bool SaveOutput(const std::filesystem::path& output, const void* data, std::size_t size);

// Saves a radio read; when that fails, keeps the data in the user's data folder and says
// where, so the read need not be repeated.
bool SaveReadData(Document& doc, const std::filesystem::path& output);

}  // namespace tq8615::cli
