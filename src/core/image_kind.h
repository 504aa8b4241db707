#pragma once
// The two kinds of ROM file: the game's image as the cartridge holds it (".sfc"), and the same
// image behind the 512-byte header of the old copier devices (".smc", ".fig", ".swc"). In memory
// every image is held headed, so each place of the game has one offset everywhere; the kind only
// matters when a file is read or written, and only the functions here tell the two apart.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/prompter.h"

namespace orvane {

enum class ImageKind { Headed, Plain };

// Cartridge images come in whole multiples of 32 KiB (the game's is 4 MiB).
inline constexpr uint64_t kImageUnit = 0x8000;

// The kind a file of `size` bytes has: plain for a positive multiple of 32 KiB, headed for 512
// bytes past one; nothing for any other size.
std::optional<ImageKind> KindForSize(uint64_t size);

// The kind a file name asks for: plain for ".sfc", headed for ".smc", ".fig" and ".swc" (any case);
// nothing for other names.
std::optional<ImageKind> KindForName(const std::string& path);

// "with a copier header" / "without a copier header", for messages.
std::string KindWords(ImageKind kind);

// The refusal of a file whose size fits neither kind: it names the size and both rules.
Message SizeRefusal(const std::string& path, uint64_t size);

// The file's bytes as the program holds them: a plain image gets an empty header in front.
std::vector<uint8_t> ToHeldImage(std::vector<uint8_t> file, ImageKind kind);
// The held bytes as a file of `kind`: a plain image without the first 512 bytes.
std::vector<uint8_t> ToFileImage(std::vector<uint8_t> held, ImageKind kind);

// What the program knows of the ROM it loaded, beside the document's paths.
struct LoadedImage {
  ImageKind kind = ImageKind::Headed;
  bool foreignAccepted = false;  // it failed the game check and the user opened it anyway
};

}  // namespace orvane
