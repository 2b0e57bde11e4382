#pragma once
// The built-in area "Area1" on its plane around VOR 1, for tests without a window.
#include "areas/areamodel.h"

namespace tvx::test {

inline AreaState ProjectedDefaultArea() {
  AreaState a;
  FillDefaultArea(a);
  BrVORXY(a.VorList, a.NdbList, a.IlsList);
  a.AreaName = "Area1";
  return a;
}

}  // namespace tvx::test
