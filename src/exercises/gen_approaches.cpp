// The ILS and non-precision approach exercises: two descent-planning
// questions, and four approaches flown from east of the runway of the
// default area, heading to intercept the final course 270.
#include "exercises/approachdraws.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/generatorkit.h"
#include "exercises/genquestion.h"
#include "platform/random.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

void FlyApproach(TExform& ex, const ApproachKind& kind) {
  if (!Form1) return;
  auto& f = Form1->ui;
  ex.DoeFly();
  f.beaconinput->setText(kind.Beacon);
  // The localiser alone: no glideslope signal.
  if (kind.GlideslopeOff) Sim.GlideslopeOff = true;
  Sim.Obs1Course = kind.Obs1Course;
  if (kind.Obs2Course >= 0) Sim.Obs2Course = kind.Obs2Course;
  Ex.ExSide = Rng().Random(2);
  const ApproachStart start = ApproachStartOfSide(Ex.ExSide);
  f.HDGinput->setText(start.Heading);
  f.Radialinput->setText(start.Radial);
  const ApproachWind wind = DrawApproachWind();
  Ex.ExWindSide = wind.Side;
  Ex.ExValueC = wind.Direction;
  Ex.ExValueD = wind.Speed;
  f.WINDWinput->setText(QString::number(wind.Direction));
  f.WINDVinput->setText(QString::number(wind.Speed));
  f.DMEinput->setText(kind.Dme);
  if (!kind.Vor1Active.isEmpty()) f.VOR1active->setText(kind.Vor1Active);
  if (!kind.Vor2Active.isEmpty()) f.VOR2active->setText(kind.Vor2Active);
  if (!kind.AdfActive.isEmpty()) f.ADFactive->setText(kind.AdfActive);
  ex.PlaceAircraft();
  for (const QString& line : kind.Task) ex.AddTask(line);
  ex.AddTask(WindLine(wind.Direction, wind.Speed));
}

}  // namespace

void TExform::ExRod() {
  DoeStatic();
  const int groundspeed = DrawRodGroundspeed();
  Ex.ExValueA = groundspeed;
  AskForNumber(*this,
               {"Your groundspeed is " + QString::number(groundspeed) + " knots.",
                "Enter the required rate-of-descent to follow the glideslope."},
               RodAnswer(groundspeed));
}

void TExform::ExflyILS() { FlyApproach(*this, IlsApproach()); }

void TExform::Exlocapp() { FlyApproach(*this, LocaliserApproach()); }

void TExform::Exvordmeapp() { FlyApproach(*this, VorDmeApproach()); }

void TExform::ExNDBapp() { FlyApproach(*this, NdbApproach()); }

void TExform::ExVDP() {
  DoeStatic();
  const int mdh = DrawVdpMdh();
  Ex.ExValueA = mdh;
  AddTask("The MDH is " + QString::number(mdh) + " feet.");
  AddTask("Enter the Visual Descent Point in nautical mile.");
  PlaceAircraft();
  Ex.ExAnswerText = VdpAnswer(mdh);
  Ex.ExAnswer = -1;
}

}  // namespace tvx
