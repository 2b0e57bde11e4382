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

bool ThrustLeverStatus(const Prim& t) {
  return t.text == " Joystick Thrust OFF " || t.text == " Joystick Thrust ON ";
}

struct DesignedPair {
  const char* Type;
  const char* Chart;
  TextMatch First, Second;
  const char* Why;
};

// The texts the design places over each other, whatever the chart's size:
// each pair meets where the panel has its designed looks, in the same
// flight, too.
const DesignedPair kDesignedPairs[] = {
    {"737", "Chart3", {{}, ThrustLeverStatus}, {"[ / *  - + ]"},
     "the thrust lever's status is written at (3U - 50, 2U - 30), the key hint at (3U - 10, 2U - 40) "
     "on full-size cells: while the throttle has been moved, the hint is painted over the status's upper half"},
};

// Why a text and a shape that meet are left aside; empty for a fault.
QString ShapeLeftAside(const Painted& p, const Shown& t, qsizetype shape) {
  if (t.kind == Kind::Card) return "a compass card's figures turn under the needles and index marks";
  if (Needle(p.log[shape], p.steps.value(shape, -1))) return "a needle sweeps over its dial's figures";
  if (Warning(p.log[t.at].text)) return "a warning is painted over the instrument while it lasts";
  return {};
}

// Why a pair of texts that meet is left aside; empty for a fault.
// `designed` tells whether a row of the design's table did.
QString TextsLeftAside(const Painted& p, const Shown& first, const Shown& second, bool& designed) {
  designed = false;
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
    if (p.Type == d.Type && p.Chart == d.Chart && ((d.First(a) && d.Second(b)) || (d.First(b) && d.Second(a)))) {
      designed = true;
      return d.Why;
    }
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

bool Vertical(const Prim& f) { return f.op == Op::Line && f.points[0].x() == f.points[1].x(); }

QString Header(const Painted& p) { return QString("%1 %2x%3").arg(p.Chart).arg(p.Size.width()).arg(p.Size.height()); }

QVector<Fault> Faults(const Painted& p, QVector<Excused>* excused) {
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
        QString what;
        if (after && (t.kind == Kind::Tape || t.kind == Kind::Ladder)) {
          // A tape passes under what is painted over it, up and down, but
          // keeps within its sides; the ladder passes under the bezel and
          // the bank scale.
          if (t.kind == Kind::Ladder || !Vertical(f) || !OutlineCrosses(f, area)) continue;
          what = "cut by the side";
        } else if (after && FillCovers(f, area, false)) what = "covered by";
        else if ((after || !t.opaque) && OutlineCrosses(f, area)) what = after ? "crossed by" : "painted over";
        else if (!after && t.kind == Kind::Tape && FillCovers(f, area, false) && !FillCovers(f, area, true))
          what = "painted over the edge of";
        if (what.isEmpty()) continue;
        if (!ShapeLeftAside(p, t, k).isEmpty()) continue;
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
      // A tape's figure passes under a read-out on its own black ground;
      // under any other text it would show in fragments.
      if (t.kind == Kind::Tape && u.kind != Kind::Tape && u.opaque && p.log[u.at].brush.color == clr::Black) continue;
      bool designed = false;
      if (const QString why = TextsLeftAside(p, t, u, designed); !why.isEmpty()) {
        if (designed && excused) excused->append({why, p.log[t.at].text + " | " + p.log[u.at].text});
        continue;
      }
      add(t, "meets " + p.log[u.at].text, "meets " + Describe(p, u));
    }
  }
  return out;
}

QStringList DesignedReasons(const QString& type) {
  QStringList out;
  for (const DesignedPair& d : kDesignedPairs)
    if (type == d.Type) out << d.Why;
  return out;
}

}  // namespace tvx::test::painted
