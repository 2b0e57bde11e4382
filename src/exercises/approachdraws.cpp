#include "exercises/approachdraws.h"

#include "exercises/generatorkit.h"
#include "platform/random.h"
#include "platform/textutil.h"

namespace tvx {

ApproachWind DrawApproachWind() {
  ApproachWind w;
  w.Side = Rng().Random(2);
  // 360 - 0 stays 360: the start panel takes it.
  w.Direction = w.Side == 0 ? DrawStep(180, 240, 10) : 360 - DrawStep(0, 60, 10);
  w.Speed = DrawStep(10, 20, 10);
  return w;
}

ApproachStart ApproachStartOfSide(int side) {
  ApproachStart s;
  s.Side = side;
  s.Heading = side == 0 ? "240" : "300";
  s.Radial = side == 0 ? "087" : "093";
  return s;
}

const ApproachKind& IlsApproach() {
  static const ApproachKind k{"ILA", 270, -1, "11", "108.6", "", "370", false,
                              {"Intercept and fly ILS ILA at 80 knots."}};
  return k;
}

const ApproachKind& LocaliserApproach() {
  static const ApproachKind k{
      "ILA", 270, -1, "11", "108.6", "", "370", true,
      {"Fly a localiser approach at 80 knots.", "Outer marker crossing altitude = 1400 ft.",
       "MDA = 600 ft. MAP = D0.2."}};
  return k;
}

const ApproachKind& VorDmeApproach() {
  static const ApproachKind k{
      "AAA", 270, -1, "13", "", "", "370", false,
      {"Fly a VORDME approach at 80 knots.", "Outer marker crossing altitude = 1400 ft.",
       "MDA = 600 ft. MAP = D2.2."}};
  return k;
}

const ApproachKind& NdbApproach() {
  static const ApproachKind k{"LCA", 360, 360, "7", "114.0", "114.0", "370", false,
                              {"Fly an NDB approach at 80 knots.", "Outer marker crossing altitude = 1400 ft.",
                               "MDA = 600 ft.", "Timing LOM to MAP = 2 min 35 sec (at 80 knots)."}};
  return k;
}

int DrawRodGroundspeed() { return DrawStep(60, 195, 5); }

int RodAnswer(int groundspeed) { return 5 * groundspeed; }

int DrawVdpMdh() { return DrawStep(420, 690, 30); }

QString VdpAnswer(int mdh) { return FormatFixed(mdh / 300.0, 3, 1); }

FullApproach DrawFullApproach() {
  FullApproach f;
  f.Wind = DrawApproachWind();
  f.Side = Rng().Random(2);
  f.Qdr = f.Side == 0 ? 64 : 116;
  return f;
}

QString FullApproachTask(bool ils, int qdr) {
  const QString q = QString::number(qdr);
  if (ils)
    return "Fly to LCA locator. When overhead, intercept QDR " + q +
           ", and descend to 2000 ft. Fly outbound for 1.5 minute, then turn and intercept the ILS at 80 knots.";
  return "Fly to LCA locator. Then intercept QDR " + q +
         ", and descend to 2000 ft. Fly outbound for 1.5 minute, then turn and fly an NDB approach at 80 knots. "
         "LOM=1400 ft. MDA=600 ft. LOM to MAP=2 min 35 sec (at 80 knots).";
}

QString DrawClimbGradientText() { return FormatFixed(Rng().Random(50) * 0.1 + 3.3, 3, 1); }

int ClimbRateForGradient(const QString& gradientText) {
  int rate = 0;
  TryParseInt(FormatFixed(ValOrZero(gradientText) * 100, 4, 0), rate);
  return rate;
}

int HeightAtDme(int roc, int distance) { return (roc * 60 / 100) * distance; }

DmeClimb DrawDmeClimb() {
  DmeClimb d;
  d.Roc = DrawStep(400, 900, 100);
  d.Distance = Rng().Random(8) + 3;
  d.Height = HeightAtDme(d.Roc, d.Distance);
  return d;
}

}  // namespace tvx
