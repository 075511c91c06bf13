// Writing a file so that a failure never leaves it half written: the bytes go to a
// new file beside it, which replaces it only when everything is on disk.
#pragma once

#include <string>

namespace oskava {

/// Replaces (or creates) the file at path with bytes. On failure returns false with
/// the system's reason in reason; the file at path is then as it was before. An
/// existing file keeps its permissions; one that may not be written is refused.
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason);

}  // namespace oskava
