// BPS: "BPS1", the source, target and metadata sizes, then actions (SourceRead, TargetRead,
// SourceCopy, TargetCopy with signed relative offsets) and the source, target and patch CRC32s.
// The creator walks the target once: a run that equals the source at the same place is a
// SourceRead; otherwise hash chains offer copies from anywhere in the source (texts that moved)
// or from the target written so far (repeats); what none of them covers is a TargetRead.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "common/file_helpers.h"
#include "exchange/patch.h"

namespace orvane {

namespace {

constexpr char kMagic[] = "BPS1";
constexpr size_t kFooter = 12;
enum Action : uint64_t { kSourceRead = 0, kTargetRead = 1, kSourceCopy = 2, kTargetCopy = 3 };

constexpr size_t kWindow = 4;      // bytes hashed to find copy candidates
constexpr int kMostHashBits = 20;  // a 4 MiB ROM gets a million chains; a small file a few
constexpr int kChainDepth = 24;    // candidates tried per position
constexpr size_t kMinRead = 4;     // shorter same-place runs are cheaper as literal bytes
constexpr size_t kMinCopy = 6;     // a copy also pays for its offset
// The matcher's work stays near linear in the target's size, whatever the files hold. An index
// holds at most this many positions (every one of a ROM, every n-th of a larger file, so that the
// tables stay within 64 MiB), and after every run of this many positions that found nothing the
// step grows by two, up to kMostStep, while the chains are walked half as deep, down to one
// candidate: two unrelated files are passed over quickly and the patch then holds the target's
// plain bytes. The steps are odd, so that every n-th position of an index
// still comes up within n steps.
constexpr size_t kMostIndexed = size_t{8} << 20;
constexpr size_t kMissesPerStep = 128;
constexpr size_t kMostStep = 63;

void PutNumber(std::vector<uint8_t>& out, uint64_t value) {
  for (;;) {
    const uint8_t low = value & 0x7F;
    value >>= 7;
    if (value == 0) {
      out.push_back(0x80 | low);
      return;
    }
    out.push_back(low);
    --value;
  }
}

void PutLittle32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t Little32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

size_t Distance(size_t a, size_t b) { return a > b ? a - b : b - a; }

size_t CommonLength(const uint8_t* a, const uint8_t* b, size_t limit) {
  size_t n = 0;
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

// Positions of a buffer by the hash of the window that starts there, newest first; of a buffer
// larger than kMostIndexed only every stride-th position. Inside a run of one byte value only the
// run's first position is kept: a zero-filled megabyte would otherwise fill every chain of its hash
// with useless candidates. The tables hold position + 1 (0 for none) and start as untouched zero
// pages, so the parts a run skips cost nothing.
class WindowIndex {
 public:
  explicit WindowIndex(size_t size)
      : stride_((size + kMostIndexed - 1) / kMostIndexed + (size == 0)), bits_(HashBits(size / stride_)),
        head_(Zeroed(size_t{1} << bits_)), next_(Zeroed(size / stride_ + 1)) {}

  // Adds the indexed positions in [from, to).
  void Add(const uint8_t* data, size_t size, size_t from, size_t to) {
    for (size_t position = (from + stride_ - 1) / stride_ * stride_; position < to; position += stride_) {
      if (position + kWindow > size) return;
      if (position > 0 && std::memcmp(data + position - 1, data + position, kWindow) == 0) continue;
      uint32_t& head = head_[Hash(data + position)];
      next_[position / stride_] = head;
      head = static_cast<uint32_t>(position + 1);
    }
  }

  // The newest position with this window's hash, then the ones before it; -1 ends the chain.
  int64_t First(const uint8_t* window) const { return static_cast<int64_t>(head_[Hash(window)]) - 1; }
  int64_t Next(int64_t position) const {
    return static_cast<int64_t>(next_[static_cast<size_t>(position) / stride_]) - 1;
  }

 private:
  static int HashBits(size_t size) {
    int bits = 10;
    while (bits < kMostHashBits && (size_t{1} << bits) < size) ++bits;
    return bits;
  }
  uint32_t Hash(const uint8_t* p) const { return (Little32(p) * 2654435761u) >> (32 - bits_); }

  struct Free {
    void operator()(uint32_t* p) const { std::free(p); }
  };
  using Table = std::unique_ptr<uint32_t[], Free>;
  static Table Zeroed(size_t count) {
    auto* table = static_cast<uint32_t*>(std::calloc(std::max<size_t>(count, 1), sizeof(uint32_t)));
    if (!table) throw std::bad_alloc();
    return Table(table);
  }

  size_t stride_;
  int bits_;
  Table head_;
  Table next_;
};

struct Match {
  Action action = kTargetRead;
  size_t length = 0;
  size_t from = 0;
};

class BpsWriter {
 public:
  BpsWriter(ByteSpan source, ByteSpan target)
      : source_(source), target_(target), sourceIndex_(source.size()), targetIndex_(target.size()) {
    sourceIndex_.Add(source.data(), source.size(), 0, source.size());
  }

  std::vector<uint8_t> Write() {
    // Room for the plain target, the worst case, so that the buffer is never doubled on the way.
    out_.reserve(target_.size() + target_.size() / 64 + 64);
    out_.insert(out_.end(), kMagic, kMagic + 4);
    PutNumber(out_, source_.size());
    PutNumber(out_, target_.size());
    PutNumber(out_, 0);  // no metadata
    size_t literalStart = 0, misses = 0;
    for (size_t i = 0; i < target_.size();) {
      // The chains are walked less deep the longer nothing was found.
      const Match best = BestAt(i, kChainDepth >> std::min<size_t>(4, misses / kMissesPerStep));
      if (best.action == kTargetRead) {
        const size_t step = std::min(kMostStep, 1 + 2 * (misses++ / kMissesPerStep));
        const size_t next = std::min(target_.size(), i + step);
        targetIndex_.Add(target_.data(), target_.size(), i, next);
        i = next;
        continue;
      }
      misses = 0;
      FlushLiteral(literalStart, i);
      Emit(best);
      i += best.length;
      literalStart = i;
    }
    FlushLiteral(literalStart, target_.size());
    PutLittle32(out_, Crc32(source_));
    PutLittle32(out_, Crc32(target_));
    PutLittle32(out_, Crc32(out_));
    return std::move(out_);
  }

 private:
  Match BestAt(size_t i, int chainDepth) const {
    Match best;
    if (i < source_.size()) {
      const size_t same =
          CommonLength(source_.data() + i, target_.data() + i, std::min(source_.size(), target_.size()) - i);
      if (same >= kMinRead) best = {kSourceRead, same, i};
    }
    if (i + kWindow > target_.size() || best.length >= 64) return best;
    const size_t rest = target_.size() - i;
    // The longest match; of equally long ones of the same kind the one nearest the last copy, whose
    // relative offset is the shortest to write.
    const auto consider = [&](Action action, const WindowIndex& index, ByteSpan base, size_t previous) {
      int64_t at = index.First(target_.data() + i);
      for (int depth = 0; at >= 0 && depth < chainDepth; ++depth, at = index.Next(at)) {
        const auto from = static_cast<size_t>(at);
        const size_t length = CommonLength(base.data() + from, target_.data() + i, std::min(rest, base.size() - from));
        const bool nearer =
            length == best.length && action == best.action && Distance(from, previous) < Distance(best.from, previous);
        if (length >= kMinCopy && (length > best.length || nearer)) best = {action, length, from};
      }
    };
    consider(kSourceCopy, sourceIndex_, source_, sourceOffset_);
    // Earlier target bytes, the overlapping run included: the applier copies byte by byte.
    consider(kTargetCopy, targetIndex_, target_, targetOffset_);
    return best;
  }

  void Command(Action action, size_t length) { PutNumber(out_, (static_cast<uint64_t>(length - 1) << 2) | action); }

  void Offset(size_t relative, size_t from) {
    const int64_t delta = static_cast<int64_t>(from) - static_cast<int64_t>(relative);
    PutNumber(out_, (static_cast<uint64_t>(delta < 0 ? -delta : delta) << 1) | (delta < 0 ? 1 : 0));
  }

  void Emit(const Match& m) {
    Command(m.action, m.length);
    if (m.action == kSourceCopy) {
      Offset(sourceOffset_, m.from);
      sourceOffset_ = m.from + m.length;
    } else if (m.action == kTargetCopy) {
      Offset(targetOffset_, m.from);
      targetOffset_ = m.from + m.length;
    }
  }

  void FlushLiteral(size_t from, size_t to) {
    if (to == from) return;
    Command(kTargetRead, to - from);
    out_.insert(out_.end(), target_.begin() + static_cast<ptrdiff_t>(from),
                target_.begin() + static_cast<ptrdiff_t>(to));
  }

  ByteSpan source_;
  ByteSpan target_;
  WindowIndex sourceIndex_;
  WindowIndex targetIndex_;
  size_t sourceOffset_ = 0;
  size_t targetOffset_ = 0;
  std::vector<uint8_t> out_;
};

class BpsReader {
 public:
  explicit BpsReader(ByteSpan patch) : patch_(patch), end_(patch.size() - kFooter) {}

  uint64_t Number() {
    uint64_t value = 0;
    uint64_t shift = 1;
    for (;;) {
      if (at_ >= end_) throw PatchRefused("The patch file is damaged: it ends in the middle of an action.");
      const uint8_t b = patch_[at_++];
      value += (b & 0x7F) * shift;
      if (b & 0x80) return value;
      shift <<= 7;
      value += shift;
      if (shift > (uint64_t{1} << 48)) throw PatchRefused("The patch file is damaged: a number is too large.");
    }
  }
  const uint8_t* Bytes(size_t count) {
    if (count > end_ - at_) throw PatchRefused("The patch file is damaged: it ends in the middle of an action.");
    at_ += count;
    return patch_.data() + at_ - count;
  }
  bool AtEnd() const { return at_ >= end_; }
  uint32_t Footer(int i) const { return Little32(patch_.data() + end_ + 4 * i); }

 private:
  ByteSpan patch_;
  size_t end_;
  size_t at_ = 4;
};

std::string Hex32(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

// Moves a relative offset by a signed delta; the result must stay inside `size`.
size_t Moved(size_t offset, uint64_t coded, size_t size) {
  const auto delta = static_cast<int64_t>(coded >> 1);
  const int64_t moved = static_cast<int64_t>(offset) + ((coded & 1) ? -delta : delta);
  if (moved < 0 || static_cast<uint64_t>(moved) > size)
    throw PatchRefused("The patch file is damaged: a copy reaches outside its file.");
  return static_cast<size_t>(moved);
}

}  // namespace

std::vector<uint8_t> CreateBps(ByteSpan source, ByteSpan target) { return BpsWriter(source, target).Write(); }

std::vector<uint8_t> ApplyBps(ByteSpan patch, ByteSpan source) {
  if (patch.size() < 4 + kFooter || std::memcmp(patch.data(), kMagic, 4) != 0)
    throw PatchRefused("This is not a BPS patch.");
  BpsReader in(patch);
  if (Crc32(patch.first(patch.size() - 4)) != in.Footer(2))
    throw PatchRefused("The patch file is damaged: its own CRC32 does not match.");
  const uint64_t sourceSize = in.Number();
  const uint64_t targetSize = in.Number();
  in.Bytes(static_cast<size_t>(std::min<uint64_t>(in.Number(), patch.size())));  // metadata, not used
  if (sourceSize != source.size() || Crc32(source) != in.Footer(0))
    throw PatchRefused("This patch was made for another file: the base has CRC32 " + Hex32(Crc32(source)) + " and " +
                       std::to_string(source.size()) + " bytes, the patch expects CRC32 " + Hex32(in.Footer(0)) +
                       " and " + std::to_string(sourceSize) + " bytes. Nothing was written.");
  // Refused before a byte is allocated: a few bytes of patch may declare gigabytes.
  if (targetSize > kLargestImage)
    throw PatchRefused("The patch file is damaged: its target of " + std::to_string(targetSize) +
                       " bytes is larger than the largest image (64 MiB).");

  std::vector<uint8_t> target(static_cast<size_t>(targetSize));
  size_t out = 0, sourceOffset = 0, targetOffset = 0;
  while (!in.AtEnd()) {
    const uint64_t data = in.Number();
    const auto action = static_cast<Action>(data & 3);
    const uint64_t length = (data >> 2) + 1;
    if (length > target.size() - out) throw PatchRefused("The patch file is damaged: it writes past its target's end.");
    const auto n = static_cast<size_t>(length);
    if (action == kSourceRead) {
      if (out + n > source.size()) throw PatchRefused("The patch file is damaged: a copy reaches outside its file.");
      std::memcpy(target.data() + out, source.data() + out, n);
    } else if (action == kTargetRead) {
      std::memcpy(target.data() + out, in.Bytes(n), n);
    } else if (action == kSourceCopy) {
      sourceOffset = Moved(sourceOffset, in.Number(), source.size());
      if (n > source.size() - sourceOffset)
        throw PatchRefused("The patch file is damaged: a copy reaches outside its file.");
      std::memcpy(target.data() + out, source.data() + sourceOffset, n);
      sourceOffset += n;
    } else {
      targetOffset = Moved(targetOffset, in.Number(), out);
      if (targetOffset >= out) throw PatchRefused("The patch file is damaged: a copy reaches outside its file.");
      for (size_t k = 0; k < n; ++k) target[out + k] = target[targetOffset++];  // may overlap what it writes
    }
    out += n;
  }
  if (out != target.size() || Crc32(target) != in.Footer(1))
    throw PatchRefused("The patched file does not come out as the patch expects (CRC32). Nothing was written.");
  return target;
}

}  // namespace orvane
