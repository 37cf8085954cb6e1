#include "files/csv.h"

namespace tq8615 {

std::vector<CsvRecord> ParseCsv(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<CsvRecord> records;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        std::string field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            bool quoted = false;
            if (i < text.size() && text[i] == '"') {
                quoted = true;
                ++i;
                bool closed = false;
                while (i < text.size()) {
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                        } else {
                            closed = true;
                            break;
                        }
                    } else {
                        if (c == '\n')
                            ++line;
                        field += c;
                    }
                }
                if (!closed) {
                    record.brokenQuote = true;
                    record.fields.push_back(field);
                    records.push_back(std::move(record));
                    return records;
                }
            }
            // The unquoted rest of the field, up to a comma or the line's end.
            while (i < text.size() && text[i] != ',' && text[i] != '\n') {
                const char c = text[i++];
                if (quoted && c == '\r')
                    continue;
                if (c == '"' || quoted)
                    record.brokenQuote = true;
                field += c;
            }
            if (i < text.size() && text[i] == ',') {
                ++i;
            } else {
                endOfRecord = true;
                if (i < text.size()) {
                    ++i;
                    ++line;
                }
                if (!quoted && field.ends_with('\r'))
                    field.pop_back();
            }
            record.fields.push_back(std::move(field));
            field.clear();
        }
        const bool blank = record.fields.size() == 1 && record.fields[0].empty() && !record.brokenQuote;
        if (!blank)
            records.push_back(std::move(record));
    }
    return records;
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const std::string& v = fields[f];
        if (f > 0)
            line += ',';
        const bool quote = v.find_first_of(",\"\r\n") != std::string::npos
            || (!v.empty() && (v.front() == ' ' || v.back() == ' '));
        if (!quote) {
            line += v;
            continue;
        }
        line += '"';
        for (char c : v) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace tq8615
