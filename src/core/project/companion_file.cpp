#include "project/companion_file.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "common/cp1252.h"
#include "common/file_helpers.h"
#include "common/run_error.h"
#include "progress/translation_progress.h"
#include "text_places.h"

namespace orvane {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "Orvane Texteditor progress";
constexpr int kVersion = 1;

std::string Bytes(const Json& value, const std::string& what) {
  if (!value.is_string()) throw std::runtime_error(what + " is not a string");
  std::string refused;
  const std::optional<std::string> bytes = Utf8ToCp1252(value.get_ref<const std::string&>(), &refused);
  if (!bytes) throw std::runtime_error(what + " holds \"" + refused + "\", which the game's character set lacks");
  return *bytes;
}

const Json& Member(const Json& object, const char* key, Json::value_t type) {
  static const Json kNone;
  const auto found = object.find(key);
  if (found == object.end()) return kNone;
  if (found->type() != type) throw std::runtime_error(std::string("\"") + key + "\" has the wrong type");
  return *found;
}

void ReadTexts(const Json& texts, const std::unordered_map<std::string, TextPlace>& places, TranslationProgress& out) {
  for (const auto& [name, entry] : texts.items()) {
    const auto place = places.find(name);
    if (place == places.end() || place->second.list != TextList::Dialogue)
      throw std::runtime_error("there is no text \"" + name + "\"");
    if (!entry.is_object()) throw std::runtime_error(name + " is not an object");
    TextProgress& text = out.texts[place->second.bank][place->second.index];
    const std::string status = Bytes(entry.value("status", Json()), name + ": the status");
    if (const auto known = StatusFromName(status)) text.status = *known;
    else throw std::runtime_error(name + ": unknown status \"" + status + "\"");
    if (entry.contains("note")) text.note = Bytes(entry["note"], name + ": the note");
  }
}

Json GlossaryJson(const std::vector<GlossaryTerm>& glossary) {
  Json terms = Json::array();
  for (const GlossaryTerm& term : glossary)
    terms.push_back({{"source", Cp1252ToUtf8(term.source)}, {"target", Cp1252ToUtf8(term.target)},
                     {"note", Cp1252ToUtf8(term.note)}});
  return terms;
}

std::vector<GlossaryTerm> ReadGlossary(const Json& terms) {
  std::vector<GlossaryTerm> glossary;
  for (const Json& term : terms) {
    const std::string what = "glossary term " + std::to_string(glossary.size() + 1);
    if (!term.is_object()) throw std::runtime_error(what + " is not an object");
    glossary.push_back({Bytes(term.value("source", Json()), what + ": the source"),
                        Bytes(term.value("target", Json()), what + ": the target"),
                        Bytes(term.value("note", Json("")), what + ": the note")});
  }
  return glossary;
}

}  // namespace

std::string CompanionPath(const std::string& projectPath) {
  return std::filesystem::path(projectPath).replace_extension(".ovs").string();
}

std::string CompanionText(const Document& doc) {
  Json texts = Json::object();
  // Each place once: the entries are appended without the ordered object's linear key search,
  // which made a project with thousands of marked texts take quadratic time.
  Json::object_t& entries = texts.get_ref<Json::object_t&>();
  for (const TextPlace& place : DialoguePlaces(doc)) {
    const TextProgress& progress = ProgressOf(doc, place.bank, place.index);
    const TextPaar& text = doc.Texte[place.bank][place.index];
    if (progress.status == DerivedStatus(text.Aktuell, text.Original) && progress.note.empty()) continue;
    Json entry = {{"status", StatusName(progress.status)}};
    if (!progress.note.empty()) entry["note"] = Cp1252ToUtf8(progress.note);
    entries.Json::object_t::Container::emplace_back(PlaceName(place), std::move(entry));
  }
  Json words = Json::array();
  for (const std::string& word : doc.Progress.words) words.push_back(Cp1252ToUtf8(word));
  Json names = Json::object();
  for (const TextPlace& place : NamePlaces())
    if (const std::string& original = NameOriginal(doc, place); original != WorkingText(doc, place))
      names[PlaceName(place)] = Cp1252ToUtf8(original);
  Json file = {{"format", kFormat}, {"version", kVersion}, {"texts", texts}, {"words", words}, {"names", names}};
  if (!doc.Progress.glossary.empty()) file["glossary"] = GlossaryJson(doc.Progress.glossary);
  return file.dump(1) + "\n";
}

std::optional<std::string> ReadCompanionText(Document& doc, std::string_view text) {
  TranslationProgress read = doc.Progress;
  try {
    const Json file = Json::parse(text);
    if (!file.is_object() || file.value("format", "") != kFormat) return "it is no progress file of this program";
    // Only the exact whole number: 1.9 or 2^32 + 1 would read as 1 through a conversion.
    const Json version = file.value("version", Json());
    if (!version.is_number_integer() || version.get<int64_t>() != kVersion)
      return "it was made by another version of the program (format " + version.dump() + ")";
    const auto places = PlacesByName(doc);
    ReadTexts(Member(file, "texts", Json::value_t::object), places, read);
    for (const Json& word : Member(file, "words", Json::value_t::array)) read.words.insert(Bytes(word, "a word"));
    for (const auto& [name, original] : Member(file, "names", Json::value_t::object).items()) {
      const auto place = places.find(name);
      if (place == places.end() || place->second.list == TextList::Dialogue)
        throw std::runtime_error("there is no name \"" + name + "\"");
      read.nameOriginals[name] = Bytes(original, name);
    }
    read.glossary = ReadGlossary(Member(file, "glossary", Json::value_t::array));
  } catch (const std::exception& error) {
    // The library's messages start with their own "[json.exception.parse_error.101] ".
    const std::string_view what = error.what();
    return std::string(what.starts_with("[json.") ? what.substr(what.find("] ") + 2) : what);
  }
  doc.Progress = std::move(read);
  return std::nullopt;
}

void LoadCompanion(Document& doc, const std::string& projectPath, Prompter& prompter) {
  StartProgress(doc);
  const std::string path = CompanionPath(projectPath);
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return;
  std::optional<std::string> problem;
  try {
    const std::vector<uint8_t> bytes = ReadWholeFile(path, kLargestCompanion);
    problem = ReadCompanionText(doc, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const RunError& error) {
    problem = error.description();
  }
  if (!problem) return;
  prompter.ask(MakeMessage("Warning!",
                           "The progress file " + std::filesystem::path(path).filename().string() +
                               " could not be read: " + *problem + "." + kCrLf +
                               "Statuses start from the texts; saving the project replaces the file.",
                           Icon::Exclamation));
}

}  // namespace orvane
