#pragma once
// File-system helpers for what the engine writes and reads: a written file is
// put in place whole or not at all, and a file a game names stays inside it.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace morvane {

// Writes bytes to a fresh temporary file beside the target (created
// exclusively, under a name nobody can predict, never through a link),
// flushes it to the disk and renames it over the target, then flushes the
// folder, so neither a failure nor a crash leaves half a file or destroys an
// older one. Temporary files that crashed writers left beside the target are
// removed first. Returns false (and leaves the target untouched) on any
// failure; `why` then says what failed.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::error_code* why = nullptr);

// Whether `path` (existing or not) lies inside `folder` once every link on
// the way is followed.
bool staysInside(const std::filesystem::path& folder, const std::filesystem::path& path);

bool fileExists(const std::filesystem::path& path);
bool folderExists(const std::filesystem::path& path);

}  // namespace morvane
