#include "text_status.h"

#include <array>

namespace orvane {

namespace {

using enum TextStatus;

// kTransitions[event][current]: the status after the event.
constexpr std::array<std::array<TextStatus, kStatusCount>, 5> kTransitions{{
    /* Edit        */ {Draft, Draft, Translated, Draft},
    /* SaveAndNext */ {Translated, Translated, Translated, Reviewed},
    /* Review      */ {Reviewed, Reviewed, Reviewed, Reviewed},
    /* Import      */ {Translated, Translated, Translated, Reviewed},
    /* SaveUnwrit. */ {Draft, Draft, Draft, Draft},
}};

constexpr std::array<std::string_view, kStatusCount> kNames{"untranslated", "draft", "translated", "reviewed"};

}  // namespace

TextStatus NextStatus(TextStatus current, StatusEvent event) {
  return kTransitions[static_cast<size_t>(event)][static_cast<size_t>(current)];
}

TextStatus StatusAfterEdit(TextStatus current, std::string_view before, std::string_view after,
                           std::string_view original) {
  if (after == before) return current;
  return after == original ? Untranslated : NextStatus(current, StatusEvent::Edit);
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
