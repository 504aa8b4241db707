#include <iostream>
#include <string>

int main(int argc, char** argv) {
  const std::string usage =
      "orvane-cli: the headless companion of Orvane Texteditor\n"
      "usage: orvane-cli COMMAND [options]\n";
  if (argc < 2 || std::string(argv[1]) == "--help") {
    std::cout << usage;
    return 0;
  }
  std::cerr << usage;
  return 2;
}
