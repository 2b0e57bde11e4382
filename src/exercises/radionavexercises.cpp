#include "exercises/radionavexercises.h"

#include "exercises/generatorkit.h"
#include "platform/random.h"
#include "platform/textutil.h"

namespace tvx {

namespace {

const char* const kUseMinus = "(Use - if the pointer is left)";
const QString kCoarseKeys = QString::fromUtf8("([U]=-10\u00b0 / [I]=+10\u00b0)");
const QString kFineKeys =
    QString::fromUtf8("([U]=-10\u00b0 / [SHIFT]+[U]=-1\u00b0/ [I]=+10\u00b0 / [SHIFT]+[I]=+1\u00b0)");

// How the radial (or QDR) of the start position is drawn.
enum class RadialDraw { Fixed180, Fixed230, Step30, Step10, AnyDegree };

int DrawRadial(RadialDraw draw) {
  switch (draw) {
    case RadialDraw::Fixed180: return 180;
    case RadialDraw::Fixed230: return 230;
    case RadialDraw::Step30: return DrawStep(0, 330, 30);
    case RadialDraw::Step10: return DrawStep(0, 350, 10);
    case RadialDraw::AnyDegree: return Rng().Random(360);
  }
  return 0;
}

struct ItemRow {
  RadialDraw Radial;
  bool Vor;  // VOR "AAA", else NDB "MMM"
  bool Map;
  BearingAnswer Answer;
  QStringList Task;
};

// The items that need no draw of their own beyond the position, by item.
ItemRow RowOf(RadioNavItem item) {
  using R = RadialDraw;
  using A = BearingAnswer;
  switch (item) {
    case RadioNavItem::Bear:
      return {R::Fixed180, false, false, A::RelativeBearing, {"Enter the relative ADF bearing", kUseMinus}};
    case RadioNavItem::Point:
      return {R::Fixed230, false, false, A::RelativeBearing, {}};
    case RadioNavItem::MapQdm:
      return {R::Step30, false, true, A::Qdm,
              {"Determine the QDM to NDB MMM, ONLY by looking at the MAP!",
               "(QDM is always a multiple of 30. Press [X] to change scale)"}};
    case RadioNavItem::InsQdm:
      return {R::Step10, false, false, A::Qdm, {"Determine the QDM to the NDB by looking at the instruments."}};
    case RadioNavItem::MapQdr:
      return {R::Step30, false, true, A::Qdr,
              {"Determine the QDR from NDB MMM, ONLY by looking at the MAP!",
               "(QDR is always a multiple of 30. Press [X] to change scale)"}};
    case RadioNavItem::InsQdr:
      return {R::Step10, false, false, A::Qdr, {"Determine the QDR from the NDB by looking at the instruments."}};
    case RadioNavItem::RmiQdmQdr:
      return {R::Step10, false, false, A::Qdm, {}};
    case RadioNavItem::MapRad:
      return {R::Step30, true, true, A::Radial,
              {"Determine the RADIAL from VOR AAA, ONLY by looking at the MAP!",
               "(The radial is always a multiple of 30. Press [X] to change scale)"}};
    case RadioNavItem::VorRad:
      return {R::Step10, true, false, A::Radial,
              {"Determine the RADIAL from the VOR by turning the VOR 1 instrument. " + kCoarseKeys}};
    case RadioNavItem::MapCrs:
      return {R::Step30, true, true, A::InboundCourse,
              {"Determine the INBOUND COURSE to VOR AAA, ONLY by looking at the MAP!",
               "(The inbound course is always a multiple of 30. Press [X] to change scale)"}};
    case RadioNavItem::VorCrs:
      return {R::Step10, true, false, A::InboundCourse,
              {"Determine the INBOUND COURSE to the VOR by turning the VOR 1 instrument. " + kCoarseKeys}};
    case RadioNavItem::VorChange:
      return {R::Step10, true, true, A::None,
              {"This is a DEMO. Turn the VOR instrument and see how the needle and flag change.", kFineKeys,
               "Press [X] to change scale"}};
    case RadioNavItem::ExactRad:
      return {R::AnyDegree, true, false, A::Radial,
              {"Determine the exact RADIAL from the VOR by turning the VOR 1 instrument.", kFineKeys}};
    case RadioNavItem::ExactCrs:
      return {R::AnyDegree, true, false, A::InboundCourse,
              {"Determine the exact INBOUND COURSE TO the VOR by turning the VOR 1 instrument.", kFineKeys}};
  }
  return {R::Fixed180, false, false, A::None, {}};
}

}  // namespace

RadioNavExercise DrawRadioNav(RadioNavItem item, ExerciseState& ex) {
  const ItemRow row = RowOf(item);
  RadioNavExercise out;
  out.Question = row.Answer != BearingAnswer::None;
  out.ShowMap = row.Map;
  out.Answer = row.Answer;
  out.Task = row.Task;
  out.Panel.Beacon = row.Vor ? "AAA" : "MMM";
  out.Panel.Radial = DrawRadial(row.Radial);
  out.Panel.Heading = DrawStep(0, 350, 10);

  if (item == RadioNavItem::Point) {
    // The bearing is asked for another heading than the one flown.
    ex.ExSide = Rng().Random(2);
    const int offset = DrawStep(10, 80, 10);
    ex.ExValueA = Compass0To359(ex.ExSide == 0 ? out.Panel.Heading - offset : out.Panel.Heading + offset);
    out.AskedHeading = ex.ExValueA;
    out.Task = {"Enter the relative ADF bearing if the airplane's heading is: " + QString::number(ex.ExValueA),
                kUseMinus};
  } else if (item == RadioNavItem::RmiQdmQdr) {
    out.RmiNeedle = true;
    ex.ExSide = Rng().Random(2);
    if (ex.ExSide == 0) {
      out.Task = {"Determine the QDM to the NDB by looking at the RMI."};
      out.Answer = BearingAnswer::Qdm;
    } else {
      out.Task = {"Determine the QDR from the NDB by looking at the RMI."};
      out.Answer = BearingAnswer::Qdr;
    }
  }
  return out;
}

int WholeBearing(double bearing) { return Compass0To359(RoundPixel(bearing)); }

int RelativeBearingAnswer(double adfQdr, double heading) {
  int relative = RoundPixel(adfQdr - heading + 180);
  if (relative > 180) relative -= 360;
  // Straight behind reads 180, never -180.
  if (relative <= -180) relative += 360;
  return relative;
}

int ExpectedBearingAnswer(const RadioNavExercise& exercise, const SimState& s) {
  switch (exercise.Answer) {
    case BearingAnswer::None: return 0;
    case BearingAnswer::RelativeBearing:
      return RelativeBearingAnswer(s.AdfQdr, exercise.AskedHeading >= 0 ? exercise.AskedHeading : s.Heading);
    case BearingAnswer::Qdm: return QdmAnswer(s.AdfQdr);
    case BearingAnswer::Qdr: return QdrAnswer(s.AdfQdr);
    case BearingAnswer::Radial: return RadialAnswer(s.Vor1Radial);
    case BearingAnswer::InboundCourse: return InboundCourseAnswer(s.Vor1Radial);
  }
  return 0;
}

}  // namespace tvx
