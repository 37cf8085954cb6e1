#include "files/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tq8615 {
namespace {

class SaveTargetCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "save target"; }
    std::string message(int) const override { return "not a regular file"; }
};

std::error_code LastError() { return {errno, std::generic_category()}; }

// Closes the descriptor on every path out.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release()
    {
        const int f = fd;
        fd = -1;
        return f;
    }
};

bool WriteAll(int fd, const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A short unique name keeps the temporary legal beside a target of 255 bytes.
std::filesystem::path TemporaryName(const std::filesystem::path& folder, std::mt19937_64& random)
{
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".tq8615-";
    for (int i = 0; i < 10; ++i)
        name += digits[random() % 36];
    return folder / name;
}

}  // namespace

std::error_code make_error_code(SaveTargetError e)
{
    static const SaveTargetCategory category;
    return {static_cast<int>(e), category};
}

bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size,
                         std::error_code& error)
{
    error.clear();
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";

    struct stat target {};
    const bool replacing = ::lstat(path.c_str(), &target) == 0;
    if (!replacing && errno != ENOENT) {
        error = LastError();
        return false;
    }
    if (replacing && !S_ISREG(target.st_mode)) {
        error = SaveTargetError::NotRegularFile;
        return false;
    }
    // Renaming needs only the folder's permission; the file's own is what the user set.
    if (replacing && ::access(path.c_str(), W_OK) != 0) {
        error = LastError();
        return false;
    }

    std::random_device seed;
    std::mt19937_64 random((static_cast<uint64_t>(seed()) << 32) ^ seed() ^ static_cast<uint64_t>(::getpid()));
    std::filesystem::path temp;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.fd < 0; ++attempt) {
        temp = TemporaryName(folder, random);
        // A new file gets the user's usual permissions (0666 less the umask).
        file.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file.fd < 0 && errno != EEXIST) {
            error = LastError();
            return false;
        }
    }
    if (file.fd < 0) {
        error = std::make_error_code(std::errc::file_exists);
        return false;
    }

    bool written = true;
    if (replacing) {
        // The replaced file's owner and permissions, before any byte is in: a private file
        // (it may hold the radio's password) is never readable by others on the way.
        if (::fchown(file.fd, target.st_uid, target.st_gid) != 0) {
            // Only root may give a file away; the group is kept where the user belongs to it.
            [[maybe_unused]] const int ignored = ::fchown(file.fd, static_cast<uid_t>(-1), target.st_gid);
        }
        written = ::fchmod(file.fd, target.st_mode & 07777) == 0;
    }
    written = written && WriteAll(file.fd, static_cast<const unsigned char*>(data), size);
    written = written && ::fsync(file.fd) == 0;
    if (!written)
        error = LastError();
    if (::close(file.release()) != 0 && written) {
        error = LastError();
        written = false;
    }
    if (written && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = LastError();
        written = false;
    }
    if (!written) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk only with the folder.
    Descriptor dir;
    dir.fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

}  // namespace tq8615
