// morvane-corpus: writes a generated C corpus of about SIZE bytes to standard
// output (SIZE may end in K or M), for timing the command line on large files.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/CorpusGenerator.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: morvane-corpus SIZE[K|M] [SEED]\n";
    return 2;
  }
  const std::string size = argv[1];
  char* end = nullptr;
  unsigned long long bytes = std::strtoull(size.c_str(), &end, 10);
  if (end && (*end == 'K' || *end == 'k')) bytes <<= 10;
  if (end && (*end == 'M' || *end == 'm')) bytes <<= 20;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
  const std::string text = morvane::bench::generateCorpus(bytes, seed);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
