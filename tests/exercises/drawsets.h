#pragma once
// The values a draw may give, for comparing with what many draws gave.
#include <set>

namespace tvx::test {

// low, low + step, ... up to high.
inline std::set<int> Steps(int low, int high, int step) {
  std::set<int> s;
  for (int v = low; v <= high; v += step) s.insert(v);
  return s;
}

}  // namespace tvx::test
