#pragma once
// Writing a file so that a failure never leaves it half written: the bytes go to a
// temporary file beside the target, which replaces the target only once complete.
#include <cstddef>
#include <filesystem>

namespace tq8615 {

bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size);

}  // namespace tq8615
