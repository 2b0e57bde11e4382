#pragma once
// The program's one uniform random generator. Exercises, failure scenarios,
// turbulence and wind variation all draw from the same sequence.
#include <cstdint>

namespace tvx {

struct RandomGenerator {
  std::uint32_t RandSeed = 0;

  // 0..n-1; each draw steps the seed first, then scales it.
  int Random(int n);
  // A real in [0, 1).
  double RandomReal();
  // Seeds from a monotonic high-resolution counter.
  void Randomize();
};

RandomGenerator& Rng();

}  // namespace tvx
