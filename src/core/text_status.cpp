#include "text_status.h"

#include <array>

namespace orvane {

namespace {

using enum TextStatus;

// kTransitions[event][current]: the status after the event.
constexpr std::array<std::array<TextStatus, kStatusCount>, 6> kTransitions{{
    /* Edit        */ {Draft, Draft, Translated, Translated},
    /* SaveAndNext */ {Translated, Translated, Translated, Reviewed},
    /* Review      */ {Reviewed, Reviewed, Reviewed, Reviewed},
    /* Import      */ {Translated, Translated, Translated, Reviewed},
    /* ImportFuzzy */ {Draft, Draft, Draft, Draft},
    /* SaveUnwrit. */ {Draft, Draft, Draft, Draft},
}};

constexpr std::array<std::string_view, kStatusCount> kNames{"untranslated", "draft", "translated", "reviewed"};

}  // namespace

TextStatus NextStatus(TextStatus current, StatusEvent event) {
  return kTransitions[static_cast<size_t>(event)][static_cast<size_t>(current)];
}

TextStatus DerivedStatus(std::string_view aktuell, std::string_view original) {
  return aktuell == original ? Untranslated : Draft;
}

std::string_view StatusName(TextStatus status) { return kNames[static_cast<size_t>(status)]; }

std::optional<TextStatus> StatusFromName(std::string_view name) {
  for (size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return static_cast<TextStatus>(i);
  return std::nullopt;
}

}  // namespace orvane
