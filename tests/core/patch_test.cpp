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
// without the copier header); a BPS patch refuses another base and a damaged patch; IPS refuses
// what its offsets cannot reach and never lets a record read as its end marker.
using Bytes = std::vector<uint8_t>;
using testing::TempFolder;

// B made from A the way ROM edits look: bytes changed in place, stretches moved by an insertion or
// a deletion, runs of one value, repeats of earlier bytes, and a file that grows or shrinks.
Bytes Edited(const Bytes& a, std::mt19937& rng) {
  Bytes b = a;
  const auto pick = [&](size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  for (int edits = 1 + static_cast<int>(pick(6)); edits > 0; --edits) {
    const size_t at = pick(b.size() + 1);
    const size_t length = 1 + pick(300);
    const size_t end = std::min(b.size(), at + length);
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
  return b;
}

TEST(Patch, AppliedToItsSourceGivesTheTargetForRandomPairs) {
  std::mt19937 rng(7);
  for (int pair = 0; pair < 300; ++pair) {
    Bytes a(std::uniform_int_distribution<size_t>(0, 20000)(rng));
    for (uint8_t& byte : a) byte = rng() % 4 == 0 ? static_cast<uint8_t>(rng()) : 0;
    const Bytes b = Edited(a, rng);
    for (PatchKind kind : {PatchKind::Bps, PatchKind::Ips})
      ASSERT_EQ(ApplyPatch(CreatePatch(kind, a, b), a), b)
          << "pair " << pair << (kind == PatchKind::Bps ? " BPS" : " IPS");
  }
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
  for (const char* patch : {"fix.bps", "fix.ips"}) {
    CreatePatchFile(folder.file("a.smc"), folder.file("b.smc"), folder.file(patch), false);
    ApplyPatchFile(folder.file(patch), folder.file("a.smc"), folder.file("out.smc"));
    EXPECT_EQ(ReadWholeFile(folder.file("out.smc")), modified) << patch;
    CreatePatchFile(folder.file("a.smc"), folder.file("b.smc"), folder.file(patch), true);
    ApplyPatchFile(folder.file(patch), folder.file("a.sfc"), folder.file("out.sfc"));
    EXPECT_EQ(ReadWholeFile(folder.file("out.sfc")), Bytes(modified.begin() + 0x200, modified.end())) << patch;
  }
  // The moved texts come from the source: the patch stays small.
  EXPECT_LT(ReadWholeFile(folder.file("fix.bps")).size(), 400u);
}

TEST(Patch, BpsRefusesAnotherBaseAndADamagedPatch) {
  TempFolder folder;
  const Bytes a(5120, 1), b(5121, 2);
  Bytes patch = CreateBps(a, b);
  WriteFileAtomically(folder.file("fix.bps"), patch);
  WriteFileAtomically(folder.file("base.smc"), Bytes(4488, 1));
  // A base with a copier header in front of the right image: refused, with the way out.
  Bytes headed(512, 0);
  headed.insert(headed.end(), a.begin(), a.end());
  WriteFileAtomically(folder.file("headed.smc"), headed);
  for (const auto& [base, says] : {std::pair{"base.smc", "This patch was made for another file: the base has CRC32"},
                                    {"headed.smc", "It fits this ROM without its 512-byte copier header"}}) {
    std::string refused = "not refused";
    try {
      ApplyPatchFile(folder.file("fix.bps"), folder.file(base), folder.file("out.smc"));
    } catch (const PatchRefused& e) { refused = e.what(); }
    EXPECT_NE(refused.find(says), std::string::npos) << refused;
    EXPECT_FALSE(DateiExistiert(folder.file("out.smc")));
  }
  patch[patch.size() / 2] ^= 1;
  EXPECT_THROW(ApplyBps(patch, a), PatchRefused);
  EXPECT_THROW(ApplyPatch(Bytes{'n', 'o', 'p', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, a), PatchRefused);
}

TEST(Patch, IpsOffsetsStayInsideTheFormat) {
  constexpr size_t kEndMarker = 0x454F46;
  Bytes a(kEndMarker + 30, 0);
  Bytes b = a;
  b[kEndMarker] = 7;  // a record starting here would read as "EOF"
  EXPECT_THROW(CreateIps(a, b), PatchRefused);
  b[kEndMarker - 1] = 5;  // a change running across the offset is fine, a run starting there included
  std::fill(b.begin() + kEndMarker, b.begin() + kEndMarker + 20, 7);
  EXPECT_EQ(ApplyIps(CreateIps(a, b), a), b);
  std::fill(b.begin() + kEndMarker - 40, b.begin() + kEndMarker, 7);
  EXPECT_EQ(ApplyIps(CreateIps(a, b), a), b);

  const Bytes big(0x1000000 + 2, 0);
  Bytes changedBeyond = big;
  changedBeyond[0x1000001] = 1;  // past the 24-bit offsets
  EXPECT_THROW(CreateIps(big, changedBeyond), PatchRefused);
  EXPECT_THROW(CreateIps(Bytes(0x1000010, 0), big), PatchRefused);  // shrinks to a size of 25 bits
  EXPECT_EQ(ApplyIps(CreateIps(big, Bytes(16, 3)), big), Bytes(16, 3));
  EXPECT_THROW(ApplyIps(Bytes{'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 9, 1}, a), PatchRefused);
}

// The cartridge header and its checksum: the demo ROM's is right and found at the HiROM place, a
// changed image is fixed, an image without a header is refused, the map mode must fit its place, and
// images whose size is not a power of two are summed with the mirrored part counted as often as the
// console sees it.

TEST(CartridgeChecksum, DemoIsRightAndAChangedImageIsFixed) {
  Bytes rom = demo::BuildDemoRom();
  std::optional<CartridgeHeader> header = FindCartridgeHeader(rom);
  ASSERT_TRUE(header && header->mapping == RomMapping::HiRom && header->position == 0x101C0u);
  EXPECT_EQ(ComputeChecksum(rom, *header), header->storedChecksum);
  rom[0x370300] += 5;
  EXPECT_EQ(ComputeChecksum(rom, *header), static_cast<uint16_t>(header->storedChecksum + 5));
  ASSERT_TRUE(FixCartridgeChecksum(rom));
  header = FindCartridgeHeader(rom);
  ASSERT_TRUE(header);
  EXPECT_EQ(ComputeChecksum(rom, *header), header->storedChecksum);
  EXPECT_EQ(header->storedChecksum ^ header->storedComplement, 0xFFFF);
  EXPECT_FALSE(FindCartridgeHeader(Bytes(0x400200, 0)));
}

// Each image holds one header (checksum 0, complement 0xFFFF) at the LoROM place 0x7FC0 or the HiROM place
// 0xFFC0 and some bytes; the sum is that of the placed bytes with their mirrors, -1 when no header is found.
TEST(CartridgeChecksum, MapModeMustFitItsPlaceAndMirroredPartsCountAsOftenAsTheyRepeat) {
  const struct { size_t size, copier, place; uint8_t mode; std::vector<std::pair<size_t, uint8_t>> bytes; int sum; }
      rows[] = {{0x20000, 0, 0x7FC0, 0x20, {}, 0}, {0x20000, 0, 0x7FC0, 0x30, {}, 0},
                {0x20000, 0, 0x7FC0, 0x22, {}, 0}, {0x20000, 0, 0x7FC0, 0x23, {}, 0},
                {0x20000, 0, 0x7FC0, 0x21, {}, -1}, {0x20000, 0, 0x7FC0, 0x25, {}, -1},
                {0x20000, 0, 0xFFC0, 0x21, {}, 0}, {0x20000, 0, 0xFFC0, 0x31, {}, 0},
                {0x20000, 0, 0xFFC0, 0x35, {}, 0}, {0x20000, 0, 0xFFC0, 0x20, {}, -1},
                {0x20000, 0, 0xFFC0, 0x22, {}, -1}, {0x20000, 0, 0xFFC0, 0x41, {}, -1},
                {0x100000, 0, 0x7FC0, 0x20, {{0x80000, 0x10}}, 0x10},
                {0x300000, 512, 0x7FC0, 0x20, {{0x100, 0x10}, {0x200005, 0x20}}, 0x10 + 2 * 0x20},
                {0x280000, 0, 0x7FC0, 0x20, {{0x200005, 0x20}}, 4 * 0x20},
                {0x380000, 0, 0x7FC0, 0x20, {{0x200005, 0x20}, {0x300005, 0x30}}, 0x20 + 2 * 0x30},
                {0x140000, 0, 0x7FC0, 0x20, {{0x100005, 0x03}}, 4 * 0x03}};
  for (const auto& row : rows) {
    Bytes file(row.copier + row.size, 0);
    const size_t header = row.copier + row.place;
    file[header + 0x15] = row.mode;
    file[header + 0x1C] = file[header + 0x1D] = 0xFF;
    for (const auto& [offset, value] : row.bytes) file[row.copier + offset] = value;
    const std::optional<CartridgeHeader> found = FindCartridgeHeader(file);
    SCOPED_TRACE(std::to_string(row.size) + " " + std::to_string(row.place) + " " + std::to_string(row.mode));
    ASSERT_EQ(found.has_value(), row.sum >= 0);
    if (!found) continue;
    EXPECT_EQ(found->mapping, row.place == 0x7FC0 ? RomMapping::LoRom : RomMapping::HiRom);
    EXPECT_EQ(ComputeChecksum(file, *found), static_cast<uint16_t>(row.mode + 0xFF + 0xFF + row.sum));
  }
}

}  // namespace
}  // namespace orvane
