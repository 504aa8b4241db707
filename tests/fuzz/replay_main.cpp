// Runs a fuzz target once over every file of the folders and files named on the command line, for
// builds without libFuzzer. Fails when nothing was found, so a misplaced corpus cannot pass unseen.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunOne(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A copy of exactly the input's size, so reads past the end show up under AddressSanitizer.
  auto* exact = new uint8_t[bytes.size()];
  std::copy(bytes.begin(), bytes.end(), exact);
  LLVMFuzzerTestOneInput(exact, bytes.size());
  delete[] exact;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg(argv[i]);
    if (fs::is_directory(arg)) {
      std::vector<fs::path> files;
      for (const auto& entry : fs::recursive_directory_iterator(arg))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      for (const auto& f : files) RunOne(f), ++inputs;
    } else if (fs::is_regular_file(arg)) {
      RunOne(arg), ++inputs;
    }
  }
  std::cout << inputs << " inputs replayed\n";
  return inputs > 0 ? 0 : 1;
}
