#pragma once
// The word and phrase lists the demo document is made of: short original dialogue in plain
// letters, digits and the table's punctuation, plus the pieces of the demo's names.

#include <span>
#include <string_view>

namespace orvane::demo {

std::span<const std::string_view> Sentences();     // whole dialogue sentences
std::span<const std::string_view> Replies();       // very short answers, at most five characters
std::span<const std::string_view> Speakers();      // "Wend: " and the like, put before a line
std::span<const std::string_view> Titles();        // the 27 savegame titles
std::span<const std::string_view> PlaceStarts();   // first halves of location names
std::span<const std::string_view> PlaceEnds();     // second halves of location names
std::span<const std::string_view> ItemMaterials(); // first words of item names
std::span<const std::string_view> ItemKinds();     // one kind per item symbol 32..41
std::span<const std::string_view> ItemInfoTexts(); // descriptions, three per item kind
std::span<const std::string_view> CreatureTraits();
std::span<const std::string_view> Creatures();
std::span<const std::string_view> Elements();      // spell names; "*" is put in front
std::span<const std::string_view> Moves();         // technique names
std::span<const std::string_view> TechniqueEffects();

}  // namespace orvane::demo
