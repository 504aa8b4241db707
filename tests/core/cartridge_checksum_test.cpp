// The cartridge header and its checksum: the demo ROM's is right and found at the HiROM place, a
// changed image is fixed, an image without a header is refused, the map mode must fit its place, and
// images whose size is not a power of two are summed with the mirrored part counted as often as the
// console sees it.
#include <gtest/gtest.h>

#include "demo/demo_rom.h"
#include "exchange/cartridge.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;

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
