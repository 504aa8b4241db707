// Runs a fuzz target once over every file of the folders named on the command line, for builds
// without libFuzzer. Fails when nothing was found, so a misplaced corpus cannot pass unseen.
#include <filesystem>
#include <iostream>

#include "common/file_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  int inputs = 0;
  for (int i = 1; i < argc; ++i)
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i])) {
      if (!entry.is_regular_file()) continue;
      // Exactly the input's size is allocated, so that reads past its end show under AddressSanitizer.
      const std::vector<uint8_t> bytes = orvane::ReadWholeFile(entry.path());
      inputs += LLVMFuzzerTestOneInput(bytes.data(), bytes.size()) == 0;
    }
  std::cout << inputs << " inputs replayed\n";
  return inputs > 0 ? 0 : 1;
}
