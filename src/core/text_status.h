#pragma once
// Where a dialogue text stands in the translation, and what moves it on. Every change of status goes
// through NextStatus, so the editor, the PO import and the command line agree on one table.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

enum class TextStatus : uint8_t { Untranslated, Draft, Translated, Reviewed };
inline constexpr int kStatusCount = 4;

enum class StatusEvent : uint8_t {
  Edit,           // the working text was changed by anything but a deliberate mark, and differs from its original
  SaveAndNext,    // "Save" and on to the next text: the translator counts it as done
  Review,         // a second reader accepted the text
  Import,         // a PO entry not marked fuzzy brought a translation
  SaveUnwritable,  // saved although the table cannot write all of it: a draft until it can
};

TextStatus NextStatus(TextStatus current, StatusEvent event);

// The status a text of status `current` has once its working text became `after`: untranslated
// again when that is its original, otherwise moved on by Edit (a reviewed text is a draft until read
// again, an untranslated one a draft). A text that did not change keeps its status.
TextStatus StatusAfterEdit(TextStatus current, std::string_view before, std::string_view after,
                           std::string_view original);

// A text nobody marked: untranslated while the working text is still the original, draft otherwise.
TextStatus DerivedStatus(std::string_view aktuell, std::string_view original);

// "untranslated", "draft", "translated", "reviewed".
std::string_view StatusName(TextStatus status);
std::optional<TextStatus> StatusFromName(std::string_view name);

}  // namespace orvane
