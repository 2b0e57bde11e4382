// The holding exercises: questions on the teardrop and abeam radials, the
// outbound timing and heading and the entry to use, and holdings flown at a
// VOR or an NDB with the pattern drawn on the map.
#include "areas/areamodel.h"
#include "areas/holding.h"
#include "areas/mapform.h"
#include "exercises/exercisesetup.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/generatorkit.h"
#include "exercises/genquestion.h"
#include "exercises/holdingdraws.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

const char* const kVor = "AAA";
const char* const kNdb = "MMM";

QString Num(int value) { return QString::number(value); }

// The holding the map draws and the exercise flies: the fix read through
// the holding window from the beacon's name, then the exercise's side and
// radial, drawn.
void SetUpHolding(const QString& beacon, int side, int radial) {
  if (Mapform) {
    Mapform->ui.Holdingbeacon->setText(beacon);
    Mapform->leesholdingdata();
  } else if (const HoldingFix fix = FindHoldingFix(Areas, beacon); fix.kind != HoldingFixKind::None) {
    Sim.HoldingX = fix.at.x();
    Sim.HoldingY = fix.at.y();
  }
  Sim.HoldingSide = TurnSideText(side);
  Sim.HoldingRadial = radial;
  if (Mapform) Mapform->SetMapkeuze(kDrawHolding);
  else HoldingWindow.Mapkeuze = kDrawHolding;
  if (Form1) Form1->RequestMapRepaint();
}

void WriteWind(Ui::TForm1& f, int direction, int speed) {
  f.WINDWinput->setText(Num(direction));
  f.WINDVinput->setText(Num(speed));
}

// A holding flown at the VOR "AAA" or the NDB "MMM", from 1 NM out on the
// holding radial, heading inbound.
void FlyBeaconHolding(TExform& ex, bool vor, HoldingWind wind) {
  if (!Form1) return;
  auto& f = Form1->ui;
  ex.DoeFly();
  const QString beacon = vor ? kVor : kNdb;
  f.beaconinput->setText(beacon);
  const BeaconHolding h = DrawBeaconHolding(wind);
  f.Radialinput->setText(Num(h.Radial));
  Ex.ExValueA = h.Heading;
  f.HDGinput->setText(Num(h.Heading));
  if (vor) Sim.Obs1Course = h.Heading;
  Ex.ExSide = h.Side;
  Ex.ExValueC = h.WindDirection;
  Ex.ExValueD = h.WindSpeed;
  f.DMEinput->setText("1");
  WriteWind(f, h.WindDirection, h.WindSpeed);
  Sim.Obs2Course = h.Heading;
  SetUpHolding(beacon, h.Side, h.Radial);
  ex.PlaceAircraft();
  if (vor) ex.AddTask("Hold over VOR AAA on radial " + Num(h.Radial));
  else ex.AddTask("Hold over NDB MMM on inbound course " + f.HDGinput->text());
  ex.AddTask(TurnsLine(h.Side));
  ex.AddTask(wind == HoldingWind::Calm ? QString("There is no wind.") : WindLine(h.WindDirection, h.WindSpeed));
}

// An entry to a holding at "AAA" flown from 1 NM out, heading to the VOR;
// `entry` negative lets the exercise draw it.
void FlyEntry(TExform& ex, int entry, const QString& order) {
  if (!Form1) return;
  auto& f = Form1->ui;
  ex.DoeFly();
  f.beaconinput->setText(kVor);
  const EntrySetup e = DrawEntrySetup(entry);
  f.HDGinput->setText(Num(e.Heading));
  f.Radialinput->setText(Num(Compass0To359(e.Heading + 180)));
  Sim.Obs1Course = e.Heading;
  Ex.ExValueA = e.Entry;
  Ex.ExSide = e.Side;
  Ex.ExValueC = e.Offset;
  Ex.ExValueB = e.HoldingRadial;
  ex.AddTask(HoldingTurnsLine(e.HoldingRadial, e.Side));
  const int windDirection = DrawStep(0, 350, 10);
  f.DMEinput->setText("1");
  WriteWind(f, windDirection, 15);
  Sim.Obs2Course = Compass0To359(e.HoldingRadial + 180);
  SetUpHolding(kVor, e.Side, e.HoldingRadial);
  ex.PlaceAircraft();
  ex.AddTask(order);
  ex.AddTask(WindLine(windDirection, 15));
}

// The entry to use, asked from the heading indicator or, with `onMap`, from
// the holding drawn on the map.
void AskEntry(TExform& ex, bool onMap) {
  if (!Form1) return;
  auto& f = Form1->ui;
  ex.DoeStatic();
  if (onMap) ex.ShowMapAtTop();
  f.beaconinput->setText(kVor);
  f.DMEinput->setText("1");
  const EntrySetup e = DrawEntrySetup(-1);
  f.HDGinput->setText(Num(e.Heading));
  f.Radialinput->setText(Num(Compass0To359(e.Heading + 180)));
  Sim.Obs1Course = e.Heading;
  Ex.ExValueA = e.Entry;
  Ex.ExSide = e.Side;
  Ex.ExValueC = e.Offset;
  Ex.ExValueB = e.HoldingRadial;
  // The figure must show the holding at the VOR the aircraft flies to, not
  // at the fix of whatever holding was drawn last.
  if (onMap) SetUpHolding(kVor, e.Side, e.HoldingRadial);
  ex.AddTask(HoldingTurnsLine(e.HoldingRadial, e.Side));
  ex.AddTask(onMap ? "Look at the MAP and determine the type of entry."
                   : "Look at the heading indicator and determine the type of entry.");
  ex.AddTask("Enter T for Teardrop, D for Direct and P for Parallel.");
  if (onMap) ex.AddTask("Press [X] to change scale");
  ex.PlaceAircraft();
  Ex.ExAnswerText = EntryLetter(e.Entry);
}

