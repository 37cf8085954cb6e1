#pragma once
// The communication book as its editor and its import/export files see it: what a cell
// shows, what a typed cell stores, and the 1792-byte book file.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/dtmf.h"

namespace tq8615 {

constexpr int kBookCallIdColumn = 1;
constexpr int kBookNameColumn = 2;
constexpr int kBookCallIdMaxLength = 5;
constexpr int kBookNameMaxLength = 6;  // the editor keeps one of the seven places free
constexpr std::size_t kBookEntryFileSize = 14;
constexpr std::size_t kBookFileSize = kBookEntryFileSize * kCommuBookSize;  // 1792

using BookFileBytes = std::array<uint8_t, kBookFileSize>;

// What the call identity (column 1) or name (column 2) cell of an entry shows.
std::string BookCellText(const CommuBookEntry& entry, int column);

// Stores a typed cell text in the entry; a call identity of fewer than 5 digits and a name
// of fewer than 7 characters end with a NUL. Returns what the cell shows then.
std::string CommitBookEdit(CommuBookEntry& entry, int column, std::string_view typed);

// Each entry: its number (2 bytes, little-endian), then the identity and the name as their
// fixed-width fields hold them.
BookFileBytes BookToFileBytes(const CommuBook& book);
// A shorter file is taken as ending in zero bytes; a longer one is no book file (nullopt).
std::optional<CommuBook> BookFromFileBytes(const std::vector<uint8_t>& bytes);

}  // namespace tq8615
