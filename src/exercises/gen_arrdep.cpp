// The arrival and departure exercises: a full procedure flown from the
// locator "LCA" of the default area, and two questions on the rate of climb
// a departure requires.
#include "exercises/approachdraws.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/generatorkit.h"
#include "exercises/genquestion.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

const char* const kEnterRateOfClimb = "Enter the minimum required rate-of-climb (in feet per minute).";

// From 1 NM west of the locator, heading to it; out on a drawn QDR, a
// procedure turn, then the ILS (ils) or the NDB approach.
void FlyFullApproach(TExform& ex, bool ils) {
  if (!Form1) return;
  auto& f = Form1->ui;
  ex.DoeFly();
  f.beaconinput->setText("LCA");
  if (ils) {
    Sim.Obs1Course = 270;
  } else {
    Sim.Obs1Course = 360;
    Sim.Obs2Course = 360;
  }
  f.HDGinput->setText("090");
  f.Radialinput->setText("270");
  const FullApproach a = DrawFullApproach();
  Ex.ExWindSide = a.Wind.Side;
  Ex.ExValueC = a.Wind.Direction;
  Ex.ExValueD = a.Wind.Speed;
  Ex.ExSide = a.Side;
  Ex.ExValueA = a.Qdr;
  f.DMEinput->setText("1");
  f.WINDWinput->setText(QString::number(a.Wind.Direction));
  f.WINDVinput->setText(QString::number(a.Wind.Speed));
  if (ils) f.VOR1active->setText("108.6");
  f.ADFactive->setText("370");
  ex.PlaceAircraft();
  ex.AddTask(FullApproachTask(ils, a.Qdr));
  ex.AddTask(WindLine(a.Wind.Direction, a.Wind.Speed));
}

}  // namespace

void TExform::ExflyappILS() { FlyFullApproach(*this, true); }

void TExform::ExflyappNDB() { FlyFullApproach(*this, false); }

void TExform::ExRoc() {
  DoeStatic();
  Ex.ExGradientText = DrawClimbGradientText();
  AskForNumber(*this,
               {"The departure requires a climb gradient of " + Ex.ExGradientText + " %.",
                "The groundspeed is 100 knots.", kEnterRateOfClimb},
               ClimbRateForGradient(Ex.ExGradientText));
}

void TExform::ExRocdme() {
  DoeStatic();
  const DmeClimb d = DrawDmeClimb();
  Ex.ExValueB = d.Roc;
  Ex.ExValueA = d.Distance;
  Ex.ExValueC = d.Height;
  AskForNumber(*this,
               {"Runway elevation = 0. The groundspeed is 100 knots.",
                "Cross " + QString::number(d.Distance) + " DME at or above " + QString::number(d.Height) + " feet.",
                kEnterRateOfClimb},
               d.Roc);
}

}  // namespace tvx
