#pragma once
// What the fuzz targets share: a check that stops the run with its reason (libFuzzer then keeps the
// input as a crash), a reader that takes the input apart, and a prompter that answers questions by
// the input's bits and keeps every message it was shown.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "support/scripted_prompter.h"

#define FUZZ_CHECK(c) \
  ((c) ? void() : (std::fprintf(stderr, "check failed: %s (%s:%d)\n", #c, __FILE__, __LINE__), std::abort()))

namespace orvane::fuzz {

// Reads the input front to back; past its end every read gives zeros.
struct Input {
  const uint8_t* data;
  size_t size;
  uint8_t byte() { return size ? (--size, *data++) : 0; }
  std::string bytes(size_t n) {
    return n = std::min(n, size), data += n, size -= n, std::string(reinterpret_cast<const char*>(data - n), n);
  }
  std::string rest() { return bytes(size); }
};

// Bit i of `pattern` answers the i-th question (from the 8th on, the last bit again).
struct BitPrompter : Prompter {
  explicit BitPrompter(uint8_t pattern) : pattern(pattern) {}
  Answer ask(const Message& m) override {
    shown.push_back(testing::Shown(m));
    return m.buttons != Buttons::YesNo               ? m.defaultAnswer
           : pattern >> std::min(questions++, 7) & 1 ? Answer::Yes
                                                     : Answer::No;
  }
  // True when every message shown is one of `allowed`.
  bool showedOnly(const std::set<std::string>& allowed) const {
    return std::all_of(shown.begin(), shown.end(), [&](const std::string& s) { return allowed.count(s) > 0; });
  }
  uint8_t pattern;
  int questions = 0;
  std::vector<std::string> shown;
};

}  // namespace orvane::fuzz
