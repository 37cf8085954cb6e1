#include "files/book_file.h"

#include "files/atomic_file.h"
#include "model/commu_book_edit.h"

#include <fstream>
#include <vector>

namespace tq8615 {

bool LoadBookFile(const std::filesystem::path& path, CommuBook& book, std::string& reason)
{
    // Only a regular file has a size; a folder or a device is no book.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        reason = ec.message();
        return false;
    }
    if (size > kBookFileSize) {
        reason = "longer than a communication book (" + std::to_string(kBookFileSize) + " bytes)";
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        reason = "cannot be read";
        return false;
    }
    book = *BookFromFileBytes(bytes);
    return true;
}

bool SaveBookFile(const std::filesystem::path& path, const CommuBook& book, std::string& reason)
{
    const BookFileBytes bytes = BookToFileBytes(book);
    std::error_code error;
    if (!WriteFileAtomically(path, bytes.data(), bytes.size(), error)) {
        reason = error.message();
        return false;
    }
    return true;
}

}  // namespace tq8615
