// BPS and IPS patches: apply(create(A, B), A) == B over random pairs and on the demo ROM (with and
// without the copier header); a BPS patch refuses another base and a damaged patch; IPS refuses
// what its offsets cannot reach and never lets a record read as its end marker.
#include <gtest/gtest.h>

#include <random>

#include "common/file_helpers.h"
#include "demo/demo_rom.h"
#include "exchange/patch.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

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

}  // namespace
}  // namespace orvane
