// IPS: "PATCH", records of a 3-byte offset and a 2-byte size followed by the bytes (or size 0, a
// 2-byte count and one byte to repeat), "EOF", and the size to cut the file to when the target is
// shorter than its source. All numbers are big-endian.

#include <algorithm>
#include <cstring>

#include "exchange/patch.h"

namespace orvane {

namespace {

constexpr size_t kLargestOffset = 0xFFFFFF;
constexpr size_t kLargestRecord = 0xFFFF;
constexpr size_t kEndMarker = 0x454F46;  // an offset with these bytes reads as "EOF"
constexpr size_t kRecordCost = 5;        // a gap shorter than this is cheaper written along
constexpr size_t kMinRun = 16;           // runs this long become a repeat record

void PutBig(std::vector<uint8_t>& out, size_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

class IpsWriter {
 public:
  IpsWriter(ByteSpan source, ByteSpan target) : source_(source), target_(target) {}

  std::vector<uint8_t> Write() {
    out_ = {'P', 'A', 'T', 'C', 'H'};
    for (size_t i = 0; i < target_.size();) {
      if (!Differs(i)) {
        ++i;
        continue;
      }
      size_t end = i + 1;  // the span runs on over gaps that cost less than a new record
      for (size_t gap = 0; end + gap < target_.size() && gap < kRecordCost;) {
        if (Differs(end + gap)) {
          end += gap + 1;
          gap = 0;
        } else {
          ++gap;
        }
      }
      WriteSpan(i, end);
      i = end;
    }
    out_.insert(out_.end(), {'E', 'O', 'F'});
    if (target_.size() < source_.size()) {
      if (target_.size() > kLargestOffset) Refuse(target_.size());
      PutBig(out_, target_.size(), 3);
    }
    return std::move(out_);
  }

 private:
  // A byte past the source's end differs unless it is zero; the last byte is written whatever it
  // is, so that the patched file grows to the target's size.
  bool Differs(size_t i) const {
    if (i >= source_.size()) return target_[i] != 0 || i + 1 == target_.size();
    return source_[i] != target_[i];
  }

  [[noreturn]] static void Refuse(size_t offset) {
    throw PatchRefused("An IPS patch cannot reach offset " + std::to_string(offset) +
                       ": its offsets end at 16 MiB. Make a BPS patch instead.");
  }

  [[noreturn]] static void RefuseEndMarker() {
    throw PatchRefused("An IPS patch cannot hold a change that starts at offset 4542278 (0x454F46): that offset "
                       "reads as the patch's end. Make a BPS patch instead.");
  }

  void WriteSpan(size_t from, size_t to) {
    while (from < to) {
      if (from > kLargestOffset) Refuse(from);
      if (from == kEndMarker) RefuseEndMarker();
      size_t run = 1;
      while (from + run < to && run < kLargestRecord && target_[from + run] == target_[from]) ++run;
      if (run >= kMinRun) {
        PutBig(out_, from, 3);
        PutBig(out_, 0, 2);
        PutBig(out_, run, 2);
        out_.push_back(target_[from]);
        from += run;
        continue;
      }
      // Literal bytes up to the next long run or the record limit; a run starting at the end marker's offset
      // stays inside the literal record, which may cover that offset as long as it does not start there.
      size_t length = 0;
      while (from + length < to && length < kLargestRecord) {
        const uint8_t value = target_[from + length];
        size_t same = 1;
        while (same < kMinRun && from + length + same < to && target_[from + length + same] == value) ++same;
        if (same >= kMinRun && length > 0 && from + length != kEndMarker) break;
        ++length;
      }
      Record(from, length);
      from += length;
    }
  }

  void Record(size_t from, size_t length) {
    PutBig(out_, from, 3);
    PutBig(out_, length, 2);
    out_.insert(out_.end(), target_.begin() + static_cast<ptrdiff_t>(from),
                target_.begin() + static_cast<ptrdiff_t>(from + length));
  }

  ByteSpan source_;
  ByteSpan target_;
  std::vector<uint8_t> out_;
};

size_t Big(ByteSpan patch, size_t& at, int bytes) {
  if (patch.size() - at < static_cast<size_t>(bytes))
    throw PatchRefused("The IPS patch is damaged: it ends in the middle of a record.");
  size_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | patch[at++];
  return value;
}

}  // namespace

std::vector<uint8_t> CreateIps(ByteSpan source, ByteSpan target) { return IpsWriter(source, target).Write(); }

std::vector<uint8_t> ApplyIps(ByteSpan patch, ByteSpan source) {
  if (patch.size() < 8 || std::memcmp(patch.data(), "PATCH", 5) != 0) throw PatchRefused("This is not an IPS patch.");
  const auto damaged = [](const std::string& why) { return PatchRefused("The IPS patch is damaged: " + why + "."); };
  std::vector<uint8_t> target(source.begin(), source.end());
  // Records may overlap, but a patch whose records write far more than the format can address only
  // repeats itself: the bound keeps a hostile file of repeats from running for minutes.
  constexpr size_t kMostWritten = 4 * (kLargestOffset + 1 + kLargestRecord);
  size_t written = 0;
  size_t at = 5;
  for (;;) {
    const size_t offset = Big(patch, at, 3);
    if (offset == kEndMarker) break;
    size_t length = Big(patch, at, 2);
    const bool repeat = length == 0;
    if (repeat) length = Big(patch, at, 2);
    if (repeat && length == 0) throw damaged("a repeat record at offset " + std::to_string(offset) + " has no length");
    if (!repeat && patch.size() - at < length) throw damaged("it ends in the middle of a record");
    written += length;
    if (written > kMostWritten) throw damaged("its records write more than " + std::to_string(kMostWritten) + " bytes");
    if (target.size() < offset + length) target.resize(offset + length, 0);
    if (repeat)
      std::fill_n(target.begin() + static_cast<ptrdiff_t>(offset), length, Big(patch, at, 1));
    else
      std::copy_n(patch.begin() + static_cast<ptrdiff_t>(at), length, target.begin() + static_cast<ptrdiff_t>(offset));
    if (!repeat) at += length;
  }
  // After "EOF" comes nothing, or the 3-byte size to cut the file to.
  if (patch.size() - at != 0 && patch.size() - at != 3)
    throw damaged(std::to_string(patch.size() - at) + " bytes follow its end marker");
  if (patch.size() - at == 3) {
    const size_t size = Big(patch, at, 3);
    if (size == 0) throw damaged("it cuts the file to 0 bytes");
    target.resize(std::min(target.size(), size));
  }
  return target;
}

}  // namespace orvane
