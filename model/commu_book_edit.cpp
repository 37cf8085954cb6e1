#include "model/commu_book_edit.h"

#include <algorithm>

namespace tq8615 {

namespace {

template <std::size_t N>
void PutText(const FixedText<N>& text, uint8_t* at)
{
    std::transform(text.bytes.begin(), text.bytes.end(), at, [](char c) { return static_cast<uint8_t>(c); });
}

template <std::size_t N>
FixedText<N> GetText(const uint8_t* at)
{
    FixedText<N> text;
    std::transform(at, at + N, text.bytes.begin(), [](uint8_t b) { return static_cast<char>(b); });
    return text;
}

}  // namespace

std::string BookCellText(const CommuBookEntry& entry, int column)
{
    return column == kBookCallIdColumn ? entry.CallId.trimmed() : entry.Name.trimmed();
}

std::string CommitBookEdit(CommuBookEntry& entry, int column, std::string_view typed)
{
    std::string t = TrimmedText(typed);
    if (t.empty())
        t = std::string(1, '\0');
    if (column == kBookCallIdColumn)
        entry.CallId = t.size() > 4 ? t : t + '\0';
    else if (column == kBookNameColumn)
        entry.Name = t.size() < 7 ? t + '\0' : t;
    return TrimmedText(t);
}

BookFileBytes BookToFileBytes(const CommuBook& book)
{
    BookFileBytes bytes{};
    for (std::size_t e = 0; e < book.size(); ++e) {
        uint8_t* at = bytes.data() + kBookEntryFileSize * e;
        const auto number = static_cast<uint16_t>(book[e].EntryNumber);
        at[0] = static_cast<uint8_t>(number & 0xFF);
        at[1] = static_cast<uint8_t>(number >> 8);
        PutText(book[e].CallId, at + 2);
        PutText(book[e].Name, at + 7);
    }
    return bytes;
}

std::optional<CommuBook> BookFromFileBytes(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() > kBookFileSize)
        return std::nullopt;
    BookFileBytes all{};
    std::copy(bytes.begin(), bytes.end(), all.begin());
    CommuBook book{};
    for (std::size_t e = 0; e < book.size(); ++e) {
        const uint8_t* at = all.data() + kBookEntryFileSize * e;
        book[e].EntryNumber = static_cast<int16_t>(at[0] | (at[1] << 8));
        book[e].CallId = GetText<5>(at + 2);
        book[e].Name = GetText<7>(at + 7);
    }
    return book;
}

}  // namespace tq8615
