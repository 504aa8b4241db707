// The cartridge header and its checksum: the demo ROM's is right and found at the HiROM place, a
// changed image is fixed, an image without a header is refused, and images whose size is not a
// power of two are summed with the mirrored part counted as often as the console sees it.
#include <gtest/gtest.h>

#include "demo/demo_rom.h"
#include "exchange/cartridge.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(CartridgeChecksum, DemoIsRightAndAChangedImageIsFixed) {
  Bytes rom = demo::BuildDemoRom();
  std::optional<CartridgeHeader> header = FindCartridgeHeader(rom);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->mapping, RomMapping::HiRom);
  EXPECT_EQ(header->position, 0x101C0u);
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

TEST(CartridgeChecksum, MapModeMustFitItsPlace) {
  const struct {
    size_t place;
    uint8_t mode;
    bool found;
  } rows[] = {{0x7FC0, 0x20, true},  {0x7FC0, 0x30, true},  {0x7FC0, 0x22, true},  {0x7FC0, 0x23, true},
              {0x7FC0, 0x21, false}, {0x7FC0, 0x25, false}, {0xFFC0, 0x21, true},  {0xFFC0, 0x31, true},
              {0xFFC0, 0x35, true},  {0xFFC0, 0x20, false}, {0xFFC0, 0x22, false}, {0xFFC0, 0x41, false}};
  for (const auto& row : rows) {
    Bytes image(0x20000, 0);
    image[row.place + 0x15] = row.mode;
    image[row.place + 0x1C] = image[row.place + 0x1D] = 0xFF;
    EXPECT_EQ(FindCartridgeHeader(image).has_value(), row.found) << std::hex << row.place << " " << int(row.mode);
  }
}

TEST(CartridgeChecksum, MirroredPartsCountAsOftenAsTheyRepeat) {
  struct Row {
    size_t size;
    size_t copier;
    std::vector<std::pair<size_t, uint8_t>> bytes;  // image offset, value
    uint32_t sum;                                   // of the placed bytes, mirrors counted
  };
  const std::vector<Row> rows = {
      {0x100000, 0, {{0x80000, 0x10}}, 0x10},      {0x300000, 512, {{0x100, 0x10}, {0x200005, 0x20}}, 0x10 + 2 * 0x20},
      {0x280000, 0, {{0x200005, 0x20}}, 4 * 0x20}, {0x380000, 0, {{0x200005, 0x20}, {0x300005, 0x30}}, 0x20 + 2 * 0x30},
      {0x140000, 0, {{0x100005, 0x03}}, 4 * 0x03},
  };
  for (const Row& row : rows) {
    Bytes file(row.copier + row.size, 0);
    const size_t header = row.copier + 0x7FC0;
    file[header + 0x15] = 0x20;  // LoROM
    file[header + 0x1C] = file[header + 0x1D] = 0xFF;
    for (const auto& [offset, value] : row.bytes) file[row.copier + offset] = value;
    const std::optional<CartridgeHeader> found = FindCartridgeHeader(file);
    ASSERT_TRUE(found) << row.size;
    EXPECT_EQ(found->mapping, RomMapping::LoRom);
    EXPECT_EQ(ComputeChecksum(file, *found), static_cast<uint16_t>(0x20 + 0xFF + 0xFF + row.sum)) << row.size;
  }
}

}  // namespace
}  // namespace orvane
