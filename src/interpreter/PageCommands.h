#pragma once
// The commands that put text blocks and pictures on the page, and the picture
// window; with the one way every command adds a text block to the page.
#include <filesystem>
#include <string>
#include <string_view>

#include "parser/Command.h"

namespace morvane {

struct Game;
struct PageText;

// Adds a text block below the page's last element. A page holds at most
// kMaxTextBlocks blocks; further ones are dropped (returns false then).
bool AddTextBlock(Game& game, PageText block);

// A page text as "TEXT" prepares it: carriage returns become blanks, tabs go,
// lines wrap at `maxColumn`, and "//" becomes a double quote.
std::string PrepareText(std::string_view text, int maxColumn);

// The wrap column of page text for the game's screen width.
int TextWrapColumn(const Game& game, bool bold);

// A picture of ./obrazky/ that a script or an object names: there, missing
// (a folder is no picture), or refused because its name leads out of the folder.
enum class StoryPicture { Found, Missing, Outside };
StoryPicture FindStoryPicture(const std::filesystem::path& gameFolder, std::string_view name);

void cmdText(Game& game, const tagg& tag);
void cmdObrazekVTextu(Game& game, const tagg& tag);
void cmdObrazek(Game& game, const tagg& tag);

}  // namespace morvane
