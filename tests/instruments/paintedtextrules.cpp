// The rules a painted chart's texts keep: what each may meet, and the pairs
// the design paints over each other.
#include <QRegularExpression>
#include <QStringList>

#include "instruments/paintedtexts.h"

namespace tvx::test::painted {

// The hands, needles and pointers sweeping over their dial's or scale's
// figures: what the needle procedures paint, the engine dials' needles (5 px
// lines) and the vertical-speed scale's pointer and selected-rate bug (its
// 4 px lines, the piston's pointer triangle).
bool Needle(const Prim& f, int step) {
  switch (PanelStep(step)) {
    case PanelStep::AirspeedNeedle:
    case PanelStep::AltimeterHands:
    case PanelStep::VSINeedle:
    case PanelStep::ADFNeedle:
    case PanelStep::VOR1Needles:
    case PanelStep::VOR2Needle: return true;
    case PanelStep::RPMDial:
    case PanelStep::EngineInstruments: return f.op == Op::Line && f.pen.width == 5;
    case PanelStep::EFISVerticalSpeed: return (f.op == Op::Line && f.pen.width == 4) || f.op == Op::Polygon;
    default: return false;
  }
}

// ---------------------------------------------------------------------------
// The pairs the design paints over each other.

bool Warning(const QString& text) {
  static const QStringList warnings = {"  P A U S E  ", "TERRAIN", "WINDSHEAR", "TRAFFIC", "PULL UP"};
  return warnings.contains(text);
}

// One side of a pair the design paints over each other: a text as it is
// written, or a class of texts.
struct TextMatch {
  QString Text;
  bool (*Is)(const Prim&) = nullptr;
  bool operator()(const Prim& t) const { return Is ? Is(t) : t.text == Text; }
};

bool SpeedReadOut(const Prim& t) {
  static const QRegularExpression knots("^\\d+$");
  return t.font.color == clr::White && t.brush.color == clr::Black && knots.match(t.text).hasMatch();
}
bool ThrustLeverStatus(const Prim& t) {
  return t.text == " Joystick Thrust OFF " || t.text == " Joystick Thrust ON ";
}

struct DesignedPair {
  const char* Type;
  const char* Chart;
  TextMatch First, Second;
  const char* Why;
};

// The texts the design places over each other, whatever the chart's size.
const DesignedPair kDesignedPairs[] = {
    {"737", "Chart3", {" 29.92   "}, {" 1013    "},
     "the baro box's two lines are written 19 px apart in a 14-pt font, whose line is 22 px, on full-size cells, "
     "and shrink alike on smaller ones: the lower line's background covers the foot of the upper line, below its "
     "figures"},
    {"737", "Chart2", {"V1"}, {{}, SpeedReadOut},
     "\"V1\" is written 35 px right of the speed read-out's left edge, 5 px left of the other marks: as the speed "
     "nears 129 kt the mark passes under the read-out's last figure, which is painted over it"},
    {"737", "Chart3", {{}, ThrustLeverStatus}, {"[ / *  - + ]"},
     "the thrust lever's status is written at (3U - 50, 2U - 30), the key hint at (3U - 10, 2U - 40) "
     "on full-size cells: while the throttle has been moved, the hint is painted over the status's upper half"},
};

// The shapes a text meets by design, by what draws them: every pair here
// meets at the reference size too, where the panel has its designed looks.
struct DesignedCrossing {
  const char* Type;  // nullptr: every type
  const char* Chart;
  bool (*Text)(const Painted&, const Shown&);
  bool (*Shape)(const Painted&, qsizetype);
  const char* Why;
};

// The jet's vertical-speed read-out, below the scale while descending, and
// the scale's slanted foot.
bool JetVerticalSpeedReadOut(const Painted& p, const Shown& t) {
  return p.steps.value(t.at) == int(PanelStep::EFISVerticalSpeed) && p.log[t.at].text.size() > 1;
}
bool SlantedScaleEdge(const Painted& p, qsizetype k) {
  const Prim& f = p.log[k];
  return p.steps.value(k) == int(PanelStep::EFISVerticalSpeed) && f.op == Op::Line &&
         f.points[0].x() != f.points[1].x() && f.points[0].y() != f.points[1].y();
}

const DesignedCrossing kDesignedCrossings[] = {
    {"737", "Chart3", JetVerticalSpeedReadOut, SlantedScaleEdge,
     "the read-out below the vertical-speed scale is written 15 px below the scale's foot, which slants down 20 px "
     "to the left across it"},
};

// Why a text and a shape that meet are left aside; empty for a fault.
// `row` tells which row of the table did.
QString ShapeLeftAside(const Painted& p, const Shown& t, qsizetype shape, int& row) {
  row = -1;
  if (t.kind == Kind::Card) return "a compass card's figures turn under the needles and index marks";
  if (Needle(p.log[shape], p.steps.value(shape, -1))) return "a needle sweeps over its dial's figures";
  if (Warning(p.log[t.at].text)) return "a warning is painted over the instrument while it lasts";
  for (int i = 0; i < int(std::size(kDesignedCrossings)); ++i) {
    const DesignedCrossing& d = kDesignedCrossings[i];
    if ((!d.Type || p.Type == d.Type) && (!d.Chart || p.Chart == d.Chart) && d.Text(p, t) && d.Shape(p, shape)) {
      row = i;
      return d.Why;
    }
  }
  return {};
}

// Why a pair of texts that meet is left aside; empty for a fault.
QString TextsLeftAside(const Painted& p, const Shown& first, const Shown& second) {
  const Prim &a = p.log[first.at], &b = p.log[second.at];
  // The jets write the thrust lever's status once for each dial, in one place.
  if (a.text == b.text && a.points == b.points && a.font.size == b.font.size) return "one text written twice in one place";
  if (Warning(a.text) || Warning(b.text)) return "a warning is painted over the instrument while it lasts";
  // The piston's vertical-speed read-out is painted over the scale's
  // figures it passes.
  if (second.kind == Kind::PointerReadOut && second.opaque && a.text.size() == 1 &&
      p.steps.value(first.at) == int(PanelStep::EFISVerticalSpeed))
    return "the pointer's read-out rides over the scale's figures on its own background";
  for (const DesignedPair& d : kDesignedPairs)
    if (p.Type == d.Type && p.Chart == d.Chart && ((d.First(a) && d.Second(b)) || (d.First(b) && d.Second(a))))
      return d.Why;
  return {};
}

QString Describe(const Painted& p, const Shown& s) {
  const Prim& t = p.log[s.at];
  return QString("%1 \"%2\" (%3 %4 pt%5%6) ink %7,%8 %9x%10")
      .arg(KindName(s.kind), t.text, t.font.name)
      .arg(t.font.size)
      .arg(t.font.bold ? " bold" : "")
      .arg(s.upright ? "" : QString(", turned %1").arg(t.angle))
      .arg(s.ink.x())
      .arg(s.ink.y())
      .arg(s.ink.width())
      .arg(s.ink.height());
}

// Whether two texts' inks meet. Two texts turned alike are compared turned
// back, where their boxes are exact; the upright bounds of a turned box are
// not.
bool InksMeet(const Painted& p, const Shown& a, const Shown& b) {
  if (!a.ink.intersects(b.ink)) return false;
  if (a.upright || b.upright || p.log[a.at].angle != p.log[b.at].angle) return true;
  return a.turned.intersects(b.turned);
}

QString Header(const Painted& p) { return QString("%1 %2x%3").arg(p.Chart).arg(p.Size.width()).arg(p.Size.height()); }

QVector<Fault> Faults(const Painted& p, QSet<int>* rowsMet) {
  QVector<Fault> out;
  const QRect chart(QPoint(0, 0), p.Size);
  auto add = [&](const Shown& t, const QString& what, const QString& detail) {
    static const QRegularExpression digits("\\d");
    QString text = p.log[t.at].text;
    text.replace(digits, "9");
    out.append({QString("%1|%2|%3|%4").arg(p.Type, p.Chart, text, what),
                QString("%1: %2 %3").arg(Header(p), Describe(p, t), detail)});
  };
  for (int i = 0; i < p.texts.size(); ++i) {
    const Shown& t = p.texts[i];
    const QRectF area = AreaOf(t.ink);
    if ((t.kind == Kind::Fixed || t.kind == Kind::Card || t.kind == Kind::PointerReadOut) && !chart.contains(t.ink))
      add(t, "off the chart", "not inside the chart");
    // The shapes of the chart.
    if (t.upright && t.kind != Kind::Holding) {
      qsizetype from = 0;
      if (t.kind == Kind::Beacon) {
        // Its own symbol: what is drawn after the text before it.
        from = t.at;
        while (from > 0 && p.log[from - 1].op != Op::Text && p.log[from - 1].op != Op::RotatedText) --from;
      }
      const qsizetype to = t.kind == Kind::Beacon ? t.at : p.log.size();
      for (qsizetype k = from; k < to; ++k) {
        if (k == t.at) continue;
        const Prim& f = p.log[k];
        if (f.op == Op::Text || f.op == Op::RotatedText || !p.reach[k].intersects(area)) continue;
        const bool after = k > t.at;
        if (after && t.kind == Kind::Tape) continue;  // a tape passes under what is painted over it
        QString what;
        if (after && FillCovers(f, area, false)) what = "covered by";
        else if ((after || !t.opaque) && OutlineCrosses(f, area)) what = after ? "crossed by" : "painted over";
        else if (!after && t.kind == Kind::Tape && FillCovers(f, area, false) && !FillCovers(f, area, true))
          what = "painted over the edge of";
        if (what.isEmpty()) continue;
        int row = -1;
        if (!ShapeLeftAside(p, t, k, row).isEmpty()) {
          if (row >= 0 && rowsMet) rowsMet->insert(row);
          continue;
        }
        add(t, what + ' ' + OpName(f.op), QString("%1 %2 (painted %3)").arg(what, DescribeShape(f), after ? "after" : "before"));
      }
    }
    // The other texts.
    if (t.kind == Kind::Beacon) continue;
    for (int j = i + 1; j < p.texts.size(); ++j) {
      const Shown& u = p.texts[j];
      if (u.kind == Kind::Beacon || (t.kind == Kind::Holding) != (u.kind == Kind::Holding)) continue;
      // A later text's background covers an earlier text's ink.
      const bool meet = InksMeet(p, t, u) || (u.opaque && u.box.intersects(t.ink));
      if (!meet) continue;
      // A tape's figure passes under a read-out on its own background.
      if (t.kind == Kind::Tape && u.kind != Kind::Tape && u.opaque) continue;
      if (!TextsLeftAside(p, t, u).isEmpty()) continue;
      add(t, "meets " + p.log[u.at].text, "meets " + Describe(p, u));
    }
  }
  return out;
}

QVector<DesignedCrossingRow> DesignedCrossingRows() {
  QVector<DesignedCrossingRow> out;
  for (const DesignedCrossing& d : kDesignedCrossings) out.append({d.Type, d.Chart, d.Why});
  return out;
}

}  // namespace tvx::test::painted
