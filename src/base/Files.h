#pragma once
// File-system helpers for what the engine writes: a written file is put in
// place whole or not at all.
#include <filesystem>
#include <string_view>

namespace morvane {

// Writes bytes to a temporary file beside the target and renames it over the
// target, so a failure never leaves half a file or destroys an older one.
// Returns false (and leaves the target untouched) on any failure.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

bool fileExists(const std::filesystem::path& path);
bool folderExists(const std::filesystem::path& path);

}  // namespace morvane
