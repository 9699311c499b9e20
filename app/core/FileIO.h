// Whole-file reading and atomic writing. A write goes to a temporary file beside
// the target and is renamed into place, so a failure never leaves a half-written
// or lost file; an existing target keeps its permissions.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvane {

// The file's bytes; std::runtime_error naming the file and the reason on failure.
std::string readFileBytes(const std::filesystem::path& file);

// Replaces (or creates) the file with the bytes; std::runtime_error naming the file
// and the reason on failure, the old file then left as it was. An existing file
// without write permission is refused; a symbolic link stays and its file is replaced.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace morvane
