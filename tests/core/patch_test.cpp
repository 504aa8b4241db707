// Patches and the cartridge checksum, the two ways a translated ROM leaves the team.
#include <gtest/gtest.h>

#include <random>

#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "exchange/cartridge.h"
#include "exchange/patch.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

// BPS and IPS patches: apply(create(A, B), A) == B over random pairs and on the demo ROM (with and
// without the copier header), the records each rule gives, the refusals; IPS refuses what its offsets
// cannot reach and never lets a record read as its end marker.
using Bytes = std::vector<uint8_t>;
using testing::Hex;
using testing::TempFolder;
using enum PatchKind;
using namespace std::literals;

// B made from A the way ROM edits look: bytes changed in place, stretches moved by an insertion or a deletion,
// runs of one value, repeats of earlier bytes, and a file that grows or shrinks.
TEST(Patch, AppliedToItsSourceGivesTheTargetForRandomPairs) {
  std::mt19937 rng(7);
  const auto pick = [&](size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  for (int pair = 0; pair < 300; ++pair) {
    Bytes a(pick(20001));
    for (uint8_t& byte : a) byte = rng() % 4 == 0 ? static_cast<uint8_t>(rng()) : 0;
    Bytes b = a;
    for (int edits = 1 + static_cast<int>(pick(6)); edits > 0; --edits) {
      const size_t at = pick(b.size() + 1), length = 1 + pick(300), end = std::min(b.size(), at + length);
      const Bytes repeated(b.begin(), b.begin() + std::min(b.size(), length));
      switch (pick(6)) {
        case 0: std::generate(b.begin() + at, b.begin() + end, [&] { return static_cast<uint8_t>(rng()); }); break;
        case 1: b.insert(b.begin() + at, length, static_cast<uint8_t>(rng())); break;
        case 2: b.erase(b.begin() + at, b.begin() + end); break;
        case 3: b.insert(b.begin() + at, repeated.begin(), repeated.end()); break;
        case 4: b.resize(b.size() + length, static_cast<uint8_t>(pick(2))); break;
        default: b.resize(std::max(b.size(), length) - length); break;
      }
    }
    for (PatchKind kind : {Bps, Ips})
      ASSERT_EQ(ApplyPatch(CreatePatch(kind, a, b), a), b) << "pair " << pair << (kind == Bps ? " BPS" : " IPS");
  }
  // Past 8 MiB the index holds every n-th position of the source: stretches that moved are still found.
  Bytes big(9 << 20), moved;
  std::generate(big.begin(), big.end(), [&] { return static_cast<uint8_t>(rng()); });
  moved = big;
  std::rotate(moved.begin() + 1001, moved.begin() + 5000, moved.end() - 999);
  const Bytes patch = CreateBps(big, moved);
  EXPECT_EQ(std::pair(ApplyBps(patch, big) == moved, patch.size() < 100), std::pair(true, true)) << patch.size();
}

TEST(Patch, DemoRomRoundTripsWithAndWithoutTheCopierHeader) {
  TempFolder folder;
  const Bytes demo = demo::BuildDemoRom();
  Bytes modified = demo;
  modified.erase(modified.begin() + 0x370600, modified.begin() + 0x370640);  // texts moved up by 64 bytes
  modified.insert(modified.begin() + 0x374A00, 64, 0xEF);
  modified[0x101D0] ^= 0xFF;
  WriteFileAtomically(folder.file("a.smc"), demo);
  WriteFileAtomically(folder.file("b.smc"), modified);
  WriteFileAtomically(folder.file("a.sfc"), Bytes(demo.begin() + 0x200, demo.end()));
  for (const char* patch : {"fix.bps", "fix.ips"})
    for (const bool strip : {false, true}) {
      CreatePatchFile(folder.file("a.smc"), folder.file("b.smc"), folder.file(patch), strip);
      ApplyPatchFile(folder.file(patch), folder.file(strip ? "a.sfc" : "a.smc"), folder.file("out"));
      EXPECT_EQ(ReadWholeFile(folder.file("out")), Bytes(modified.begin() + (strip ? 0x200 : 0), modified.end()));
    }
  // The moved texts come from the source: the patch stays small.
  EXPECT_LT(ReadWholeFile(folder.file("fix.bps")).size(), 400u);
}

// Each patch byte for byte, as the formats' rules give it. BPS: same-place reads of 4 bytes or more, copies of 6
// or more (the longest candidate from anywhere in the source or from the target so far, its offset relative to
// the last copy's end), literal bytes for the rest; shown without its three CRC32s. IPS: one record over gaps of
// fewer than 5 unchanged bytes, runs of 16 or more as a repeat record, the last byte of a grown file written, a
// shrunk file's size after "EOF".
TEST(Patch, EachKindWritesTheRecordsItsRulesGive) {
  std::string changed(40, '\0');
  changed[2] = 1, changed[6] = 2, changed[12] = 3, changed.replace(20, 20, 20, 7);
  const struct { PatchKind kind; std::string source, target, patch; } rows[] = {
      {Bps, "abcdefgh", "abcXefgh", "42 50 53 31 88 88 80 8D 61 62 63 58 8C"},
      {Bps, "abcdefgh", "XabcdeY", "42 50 53 31 88 87 80 99 58 61 62 63 64 65 59"},
      {Bps, "ABCDEFGHABCDxyzw", "QABCDEFGH", "42 50 53 31 90 89 80 81 51 9E 80"},
      {Bps, "abcdefghijkl", "ghijklabcdefzzzzzzzzzz", "42 50 53 31 8C 96 80 96 8C 96 99 81 7A A3 98"},
      {Ips, std::string(40, '\0'), changed,
       "50 41 54 43 48 00 00 02 00 05 01 00 00 00 02 00 00 0C 00 01 03 00 00 14 00 00 00 14 07 45 4F 46"},
      {Ips, "ABCDEFGH", "ABCD", "50 41 54 43 48 45 4F 46 00 00 04"}, {Ips, "AB", "AB", "50 41 54 43 48 45 4F 46"},
      {Ips, std::string(4, '\0'), std::string(8, '\0'), "50 41 54 43 48 00 00 07 00 01 00 45 4F 46"}};
  for (const auto& row : rows) {
    const Bytes source(row.source.begin(), row.source.end()), target(row.target.begin(), row.target.end());
    Bytes patch = CreatePatch(row.kind, source, target);
    EXPECT_EQ(ApplyPatch(patch, source), target) << row.target;
    patch.resize(patch.size() - (row.kind == Bps ? 12 : 0));
    EXPECT_EQ(patch, Hex(row.patch)) << row.target;
  }
  for (const auto& [path, kind] : {std::pair{"a.IpS", Ips}, {"ips", Bps}, {"a.ips.b", Bps}})
    EXPECT_EQ(PatchKindFor(path), kind) << path;
}

// A patch that cannot be applied is refused with its reason and writes nothing; a BPS patch names the base it
// wants.
// An IPS patch of these records; a BPS patch for `base` that declares a target of `size` bytes and holds no action.
Bytes IpsRecords(std::string_view records) {
  Bytes patch{'P', 'A', 'T', 'C', 'H'};
  patch.insert(patch.end(), records.begin(), records.end());
  return patch;
}
Bytes BpsWithTarget(const Bytes& base, uint64_t size) {
  Bytes patch{'B', 'P', 'S', '1'};
  for (uint64_t number : {uint64_t{base.size()}, size, uint64_t{0}})
    for (;; number = (number >> 7) - 1) {
      patch.push_back(static_cast<uint8_t>(number & 0x7F) | (number >> 7 == 0 ? 0x80 : 0));
      if (number >> 7 == 0) break;
    }
  const auto put = [&patch](uint32_t crc) { for (int i = 0; i < 32; i += 8) patch.push_back(uint8_t(crc >> i)); };
  put(Crc32(base)), put(0), put(Crc32(patch));
  return patch;
}

TEST(Patch, RefusalsSayWhyAndWriteNothing) {
  TempFolder folder;
  std::string fills;  // the whole reachable range again and again
  for (int i = 0; i < 1100; ++i) fills += std::string("\0\0\0\0\0\xFF\xFF\x01", 8);
  const Bytes repeats = IpsRecords(fills + "EOF");
  const Bytes a(5120, 1), bps = CreateBps(a, Bytes(5121, 2));
  Bytes damaged = bps;
  damaged[damaged.size() / 2] ^= 1;
  const std::string other = "This patch was made for another file: the base has CRC32 ";
  const std::string wants = " bytes, the patch expects CRC32 6BA56498 and 5120 bytes. Nothing was written.";
  const struct { Bytes patch, base; std::string says; } rows[] = {
      {bps, Bytes(4488, 1), other + "888F4713 and 4488" + wants},
      {damaged, a, "The patch file is damaged: its own CRC32 does not match."},
      {Bytes{'n', 'o', 'p', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, a, "This is neither a BPS nor an IPS patch."},
      {Bytes{'B', 'P', 'S', '1'}, a, "This is not a BPS patch."},
      {Bytes{'P', 'A', 'T', 'C', 'H', 'E', 'O'}, a, "This is not an IPS patch."},
      {Bytes{'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 9, 1}, a,
       "The IPS patch is damaged: it ends in the middle of a record."},
      {IpsRecords("EOFxyzw"), a, "The IPS patch is damaged: 4 bytes follow its end marker."},
      {IpsRecords("EOF\0\0\0"sv), a, "The IPS patch is damaged: it cuts the file to 0 bytes."},
      {IpsRecords("\0\0\x10\0\0\0\0\x07" "EOF"sv), a, "The IPS patch is damaged: a repeat record at offset 16 has no length."},
      {repeats, a, "The IPS patch is damaged: its records write more than 67371004 bytes."},
      {BpsWithTarget(a, uint64_t{1} << 32), a,
       "The patch file is damaged: its target of 4294967296 bytes is larger than the largest image (64 MiB)."}};
  for (const auto& row : rows) {
    WriteFileAtomically(folder.file("fix"), row.patch);
    WriteFileAtomically(folder.file("base.smc"), row.base);
    std::string refused = "not refused";
    try {
      ApplyPatchFile(folder.file("fix"), folder.file("base.smc"), folder.file("out.smc"));
    } catch (const PatchRefused& e) { refused = e.what(); }
    EXPECT_EQ(std::pair(refused, FileExists(folder.file("out.smc"))), std::pair(row.says, false));
  }
}

TEST(Patch, IpsOffsetsStayInsideTheFormat) {
  constexpr size_t kEndMarker = 0x454F46;
  Bytes a(kEndMarker + 30, 0), b = a;
  b[kEndMarker] = 7;  // a record starting here would read as "EOF"
  EXPECT_THROW(CreateIps(a, b), PatchRefused);
  b[kEndMarker - 1] = 5;  // a change running across the offset is fine, a run starting there included
  std::fill(b.begin() + kEndMarker, b.begin() + kEndMarker + 20, 7);
  EXPECT_EQ(ApplyIps(CreateIps(a, b), a), b);
  std::fill(b.begin() + kEndMarker - 40, b.begin() + kEndMarker, 7);
  EXPECT_EQ(ApplyIps(CreateIps(a, b), a), b);

  Bytes big(0x1000000 + 2, 0), changedBeyond = big;
  changedBeyond[0x1000001] = 1;  // past the 24-bit offsets
  EXPECT_THROW(CreateIps(big, changedBeyond), PatchRefused);
  EXPECT_THROW(CreateIps(Bytes(0x1000010, 0), big), PatchRefused);  // shrinks to a size of 25 bits
  EXPECT_EQ(ApplyIps(CreateIps(big, Bytes(16, 3)), big), Bytes(16, 3));
}

// The cartridge header: found at the LoROM place 0x7FC0 or the HiROM place 0xFFC0 (behind a copier header too)
// where its map mode fits the place and its checksum and complement add up to 0xFFFF. The checksum sums the part
// beyond the largest power of two as often as the console mirrors it; a fix writes it with its complement.
// Each image holds one header (checksum 0, complement 0xFFFF) and some bytes; the sum is that of the placed
// bytes with their mirrors, -1 when no header is found.
TEST(CartridgeChecksum, HeaderWhereTheMapModeFitsSumWithMirrorsAndFix) {
  struct Row { size_t size, copier, place; uint8_t mode; std::vector<std::pair<size_t, uint8_t>> bytes; int sum; };
  const Row rows[] = {
      {0x20000, 0, 0x7FC0, 0x20, {}, 0}, {0x20000, 0, 0x7FC0, 0x30, {}, 0}, {0x20000, 0, 0x7FC0, 0x22, {}, 0},
      {0x20000, 0, 0x7FC0, 0x23, {}, 0}, {0x20000, 0, 0x7FC0, 0x21, {}, -1}, {0x20000, 0, 0x7FC0, 0x25, {}, -1},
      {0x20000, 0, 0xFFC0, 0x21, {}, 0}, {0x20000, 0, 0xFFC0, 0x31, {}, 0}, {0x20000, 0, 0xFFC0, 0x35, {}, 0},
      {0x20000, 0, 0xFFC0, 0x20, {}, -1}, {0x20000, 0, 0xFFC0, 0x22, {}, -1}, {0x20000, 0, 0xFFC0, 0x41, {}, -1},
      {0x20000, 0, 0x7FC0, 0x20, {{0x7FDC, 0xFE}}, -1}, {0x400000, 512, 0xFFC0, 0x21, {{5, 9}}, 9},
      {0x100000, 0, 0x7FC0, 0x20, {{0x80000, 0x10}}, 0x10}, {0x8001, 0, 0x7FC0, 0x20, {{0x8000, 1}}, 0x8000},
      {0x280000, 0, 0x7FC0, 0x20, {{0x200005, 0x20}}, 4 * 0x20}, {0x140000, 0, 0x7FC0, 0x20, {{0x100005, 3}}, 4 * 3},
      {0x300000, 512, 0x7FC0, 0x20, {{0x100, 0x10}, {0x200005, 0x20}}, 0x10 + 2 * 0x20},
      {0x380000, 0, 0x7FC0, 0x20, {{0x200005, 0x20}, {0x300005, 0x30}}, 0x20 + 2 * 0x30}};
  for (const auto& row : rows) {
    Bytes file(row.copier + row.size, 0);
    const size_t header = row.copier + row.place;
    file[header + 0x15] = row.mode;
    file[header + 0x1C] = file[header + 0x1D] = 0xFF;
    for (const auto& [offset, value] : row.bytes) file[row.copier + offset] = value;
    std::optional<CartridgeHeader> found = FindCartridgeHeader(file);
    SCOPED_TRACE(std::to_string(row.size) + " " + std::to_string(row.place) + " " + std::to_string(row.mode));
    ASSERT_EQ(found.has_value(), row.sum >= 0);
    if (!found) continue;
    const auto sum = static_cast<uint16_t>(row.mode + 0xFF + 0xFF + row.sum);
    EXPECT_EQ(std::tuple(found->mapping, found->position, ComputeChecksum(file, *found)),
              std::tuple(row.place == 0x7FC0 ? RomMapping::LoRom : RomMapping::HiRom, header, sum));
    ASSERT_TRUE(FixCartridgeChecksum(file));
    found = FindCartridgeHeader(file);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(std::pair(found->storedChecksum, found->storedComplement), std::pair(sum, uint16_t(sum ^ 0xFFFF)));
  }
}

}  // namespace
}  // namespace orvane
