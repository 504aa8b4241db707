#pragma once
// The cartridge's own header inside the image (title, map mode, checksum and its complement) and
// the checksum the image really has. The copier header in front of the image is not part of it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// 512 when a file of this size carries a copier header (its size is 512 past a multiple of 1 KiB).
size_t CopierHeaderSize(size_t fileSize);

enum class RomMapping { LoRom, HiRom };

struct CartridgeHeader {
  RomMapping mapping = RomMapping::HiRom;
  size_t position = 0;  // file offset of the header's first byte, the copier header counted
  uint16_t storedChecksum = 0;
  uint16_t storedComplement = 0;
};

// The header at the LoROM or HiROM place whose map mode fits that place and whose checksum and
// complement add up to 0xFFFF; where both qualify, the one whose checksum is right. Nothing when
// neither does.
std::optional<CartridgeHeader> FindCartridgeHeader(std::span<const uint8_t> file);

// The sum of the image's bytes modulo 65536, the checksum and complement counted as a fresh pair
// (0x0000 and 0xFFFF). An image whose size is not a power of two is summed as the console sees it:
// the part beyond the largest power of two mirrored until it fills the same size again.
uint16_t ComputeChecksum(std::span<const uint8_t> file, const CartridgeHeader& header);

// Writes the checksum and its complement into the header.
void WriteChecksum(std::vector<uint8_t>& file, const CartridgeHeader& header, uint16_t checksum);

// Finds the header and writes the computed checksum; false when there is no header.
bool FixCartridgeChecksum(std::vector<uint8_t>& file);

// "HiROM", "LoROM"
std::string MappingName(RomMapping mapping);

}  // namespace orvane