// The outbound timing from the wind on the outbound leg, or corrected from
// the chrono's reading after a holding (`fromChrono`).
void AskOutboundTiming(TExform& ex, bool fromChrono) {
  ex.DoeStatic();
  const TimingQuestion q = DrawTimingQuestion();
  Ex.ExValueA = q.Value;
  Ex.ExSide = q.Side;
  if (!fromChrono) {
    AskForNumber(ex,
                 {"On the outbound leg there is a " + QString(q.Side == 0 ? "HEADWIND" : "TAILWIND") + " of " +
                      Num(q.Value) + " knots.",
                  "Enter the expected outbound timing (in seconds)."},
                 OutboundTimingAnswer(q.Side, q.Value));
    return;
  }
  AskForNumber(ex,
               {q.Side == 0 ? "After a complete holding, the chrono indicates 2 min " + Num(60 - q.Value) + " seconds."
                            : "After a complete holding, the chrono indicates 3 min " + Num(q.Value) + " seconds.",
                "Suppose that your outbound leg timing was 60 seconds.",
                "Enter the corrected outbound timing (in seconds)."},
               CorrectedTimingAnswer(q.Side, q.Value));
}

}  // namespace

void TExform::Exotix() {
  if (!Form1) return;
  auto& f = Form1->ui;
  DoeStatic();
  f.beaconinput->setText(kVor);
  const OtixQuestion q = DrawOtixQuestion();
  f.Radialinput->setText(Num(q.Radial));
  Ex.ExValueA = q.Radial;
  Ex.ExSide = q.Side;
  AskForNumber(*this,
               {HoldingTurnsLine(q.Radial, q.Side),
                q.Kind == 0 ? "Enter the TEARDROP radial." : "Enter the ABEAM radial."},
               OtixAnswer(q.Radial, q.Side, q.Kind));
}

void TExform::ExvorholdnoW() { FlyBeaconHolding(*this, true, HoldingWind::Calm); }

void TExform::ExndbholdnoW() { FlyBeaconHolding(*this, false, HoldingWind::Calm); }

void TExform::Exflytdshoot() {
  if (!Form1) return;
  auto& f = Form1->ui;
  DoeFly();
  f.beaconinput->setText(kVor);
  const TeardropStart t = DrawTeardropStart();
  Ex.ExValueB = t.Radial;
  f.Radialinput->setText(Num(t.Radial));
  // Heading outbound, parallel to the holding radial.
  f.HDGinput->setText(Num(t.Radial));
  Ex.ExValueA = t.Inbound;
  Sim.Obs1Course = t.Inbound;
  Ex.ExSide = t.Side;
  f.DMEinput->setText("2.2");
  WriteWind(f, t.WindDirection, t.WindSpeed);
  Sim.Obs2Course = t.Inbound;
  SetUpHolding(kVor, t.Side, t.Radial);
  f.Radialinput->setText(Num(t.StartRadial));
  PlaceAircraft();
  AddTask("You are holding over VOR AAA on radial " + Num(t.Radial));
  AddTask(TurnsLine(t.Side));
  AddTask("You are in the teardrop position. Intercept the inbound course.");
  AddTask(WindLine(t.WindDirection, t.WindSpeed));
}

void TExform::Excalcoutbtim() { AskOutboundTiming(*this, false); }

void TExform::Excoroutbtim() { AskOutboundTiming(*this, true); }

void TExform::Excalcoutbhdg() {
  DoeStatic();
  const OutboundHeadingQuestion q = DrawOutboundHeadingQuestion();
  Ex.ExValueA = q.Radial;
  Ex.ExValueC = q.WindSpeed;
  Ex.ExSide = q.Side;
  Ex.ExValueD = q.WindDirection;
  AskForNumber(*this,
               {"Holding on radial " + Num(q.Radial) + ".",
                "The wind is " + Num(q.WindDirection) + "/" + Num(q.WindSpeed) + ".",
                "Enter the expected outbound heading."},
               OutboundHeadingAnswer(q.Radial, q.Side, q.WindSpeed));
}

void TExform::Exvorhold() { FlyBeaconHolding(*this, true, HoldingWind::Fixed15); }

void TExform::Exndbhold() { FlyBeaconHolding(*this, false, HoldingWind::Drawn); }

void TExform::Exdirent() { FlyEntry(*this, kDirectEntry, "Make a direct entry."); }

void TExform::Extdent() { FlyEntry(*this, kTeardropEntry, "Make a teardrop entry."); }

void TExform::Exparent() { FlyEntry(*this, kParallelEntry, "Make a parallel entry."); }

void TExform::Exentrydec() { AskEntry(*this, false); }

void TExform::Exentrydecfig() { AskEntry(*this, true); }

void TExform::Exenthold() { FlyEntry(*this, -1, "Make the correct entry."); }

}  // namespace tvx
