#include "platform/random.h"

#include <chrono>

namespace tvx {

int RandomGenerator::Random(int n) {
  RandSeed = RandSeed * 134775813u + 1u;  // wraps modulo 2^32
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * RandSeed) >> 32);
}

double RandomGenerator::RandomReal() {
  RandSeed = RandSeed * 134775813u + 1u;
  return static_cast<double>(RandSeed) / 4294967296.0;
}

void RandomGenerator::Randomize() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  RandSeed = static_cast<std::uint32_t>(ticks);
}

RandomGenerator& Rng() {
  static RandomGenerator generator;
  return generator;
}

}  // namespace tvx
