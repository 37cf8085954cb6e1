#pragma once
// Comma-separated text as spreadsheets and other radio programmers write it: quoted fields
// may hold commas, quotes (doubled) and line breaks; lines end in CRLF or LF; a UTF-8 byte
// order mark at the start is skipped.
#include <string>
#include <string_view>
#include <vector>

namespace tq8615 {

struct CsvRecord {
    int line = 0;                     // the line the record starts on, from 1
    std::vector<std::string> fields;
    bool brokenQuote = false;         // a quote not closed, or text after a closing quote
};

// Every record of the text; blank lines are skipped. A record with a broken quote keeps the
// fields read before the fault; an unclosed quote ends the text.
std::vector<CsvRecord> ParseCsv(std::string_view text);

// One record with its CRLF; a field is quoted when it holds a comma, a quote, a line break
// or spaces at either end.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace tq8615
