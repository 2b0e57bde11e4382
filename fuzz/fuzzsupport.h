#pragma once
// What every fuzz target shares: the input as the program's own byte array,
// and expectations that stop the run, so the fuzzer keeps the input.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tvx::fuzz {

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace tvx::fuzz

#define FUZZ_EXPECT(condition)                                                                    \
  do {                                                                                            \
    if (!(condition)) {                                                                           \
      std::fprintf(stderr, "expectation failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                               \
    }                                                                                             \
  } while (0)
