#include "exchange/project_diff.h"

#include "text_places.h"

namespace orvane {

std::vector<TextChange> DiffProjects(const Document& before, const Document& after) {
  std::vector<TextChange> changes;
  ForEachDifferentText(
      before, after, [](const TextPlace&, const std::string& a, const std::string& b) { return a == b; },
      [&](const TextPlace& place, const std::string& a, const std::string& b) {
        changes.push_back({PlaceName(place), a, b});
      });
  return changes;
}

}  // namespace orvane
