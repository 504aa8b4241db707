#pragma once
// What the fuzz targets share: a check that stops the run with its reason (libFuzzer then keeps the
// input as a crash), a reader that takes the input apart, and a prompter that answers from the input
// and accepts only the messages the program may show.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <vector>

#include "common/prompter.h"

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace orvane::fuzz {

// Reads the fuzz input front to back; past its end every read gives zeros.
class InputReader {
 public:
  InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  uint16_t word() { return static_cast<uint16_t>(byte() | byte() << 8); }
  // The next `n` bytes (fewer at the end).
  std::string bytes(size_t n);
  std::string rest() { return bytes(size_ - pos_); }
  bool done() const { return pos_ >= size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Answers Yes or No by a pattern from the input and aborts on a message outside `allowed`.
// A message of the form "Error Nr. N" / "<description>\r\nContinue program?" is allowed for the
// numbers in `errorNumbers`.
class CheckingPrompter : public Prompter {
 public:
  struct Allowed {
    std::string title;
    std::string text;
  };
  CheckingPrompter(uint8_t answerPattern, std::vector<Allowed> allowed, std::vector<int> errorNumbers)
      : pattern_(answerPattern), allowed_(std::move(allowed)), errorNumbers_(std::move(errorNumbers)) {}

  Answer ask(const Message& message) override;
  int questions() const { return questions_; }
  int messages() const { return messages_; }

 private:
  uint8_t pattern_;
  std::vector<Allowed> allowed_;
  std::vector<int> errorNumbers_;
  int questions_ = 0;
  int messages_ = 0;
};

}  // namespace orvane::fuzz
