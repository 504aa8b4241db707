#include "text_places.h"

#include <array>

namespace orvane {

namespace {

struct ListShape {
  TextList list;
  int32_t first;
  int32_t last;
  const char* prefix;  // the place name is prefix, number, suffix
  const char* suffix;
  int32_t numberOffset;  // the number shown is index + numberOffset
  int32_t recordLength;
  int32_t limit;
};

// Item i's description is ItemInfos(i + 1), so a description is named by its item.
constexpr std::array<ListShape, 7> kNameLists{{
    {TextList::SaveTitles, 1, kSaveTitleCount, "title ", "", 0, 0, 25},
    {TextList::Locations, 1, kLocationCount, "location ", "", 0, 0, 0},
    {TextList::ItemNames, 1, kItemCount, "item ", " name", 0, 10, 10},
    {TextList::ItemInfos, 1, kItemInfoCount, "item ", " description", -1, 0, 40},
    {TextList::Enemies, 0, kEnemyCount - 1, "enemy ", "", 0, 11, 11},
    {TextList::TechNames, 0, kTechCount - 1, "technique ", " name", 0, 11, 11},
    {TextList::TechInfos, 0, kTechInfoCount - 1, "technique ", " description", 0, 0, 40},
}};

const ListShape& Shape(TextList list) {
  for (const ListShape& shape : kNameLists)
    if (shape.list == list) return shape;
  return kNameLists[0];  // dialogue has no shape; callers ask only for names
}

}  // namespace

std::vector<TextPlace> DialoguePlaces(const Document& doc, int32_t bank) {
  std::vector<TextPlace> places;
  for (int32_t b = 1; b <= kBankCount; ++b) {
    if (bank != 0 && b != bank) continue;
    for (int32_t t = 1; t <= doc.BankInfo[b].TextCount && t < kTextSlots; ++t)
      places.push_back({TextList::Dialogue, b, t});
  }
  return places;
}

std::vector<TextPlace> NamePlaces() {
  std::vector<TextPlace> places;
  for (const ListShape& shape : kNameLists)
    for (int32_t i = shape.first; i <= shape.last; ++i) places.push_back({shape.list, 0, i});
  return places;
}

std::vector<TextPlace> AllPlaces(const Document& doc) {
  std::vector<TextPlace> places = DialoguePlaces(doc);
  const std::vector<TextPlace> names = NamePlaces();
  places.insert(places.end(), names.begin(), names.end());
  return places;
}

std::string PlaceName(const TextPlace& place) {
  if (place.list == TextList::Dialogue)
    return "bank " + std::to_string(place.bank) + " text " + std::to_string(place.index);
  const ListShape& shape = Shape(place.list);
  return shape.prefix + std::to_string(place.index + shape.numberOffset) + shape.suffix;
}

std::unordered_map<std::string, TextPlace> PlacesByName(const Document& doc) {
  std::unordered_map<std::string, TextPlace> byName;
  for (const TextPlace& place : AllPlaces(doc)) byName.emplace(PlaceName(place), place);
  return byName;
}

std::string& WorkingText(Document& doc, const TextPlace& place) {
  const auto i = static_cast<size_t>(place.index);
  switch (place.list) {
    case TextList::SaveTitles: return doc.SpeicherNamen[i];
    case TextList::Locations: return doc.StadtNamen[i];
    case TextList::ItemNames: return doc.Items[i].Name;
    case TextList::ItemInfos: return doc.ItemInfos[i];
    case TextList::Enemies: return doc.GegnerNamen[i];
    case TextList::TechNames: return doc.TechNamen[i];
    case TextList::TechInfos: return doc.TechBeschreibungen[i];
    case TextList::Dialogue: break;
  }
  return doc.Texte[static_cast<size_t>(place.bank)][i].Aktuell;
}

const std::string& WorkingText(const Document& doc, const TextPlace& place) {
  return WorkingText(const_cast<Document&>(doc), place);
}

const std::string& OriginalText(const Document& doc, const TextPlace& place) {
  if (place.list != TextList::Dialogue) return WorkingText(doc, place);
  return doc.Texte[static_cast<size_t>(place.bank)][static_cast<size_t>(place.index)].Original;
}

int32_t RecordLength(TextList list) { return list == TextList::Dialogue ? 0 : Shape(list).recordLength; }

int32_t NameLimit(TextList list) { return list == TextList::Dialogue ? 0 : Shape(list).limit; }

}  // namespace orvane
