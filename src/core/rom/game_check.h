#pragma once
// Tells an image of the game from a ROM of another game (or from noise) before anything is
// decoded: in every image of the game each dialogue bank's pointers lead into the bank's text area
// and each dictionary piece is made of characters of the built-in table. Other images fail within
// the first few pointers, so the check costs next to nothing on either.

#include <string>

#include "common/prompter.h"
#include "rom/rom_image.h"

namespace orvane {

// Empty when `rom` (held headed) looks like the game's ROM; otherwise what failed first, in words.
std::string GameImageProblem(const RomImage& rom);

// "This image does not look like the game's ROM (<problem>). Open it anyway?" with Yes and No, No
// by default; `ending` replaces "Open it anyway?" where the image is about to be written.
Message ForeignImageQuestion(const std::string& problem, const std::string& ending = "Open it anyway?");

// True for the question above, whatever its problem and ending: the command line answers it by --force.
bool IsForeignImageQuestion(const Message& message);

}  // namespace orvane
