#include "exercises/holdingdraws.h"

#include "exercises/exercisesetup.h"
#include "exercises/generatorkit.h"
#include "platform/random.h"

namespace tvx {

QString TurnSideText(int side) { return side == kRightTurns ? "RIGHT" : "LEFT"; }

QString EntryLetter(int entry) {
  switch (entry) {
    case kTeardropEntry: return "T";
    case kDirectEntry: return "D";
    default: return "P";
  }
}

QString HoldingTurnsLine(int radial, int side) {
  return "Holding on radial " + QString::number(radial) + " with " + TurnSideText(side) + " turns.";
}

QString TurnsLine(int side) { return side == kRightTurns ? "with right turns." : "with left turns."; }

namespace {

int DrawHeading() { return DrawStep(0, 350, 10); }

}  // namespace

BeaconHolding DrawBeaconHolding(HoldingWind wind) {
  BeaconHolding h;
  h.Radial = DrawHeading();
  h.Heading = Compass0To359(h.Radial + 180);
  h.Side = Rng().Random(2);
  if (wind != HoldingWind::Calm) {
    h.WindDirection = DrawHeading();
    h.WindSpeed = wind == HoldingWind::Fixed15 ? 15 : DrawStep(10, 20, 10);
  }
  return h;
}

int TeardropStartRadial(int holdingRadial, int side) {
  if (side == kRightTurns) return Compass0To359(holdingRadial - 30);
  const int radial = holdingRadial + 30;
  return radial > 360 ? radial - 360 : radial;
}

TeardropStart DrawTeardropStart() {
  TeardropStart t;
  t.Radial = DrawHeading();
  t.Inbound = Compass0To359(t.Radial + 180);
  t.Side = Rng().Random(2);
  t.WindDirection = DrawHeading();
  t.WindSpeed = DrawStep(10, 20, 10);
  t.StartRadial = TeardropStartRadial(t.Radial, t.Side);
  return t;
}

int DrawEntryOffset(int entry, int side) {
  const bool right = side == kRightTurns;
  switch (entry) {
    case kTeardropEntry: return right ? DrawStep(10, 60, 10) : DrawStep(300, 350, 10);
    case kDirectEntry: return right ? DrawStep(80, 240, 10) : DrawStep(120, 280, 10);
    default: return right ? DrawStep(260, 350, 10) : DrawStep(10, 100, 10);
  }
}

EntrySetup DrawEntrySetup(int entry) {
  EntrySetup e;
  e.Heading = DrawHeading();
  e.Entry = entry < 0 ? Rng().Random(3) : entry;
  e.Side = Rng().Random(2);
  e.Offset = DrawEntryOffset(e.Entry, e.Side);
  e.HoldingRadial = Compass0To359(e.Heading + e.Offset);
  return e;
}

int OtixAnswer(int radial, int side, int kind) {
  const int away = kind == 0 ? 30 : 90;
  return Compass0To359(side == kRightTurns ? radial - away : radial + away);
}

OtixQuestion DrawOtixQuestion() {
  OtixQuestion q;
  q.Radial = DrawHeading();
  q.Side = Rng().Random(2);
  q.Kind = Rng().Random(2);
  return q;
}

int OutboundTimingAnswer(int side, int wind) { return side == 0 ? 60 + wind / 2 : 60 - wind / 2; }

int CorrectedTimingAnswer(int side, int x) { return side == 0 ? 60 + x / 2 : 60 - x / 2; }

TimingQuestion DrawTimingQuestion() {
  TimingQuestion q;
  q.Value = DrawStep(10, 30, 10);
  q.Side = Rng().Random(2);
  return q;
}

int OutboundHeadingAnswer(int radial, int side, int windSpeed) {
  return Compass0To359(side == 0 ? radial + windSpeed : radial - windSpeed);
}

OutboundHeadingQuestion DrawOutboundHeadingQuestion() {
  OutboundHeadingQuestion q;
  q.Radial = DrawHeading();
  q.WindSpeed = DrawStep(10, 40, 5);
  q.Side = Rng().Random(2);
  q.WindDirection = Compass0To359(q.Side == 0 ? q.Radial + 90 : q.Radial - 90);
  return q;
}

}  // namespace tvx
