// Runs a fuzz target once over every file of the folders named on the command line, for builds
// without libFuzzer. Fails when nothing was found, so a misplaced corpus cannot pass unseen.
#include <filesystem>
#include <iostream>

#include "support/rom_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i])) {
      // A copy of exactly the input's size, so that reads past its end show under AddressSanitizer.
      const std::string bytes = entry.is_regular_file() ? orvane::testing::ReadFileText(entry.path()) : "";
      const std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
      inputs +=
          entry.is_regular_file() &&
          LLVMFuzzerTestOneInput(std::copy(bytes.begin(), bytes.end(), exact.get()) - bytes.size(), bytes.size()) == 0;
    }
  }
  std::cout << inputs << " inputs replayed\n";
  return inputs > 0 ? 0 : 1;
}
