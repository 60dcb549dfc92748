#pragma once
// The game folder's files: the definition record, the encoding of the files
// the engine reads as text, scrambled copies, the skins and their pictures.
#include <filesystem>
#include <optional>

#include "check/Findings.h"
#include "parser/GameInitRecord.h"

namespace morvane::check {

// A folder the check can work on: it holds a data folder.
bool IsGameFolder(const std::filesystem::path& folder);

// The definition record as the engine reads it; nothing (told) when it
// can't be read.
std::optional<TGameInit> CheckDefinition(const std::filesystem::path& folder, Findings& findings);

void CheckFolderFiles(const std::filesystem::path& folder, Findings& findings);

}  // namespace morvane::check
