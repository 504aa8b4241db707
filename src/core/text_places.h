#pragma once
// Every text of the document by its place: the dialogue texts and the entries of the seven name
// lists, with the name a user reads ("bank 3 text 12", "item 17 name") and what limits a name.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document.h"

namespace orvane {

enum class TextList { Dialogue, SaveTitles, Locations, ItemNames, ItemInfos, Enemies, TechNames, TechInfos };

struct TextPlace {
  TextList list = TextList::Dialogue;
  int32_t bank = 0;   // dialogue: 1..21
  int32_t index = 0;  // dialogue: the text number; names: the index in the list
};

// Dialogue in bank and text order (every bank, or only `bank`).
std::vector<TextPlace> DialoguePlaces(const Document& doc, int32_t bank = 0);
// Titles, locations, item names, item descriptions, enemies, technique names and descriptions.
std::vector<TextPlace> NamePlaces();
// Both, dialogue first.
std::vector<TextPlace> AllPlaces(const Document& doc);

// "bank 3 text 12", "title 4", "location 7", "item 17 name", "item 17 description" (the description
// that belongs to item 17), "enemy 5", "technique 4 name", "technique 4 description".
std::string PlaceName(const TextPlace& place);
// Every place of the document by its name.
std::unordered_map<std::string, TextPlace> PlacesByName(const Document& doc);

// Aktuell of a dialogue text, or the name list entry.
const std::string& WorkingText(const Document& doc, const TextPlace& place);
std::string& WorkingText(Document& doc, const TextPlace& place);
// Original of a dialogue text; a name keeps no original, so its working text.
const std::string& OriginalText(const Document& doc, const TextPlace& place);

// Bytes of a fixed-length name record (item names 10, enemy and technique names 11); 0 for the
// lists whose strings end with a 0x00.
int32_t RecordLength(TextList list);
// Most characters a name may hold (titles 25, descriptions 40, the record names their record);
// 0 where there is no limit (dialogue, locations).
int32_t NameLimit(TextList list);

// Calls f(place, left, right) for every place whose texts in `a` and `b` are not `same`.
template <class Same, class F>
void ForEachDifferentText(const Document& a, const Document& b, Same same, F f) {
  for (const TextPlace& place : AllPlaces(a)) {
    const std::string& left = WorkingText(a, place);
    const std::string& right = WorkingText(b, place);
    if (!same(place, left, right)) f(place, left, right);
  }
}

}  // namespace orvane
