#include "harness.h"

#include "common/run_error.h"

namespace orvane::fuzz {

std::string InputReader::bytes(size_t n) {
  const size_t take = std::min(n, size_ - pos_);
  std::string out(reinterpret_cast<const char*>(data_) + pos_, take);
  pos_ += take;
  return out;
}

Answer CheckingPrompter::ask(const Message& message) {
  ++messages_;
  if (message.buttons == Buttons::YesNo) {
    bool known = false;
    for (int n : errorNumbers_) {
      known = known || (message.title == "Error Nr. " + std::to_string(n) &&
                        message.text == ErrorDescription(n) + "\r\nContinue program?");
    }
    if (!known) std::fprintf(stderr, "unexpected question: %s / %s\n", message.title.c_str(), message.text.c_str());
    FUZZ_CHECK(known);
    // Bit i of the pattern answers the i-th question (from the 8th on, the last bit again).
    const int bit = questions_ < 8 ? questions_ : 7;
    ++questions_;
    return (pattern_ >> bit & 1) ? Answer::Yes : Answer::No;
  }
  bool known = false;
  for (const auto& a : allowed_) known = known || (message.title == a.title && message.text == a.text);
  if (!known) std::fprintf(stderr, "unexpected message: %s / %s\n", message.title.c_str(), message.text.c_str());
  FUZZ_CHECK(known);
  return message.defaultAnswer;
}

}  // namespace orvane::fuzz
