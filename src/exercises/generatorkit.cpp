#include "exercises/generatorkit.h"

#include "platform/random.h"
#include "simulator/keys.h"

namespace tvx {

int DrawStep(int low, int high, int step) { return Rng().Random((high - low) / step + 1) * step + low; }

QString WindLine(int direction, int speed) {
  // Wind directions read like headings: "005", "045", "270".
  return "The wind is: " + HeadingLabelText(direction) + "/" + QString::number(speed) + ".";
}

bool ApplyCourseLine(const AreaState& area, SimState& s, const QString& name, int course) {
  bool found = false;
  for (int i = 0; i < kAreaSlots; ++i) {
    for (const AreaBeaconList* list : {&area.VorList, &area.NdbList}) {
      const AreaBeacon& beacon = (*list)[static_cast<std::size_t>(i)];
      if (!beacon.Used() || beacon.Name != name) continue;
      s.CourseLineX = beacon.X;
      s.CourseLineY = beacon.Y;
      s.CourseLineCourse = course;
      s.CourseLineShown = true;
      found = true;
    }
  }
  return found;
}

}  // namespace tvx
