// The number formatting every drawing step uses to round to whole pixels.
#include <benchmark/benchmark.h>

#include "platform/textutil.h"

static void BM_FormatFixed(benchmark::State& state) {
  double v = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tvx::FormatFixed(v, 5, 0));
    v += 0.37;
  }
}
BENCHMARK(BM_FormatFixed);

BENCHMARK_MAIN();
