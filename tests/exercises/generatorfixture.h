#pragma once
// What the generator window tests share: seeds chosen for a wanted draw,
// answers typed into the exercise panel, and where the aircraft stands
// relative to a point of the area.
#include <QtTest>
#include <cmath>
#include <cstdint>

#include "areas/areamodel.h"
#include "platform/random.h"
#include "simulator/form1.h"
#include "simulator/radios.h"
#include "simulator/simstate.h"

namespace tvx::test {

// The first seed from which `draw()` gives what `wanted` accepts; the
// generator then draws the same when it starts from that seed.
template <class Draw, class Wanted>
std::uint32_t SeedFor(Draw draw, Wanted wanted) {
  for (std::uint32_t seed = 1; seed < 200000; ++seed) {
    Rng().RandSeed = seed;
    if (wanted(draw())) return seed;
  }
  return 0;
}

// Types `text` into the answer box key by key and presses Enter.
inline void TypeAnswer(TForm1& form, const QString& text) {
  form.ui.Staticinput->clear();
  QTest::keyClicks(form.ui.Staticinput, text);
  QTest::keyClick(form.ui.Staticinput, Qt::Key_Return);
}

inline QStringList TaskLines(TForm1& form) { return form.ui.Staticmemo->toPlainText().split('\n'); }

inline const AreaBeacon& NamedBeacon(const AreaBeaconList& list, const QString& name) {
  return *std::find_if(list.begin(), list.end(), [&](const AreaBeacon& b) { return b.Name == name; });
}

inline QPointF PositionOf(const AreaBeacon& b) { return QPointF(b.X, b.Y); }

// The angle from `expected` to the aircraft's bearing from `from`, in -180..180.
inline double AircraftBearingOff(QPointF from, double expected) {
  const double bearing = BearingFromStation(from.x(), from.y(), Sim.AircraftX, Sim.AircraftY);
  return std::fmod(bearing - expected + 540.0, 360.0) - 180.0;
}

inline double AircraftDistanceFrom(QPointF from) {
  return std::hypot(Sim.AircraftX - from.x(), Sim.AircraftY - from.y());
}

// The angle between two directions, in -180..180.
inline double AngleOff(double a, double b) { return std::fmod(a - b + 540.0, 360.0) - 180.0; }

}  // namespace tvx::test
