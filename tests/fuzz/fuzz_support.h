// Shared by the fuzz targets: a check that aborts (libFuzzer then saves the
// input), and input splitting.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                  \
  do {                                                                         \
    if (!(condition)) {                                                        \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                            \
    }                                                                          \
  } while (0)

// The input cut at its zero bytes into at most |count| texts (the last takes
// the rest, its zero bytes dropped), padded with empty texts.
inline std::vector<std::string> SplitInput(const uint8_t* data, size_t size, size_t count) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      if (parts.size() < count) parts.emplace_back();
      continue;
    }
    parts.back() += static_cast<char>(data[i]);
  }
  parts.resize(count);
  return parts;
}
