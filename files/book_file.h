#pragma once
// Communication book files: the 1792 bytes of a book, shared between data files.
#include <filesystem>
#include <string>

#include "model/dtmf.h"

namespace tq8615 {

// Reads a book file into `book`. On failure (unreadable, or longer than a book) `reason`
// says why and `book` is untouched.
bool LoadBookFile(const std::filesystem::path& path, CommuBook& book, std::string& reason);

// Writes the book; an existing file is replaced only once the new one is complete.
bool SaveBookFile(const std::filesystem::path& path, const CommuBook& book, std::string& reason);

}  // namespace tq8615
