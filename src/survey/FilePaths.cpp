#include "survey/FilePaths.h"

#include <filesystem>
#include <system_error>

namespace oskava {

std::string WithExtension(const std::string& path, const std::string& extension) {
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    // A name that starts with its only dot (".survey") has no extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::path(path), ignored);
}

bool SameFile(const std::string& path1, const std::string& path2) {
    std::error_code error;
    return std::filesystem::equivalent(path1, path2, error) && !error;
}

}  // namespace oskava
