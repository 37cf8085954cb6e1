#include "files/atomic_file.h"

#include <fstream>
#include <system_error>

namespace tq8615 {

bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size)
{
    std::filesystem::path temp = path;
    temp += ".saving";
    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace tq8615
