#pragma once
// The texts an instrument chart paints, recorded from a canvas and measured
// by their ink in the fonts they are painted in; the reach of the shapes
// painted with them; and the rules the texts keep.
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include "instruments/panel.h"
#include "platform/canvas.h"
#include "simulator/panellayout.h"

namespace tvx::test::painted {

using Prim = RecordingCanvas::Primitive;
using Op = RecordingCanvas::Op;

// ---------------------------------------------------------------------------
// The ink of a text, measured with the metrics of the font a painting canvas
// writes with, where it puts it: the baseline one ascent below the anchor,
// the glyphs turned about the anchor.

struct Measure {
  QRect ink;  // the glyphs' pixels, from the anchor; empty for blanks
  QRect box;  // advance x line height: what a solid brush fills
};

const Measure& MeasureOf(const FontState& f, const QString& text);

// The pixel area of a box of whole pixels, pixel centres on whole numbers.
QRectF AreaOf(const QRect& pixels);

// Whether a shape's outline, pen and all, crosses an area.
bool OutlineCrosses(const Prim& p, const QRectF& area);
// Whether a filled shape covers part (or, with `whole`, all) of an area.
bool FillCovers(const Prim& p, const QRectF& area, bool whole);
bool Filled(const Prim& p);
QString OpName(Op op);
QString DescribeShape(const Prim& p);

// ---------------------------------------------------------------------------
// The texts that move with the flight, by what they are, and the rules they
// keep instead of a fixed text's.
enum class Kind {
  Fixed,
  // A tape's figures and marks scroll under the chart's edge and under the
  // read-out and data boxes painted over them: what is painted later may
  // cover them; they are never painted over a box, a line or a text.
  Tape,
  // The map's beacons and the holding's course labels move with the
  // aircraft's position under the map's lines, rings and read-outs: a
  // beacon's name keeps clear of its own symbol; the holding's two labels,
  // written at its corners, keep clear of each other.
  Beacon,
  Holding,
  // A compass card's figures turn with the heading under the needles; they
  // keep clear of the other texts.
  Card,
  // The attitude ladder's figures move with the pitch under the bezel and
  // the bank scale painted over them and past the chart's edge: what is
  // painted later may cover them; they are never painted over a line.
  Ladder,
  // The piston glass panel's vertical-speed read-out rides on its pointer,
  // on its own background, over the scale's figures: it keeps clear of every
  // line but the pointer's.
  PointerReadOut,
};

const char* KindName(Kind k);

struct Shown {
  qsizetype at = 0;  // in the log
  bool upright = true;
  QRect ink;      // upright: the glyphs' pixels; turned: their upright bounds
  QRectF turned;  // turned: the glyphs in the text's own turned frame
  bool opaque = false;
  QRect box;  // the background a solid brush fills (upright)
  Kind kind = Kind::Fixed;
};

struct Painted {
  QString Type;
  QString Chart;
  QSize Size;
  QVector<Prim> log;
  QVector<int> steps;  // the panel step of each primitive, -1 outside the panels
  QVector<Shown> texts;
  QVector<QRectF> reach;  // what each shape may touch, pen and all
};

// Paints `chart` on a recording canvas, noting which panel step drew what.
Painted Record(const QString& chart, QSize size, const SimState& s, const PanelLayout& L, QSize client);

// The texts of a painted chart that can be seen: not blank, not wholly off
// the chart, not wholly under a filled box painted later.
void FindTexts(Painted& p);

// ---------------------------------------------------------------------------
// The rules.

struct Fault {
  QString kind;  // what a run of like faults shares
  QString line;
};

// A pair of texts the design paints over each other, left aside: the
// reason the design's table gives, and the texts.
struct Excused {
  QString Why;
  QString Texts;
};

// The faults of one painted chart; the pairs the design's table left aside
// are added to `excused`.
QVector<Fault> Faults(const Painted& p, QVector<Excused>* excused = nullptr);

// The reasons of the design's tables for `type`, for the sweep to tell one
// that leaves nothing aside where the panel has its designed looks.
QStringList DesignedReasons(const QString& type);

}  // namespace tvx::test::painted
