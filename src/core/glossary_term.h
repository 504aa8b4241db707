#pragma once
// One agreed term of a project's glossary, 8-bit like the texts.

#include <string>

namespace orvane {

struct GlossaryTerm {
  std::string source;  // as the originals say it; may be several words
  std::string target;  // as the translation must say it
  std::string note;

  bool operator==(const GlossaryTerm&) const = default;
};

}  // namespace orvane
