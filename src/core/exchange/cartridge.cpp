#include "exchange/cartridge.h"

#include <array>

namespace orvane {

namespace {

constexpr size_t kCopierHeader = 0x200;
constexpr size_t kMapMode = 0x15;  // offsets inside the cartridge header
constexpr size_t kComplement = 0x1C;
constexpr size_t kChecksum = 0x1E;
constexpr size_t kHeaderSize = 0x20;

struct Place {
  RomMapping mapping;
  size_t offset;  // in the image
};
constexpr std::array<Place, 2> kPlaces{{{RomMapping::LoRom, 0x7FC0}, {RomMapping::HiRom, 0xFFC0}}};

uint16_t Little16(std::span<const uint8_t> file, size_t at) {
  return static_cast<uint16_t>(file[at] | file[at + 1] << 8);
}

// The map mode byte: 0x20 plus the mapping in the low bits (0x10 for fast ROM). LoROM boards
// (plain, with SA-1 or S-DD1) use 0, 2 or 3; HiROM boards 1 or 5.
bool MapModeFits(uint8_t mode, RomMapping mapping) {
  if ((mode & 0xE0) != 0x20) return false;
  const uint8_t kind = mode & 0x0F;
  return mapping == RomMapping::LoRom ? (kind == 0 || kind == 2 || kind == 3) : (kind == 1 || kind == 5);
}

uint32_t PlainSum(std::span<const uint8_t> bytes) {
  uint32_t sum = 0;
  for (uint8_t b : bytes) sum += b;
  return sum;
}

// The sum of `bytes` mirrored up to the next power of two.
uint32_t MirroredSum(std::span<const uint8_t> bytes) {
  size_t whole = 1;
  while (whole * 2 <= bytes.size()) whole *= 2;
  if (bytes.empty() || whole == bytes.size()) return PlainSum(bytes);
  const std::span<const uint8_t> rest = bytes.subspan(whole);
  size_t restWhole = 1;
  while (restWhole < rest.size()) restWhole *= 2;
  return PlainSum(bytes.first(whole)) + MirroredSum(rest) * static_cast<uint32_t>(whole / restWhole);
}

}  // namespace

size_t CopierHeaderSize(size_t fileSize) { return fileSize % 0x400 == kCopierHeader ? kCopierHeader : 0; }

std::optional<CartridgeHeader> FindCartridgeHeader(std::span<const uint8_t> file) {
  const size_t copier = CopierHeaderSize(file.size());
  std::optional<CartridgeHeader> found;
  for (const Place& place : kPlaces) {
    const size_t at = copier + place.offset;
    if (at + kHeaderSize > file.size() || !MapModeFits(file[at + kMapMode], place.mapping)) continue;
    const CartridgeHeader header{place.mapping, at, Little16(file, at + kChecksum), Little16(file, at + kComplement)};
    if ((header.storedChecksum ^ header.storedComplement) != 0xFFFF) continue;
    if (!found || header.storedChecksum == ComputeChecksum(file, header)) found = header;
  }
  return found;
}

uint16_t ComputeChecksum(std::span<const uint8_t> file, const CartridgeHeader& header) {
  const std::span<const uint8_t> image = file.subspan(CopierHeaderSize(file.size()));
  uint32_t sum = MirroredSum(image);
  // The stored pair is counted as 0x0000 and 0xFFFF, whatever it holds now.
  for (size_t k = 0; k < 4; ++k) sum -= file[header.position + kComplement + k];
  return static_cast<uint16_t>(sum + 0xFF + 0xFF);
}

void WriteChecksum(std::vector<uint8_t>& file, const CartridgeHeader& header, uint16_t checksum) {
  const uint16_t complement = checksum ^ 0xFFFF;
  file[header.position + kComplement] = complement & 0xFF;
  file[header.position + kComplement + 1] = complement >> 8;
  file[header.position + kChecksum] = checksum & 0xFF;
  file[header.position + kChecksum + 1] = checksum >> 8;
}

bool FixCartridgeChecksum(std::vector<uint8_t>& file) {
  const std::optional<CartridgeHeader> header = FindCartridgeHeader(file);
  if (!header) return false;
  WriteChecksum(file, *header, ComputeChecksum(file, *header));
  return true;
}

std::string MappingName(RomMapping mapping) { return mapping == RomMapping::LoRom ? "LoROM" : "HiROM"; }

}  // namespace orvane
