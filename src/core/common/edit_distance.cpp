#include "common/edit_distance.h"

#include <cstdlib>

namespace orvane {

namespace {

// One column step of one block. `carry` is the horizontal difference coming in at the block's top
// row; the one leaving at row `last` comes back.
int Advance(BoundedDistance::Block& block, uint64_t equal, int carry, unsigned last) {
  const uint64_t pv = block.plus, mv = block.minus;
  const uint64_t xv = equal | mv;
  if (carry < 0) equal |= 1;
  const uint64_t xh = (((equal & pv) + pv) ^ pv) | equal;
  uint64_t ph = mv | ~(xh | pv);
  uint64_t mh = pv & xh;
  const uint64_t top = uint64_t{1} << last;
  const int out = (ph & top) ? 1 : (mh & top) ? -1 : 0;
  ph <<= 1;
  mh <<= 1;
  if (carry < 0) mh |= 1;
  else if (carry > 0) ph |= 1;
  block.plus = mh | ~(xv | ph);
  block.minus = ph & xv;
  return out;
}

}  // namespace

BoundedDistance::BoundedDistance(std::string_view pattern)
    : size_(pattern.size()), blocks_((pattern.size() + 63) / 64), equal_(blocks_) {
  for (auto& masks : equal_) masks.fill(0);
  for (size_t i = 0; i < pattern.size(); ++i)
    equal_[i / 64][static_cast<unsigned char>(pattern[i])] |= uint64_t{1} << (i % 64);
}

std::optional<int> BoundedDistance::within(std::string_view text, int bound) const {
  const int n = static_cast<int>(text.size());
  if (std::abs(n - static_cast<int>(size_)) > bound) return std::nullopt;
  if (size_ == 0) return n;
  std::vector<Block>& blocks = work_;
  blocks.assign(blocks_, Block{});
  int score = static_cast<int>(size_);  // the bottom row, column by column
  const unsigned lastRow = static_cast<unsigned>((size_ - 1) % 64);
  for (int column = 0; column < n; ++column) {
    const auto c = static_cast<unsigned char>(text[static_cast<size_t>(column)]);
    int carry = 1;  // the top row counts the text's bytes
    for (size_t b = 0; b < blocks_; ++b)
      carry = Advance(blocks[b], equal_[b][c], carry, b + 1 == blocks_ ? lastRow : 63);
    score += carry;
    // Each remaining column lowers the bottom row by one at most.
    if (score - (n - column - 1) > bound) return std::nullopt;
  }
  if (score > bound) return std::nullopt;
  return score;
}

}  // namespace orvane
