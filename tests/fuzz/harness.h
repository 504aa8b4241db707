#pragma once
// What the fuzz targets share: a check that stops the run with its reason (libFuzzer then keeps the
// input as a crash), a reader that takes the input apart, and a prompter that gives every question
// one answer and keeps every message it was shown.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

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

// Answers every yes/no question with `yesNo` and every other message with its default answer.
struct FixedPrompter : testing::ScriptedPrompter {
  explicit FixedPrompter(Answer answer) : yesNo(answer) {}
  Answer ask(const Message& m) override {
    return ScriptedPrompter::ask(m), m.buttons == Buttons::YesNo ? yesNo : m.defaultAnswer;
  }
  Answer yesNo;
};

}  // namespace orvane::fuzz
