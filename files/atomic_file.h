#pragma once
// Writing a file so that a failure never leaves it half written and a planted link or a
// second save cannot redirect it: the bytes go to a new file of a unique name beside the
// target, created exclusively and never through a link, flushed to disk, and renamed over
// the target only once complete. A power cut leaves the old file or the new one.
#include <cstddef>
#include <filesystem>
#include <system_error>

namespace tq8615 {

// Refusals of the target itself; their messages are the reasons shown to the user.
enum class SaveTargetError { NotRegularFile = 1 };
std::error_code make_error_code(SaveTargetError e);

// Replaces `path` with the bytes. A target that exists must be a regular file the user may
// write (not a link, device or FIFO); the new file keeps its permission bits and, where
// the system allows, its owner. On failure `error` holds the reason and `path` is untouched.
bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size,
                         std::error_code& error);

}  // namespace tq8615

template <>
struct std::is_error_code_enum<tq8615::SaveTargetError> : std::true_type {};
