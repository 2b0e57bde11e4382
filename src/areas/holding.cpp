#include "areas/holding.h"

#include "platform/textutil.h"
#include "simulator/startpanel.h"

namespace tvx {

HoldingWindowState HoldingWindow;

void ResetHoldingWindowState() { HoldingWindow = HoldingWindowState{}; }

HoldingDefinition HoldingDefinitionOf(const SimState& s) {
  return {s.HoldingX, s.HoldingY, s.HoldingInboundCourse, s.HoldingRadial, s.HoldingSide, s.HoldingSpeed};
}

void StoreHoldingDefinition(const HoldingDefinition& d, SimState& s) {
  s.HoldingX = d.X;
  s.HoldingY = d.Y;
  s.HoldingInboundCourse = d.InboundCourse;
  s.HoldingRadial = d.Radial;
  s.HoldingSide = d.Side;
  s.HoldingSpeed = d.Speed;
}

bool VorNdbNameMatches(const QString& n, const QString& t) { return t == n || t + " " == n || t == n + " "; }

bool LocatorNameMatches(const QString& n, const QString& t) {
  return t == n || t + " " == n || t == n + " " || t + "  " == n || t == n + "  ";
}

bool RunwayNameMatches(const QString& n, const QString& t) {
  // Blanks on either side; a "0" before the stored name with blanks on
  // either side; a "0" before the typed name with blanks after it.
  const QString zeroT = "0" + t;
  return LocatorNameMatches(n, t) || LocatorNameMatches("0" + n, t) || zeroT == n || zeroT + " " == n ||
         zeroT + "  " == n;
}

HoldingFix FindHoldingFix(const AreaState& area, const QString& typed) {
  for (int i = 0; i < kAreaSlots; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const AreaBeacon& vor = area.VorList[slot];
    const AreaBeacon& ndb = area.NdbList[slot];
    const AreaBeacon& ils = area.IlsList[slot];
    if (vor.Used() && VorNdbNameMatches(vor.Name, typed)) return {HoldingFixKind::Vor, i, {vor.X, vor.Y}};
    if (ndb.Used() && VorNdbNameMatches(ndb.Name, typed)) return {HoldingFixKind::Ndb, i, {ndb.X, ndb.Y}};
    if (!ils.Used()) continue;
    if (RunwayNameMatches(ils.Name, typed)) return {HoldingFixKind::Runway, i, {ils.X, ils.Y}};
    if (LocatorNameMatches(ils.LocatorName, typed)) return {HoldingFixKind::Locator, i, LocatorPosition(ils)};
  }
  return {};
}

QString AsciiUpper(const QString& text) {
  QString out = text;
  for (QChar& c : out)
    if (c >= QChar('a') && c <= QChar('z')) c = QChar(c.unicode() - ('a' - 'A'));
  return out;
}

int RadialFromInbound(int inboundCourse) {
  int radial = inboundCourse < 180 ? inboundCourse - 180 : inboundCourse + 180;
  if (radial >= 360) radial -= 360;
  if (radial < 0) radial += 360;
  return radial;
}

HoldingReading ReadHoldingInputs(HoldingTexts& texts, int coursekeuze, const AreaState& area, SimState& s) {
  HoldingReading r;
  auto reject = [&r](HoldingField field, const QString& message) {
    r.error = true;
    r.field = field;
    r.message = message;
  };
  // A whole number in lo..hi from `text`; `what` names it in the messages.
  auto readWhole = [&](const QString& text, HoldingField field, const QString& what, const QString& range, int lo,
                       int hi, std::int32_t& into) {
    int value = 0;
    if (!TryParseInt(text, value)) reject(field, "ERROR: " + what + " IS NOT CORRECT ");
    else if (value < lo || value > hi) reject(field, "ERROR: " + what + range);
    else into = value;
    return !r.error;
  };

  texts.Holdingbeacon = AsciiUpper(texts.Holdingbeacon);
  const QString name = texts.Holdingbeacon;
  if (name.size() > 4) reject(HoldingField::Beacon, "ERROR: NAME OF BEACON IS TOO LONG ");
  else if (name.isEmpty()) reject(HoldingField::Beacon, "WARNING: THIS BEACON DOES NOT EXIST ");

  if (!r.error) {
    const HoldingFix fix = FindHoldingFix(area, name);
    if (fix.kind == HoldingFixKind::None) {
      reject(HoldingField::Beacon, "WARNING: THIS BEACON DOES NOT EXIST IN THIS AREA ");
    } else {
      s.HoldingX = fix.at.x();
      s.HoldingY = fix.at.y();
    }
  }

  if (!r.error) {
    texts.Turndirection = AsciiUpper(texts.Turndirection);
    const QString side = texts.Turndirection;
    if (side == "RIGHT" || side == "LEFT") s.HoldingSide = side;
    else reject(HoldingField::Turn, "ERROR: TURN DIRECTION IS NOT CORRECT ");
  }

  if (!r.error && coursekeuze == kInboundCourseChoice)
    r.inboundRead = readWhole(texts.Holdingcourse, HoldingField::Course, "INBOUND COURSE", " IS NOT BETWEEN 0 AND 360 ",
                              0, 360, s.HoldingInboundCourse);

  if (!r.error && coursekeuze == kRadialChoice)
    readWhole(texts.Holdingradial, HoldingField::Radial, "RADIAL", " IS NOT BETWEEN 0 AND 360 ", 0, 360,
              s.HoldingRadial);

  if (!r.error)
    readWhole(texts.holdspdinput, HoldingField::Speed, "HOLDING SPEED", " MUST BE BETWEEN 60 AND 300 ", 60, 300,
              s.HoldingSpeed);

  return r;
}

}  // namespace tvx
