#include "instruments/mapprofile.h"

#include <cmath>
#include <cstdint>

#include "instruments/mapdraw.h"
#include "instruments/mapgeometry.h"
#include "platform/textutil.h"

namespace tvx {

namespace {

constexpr double kDegToRad = M_PI / 180.0;

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

}  // namespace

bool IlsFrequencyMatches(const QString& ilsFrequency, const QString& active) {
  return ilsFrequency == active || ilsFrequency + "0" == active || ilsFrequency == active + "0";
}

int ApproachSlot(const AreaBeaconList& ils, const QString& vor1Active, bool ilsTuned) {
  if (!ilsTuned) return ils[0].Used() ? 0 : -1;
  for (int i = 0; i < kAreaSlots; ++i) {
    const AreaBeacon& b = ils[static_cast<std::size_t>(i)];
    if (b.Used() && IlsFrequencyMatches(b.Frequency, vor1Active)) return i;
  }
  return -1;
}

std::optional<ProfileApproach> ChooseApproach(const AreaBeaconList& ils, const QString& vor1Active, const SimState& s) {
  const int slot = ApproachSlot(ils, vor1Active, s.IlsTuned);
  if (slot < 0) return std::nullopt;
  const AreaBeacon& b = ils[static_cast<std::size_t>(slot)];
  ProfileApproach a;
  a.FinalCourse = b.FinalCourse;
  a.LocatorDistance = b.LocatorDistance;
  a.LocatorName = b.LocatorName;
  a.RunwayName = b.Name;
  if (s.IlsTuned) {
    a.StationX = s.Vor1StationX;
    a.StationY = s.Vor1StationY;
    a.Elevation = s.AirportElevation;
  } else {
    a.StationX = b.X;
    a.StationY = b.Y;
    a.Elevation = b.Elevation;
  }
  return a;
}

ProfileScale ProfileScaleOf(int cellSize, double verticalMapScale) {
  ProfileScale p;
  p.U = cellSize;
  p.X0 = cellSize / 4;
  p.Yg = (2 * cellSize) / 3 + 5 * cellSize;
  p.H = static_cast<int>(std::lround(verticalMapScale)) * cellSize / 2;
  p.V = cellSize;
  return p;
}

QPoint ProfilePoint(const ProfileScale& p, double distanceNm, double altitudeFt, int elevationFt) {
  const std::int64_t above = static_cast<std::int64_t>(std::llround(altitudeFt)) - elevationFt;
  const std::int64_t rise = above * p.V / 1000;  // truncates toward zero, like the other integer scales
  return QPoint(RoundPixel(p.X0 + p.H * distanceNm), static_cast<int>(p.Yg - rise));
}

QPoint GlidePathEnd(const ProfileScale& p, double angleDeg) {
  return QPoint(p.X0 + 16 * p.H, p.Yg - RoundPixel(p.U * 97216.0 * std::sin(angleDeg * kDegToRad) / 1000.0));
}

std::vector<AltitudeLine> AltitudeLines(const ProfileScale& p, int elevationFt) {
  std::vector<AltitudeLine> lines;
  const int e = elevationFt / 1000;
  const int offset = static_cast<int>(static_cast<std::int64_t>(p.U) * elevationFt / 1000);
  for (int k = e + 1; k <= e + 5; ++k) lines.push_back({p.Yg - p.U * k + offset, 1000 * k});
  return lines;
}

double BearingFromStation(QPointF station, QPointF point) {
  const double dx = point.x() - station.x();
  const double dy = point.y() - station.y();
  if (dx == 0) return dy > 0 ? 180.0 : 0.0;
  const double a = std::atan(dy / dx) / kDegToRad;
  return dx > 0 ? a + 90.0 : a + 270.0;
}

double AlongCourseDistance(QPointF station, QPointF point, int finalCourseDeg) {
  const double b = BearingFromStation(station, point);
  const double range = std::hypot(point.x() - station.x(), point.y() - station.y());
  return range * std::cos((finalCourseDeg - 180.0 - b) * kDegToRad);
}

void DrawVerticalProfile(Canvas& c, const SimState& s, const std::optional<ProfileApproach>& approach, int hintLineY) {
  const ProfileScale p = ProfileScaleOf(s.CellSize, s.VerticalMapScale);
  const int U = p.U;
  const int elevation = approach ? approach->Elevation : s.AirportElevation;

  // Texts and figures stand on the chart without a box of their own.
  c.Brush.style = BrushStyle::Clear;
  c.Font.color = clr::White;
  if (approach) c.TextOut(10, 10, "Runway: " + approach->RunwayName + " . Angles not to scale.");
  c.TextOut(10, hintLineY, "Press [A] or [Q] to close window. Press [S] to zoom.");

  if (approach) {
    c.Pen.color = clr::White;
    c.Pen.style = PenStyle::Solid;
    c.Brush.color = clr::White;
    c.Brush.style = BrushStyle::Solid;
    c.Rectangle(p.X0 + 10, p.Yg, p.X0 - (2 * U) / 3, p.Yg + 10);
    c.Brush.style = BrushStyle::Clear;
    c.Font.color = clr::Yellow;
    c.TextOut(p.X0 + 12, p.Yg, QString::number(elevation));
    for (double angle : {3.0, 3.35, 2.65}) {
      const QPoint end = GlidePathEnd(p, angle);
      Line(c, p.X0, p.Yg, end.x(), end.y());
    }
  }

  c.Pen.color = clr::Red;
  c.Pen.style = PenStyle::Solid;
  c.Font.color = clr::Red;
  Line(c, p.X0, p.Yg, 14 * U, p.Yg);
  c.Pen.style = PenStyle::Dot;
  for (int n = 1; n <= 12; ++n) {
    const int x = p.X0 + 2 * n * p.H;
    Line(c, x, p.Yg, x, 0);
    c.TextOut(x, p.Yg, QString::number(2 * n));
  }

  c.Pen.color = clr::Yellow;
  c.Font.color = clr::Yellow;
  for (const AltitudeLine& a : AltitudeLines(p, elevation)) {
    Line(c, 0, a.Y, 14 * U, a.Y);
    c.TextOut(10, a.Y, QString::number(a.Feet));
  }

  if (!approach) return;

  if (HasLocator(approach->LocatorDistance)) {
    c.Pen.color = clr::Blue;
    c.Pen.style = PenStyle::Solid;
    c.Pen.width = 2;
    c.Font.color = clr::Blue;
    const int x = RoundPixel(p.X0 + p.H * approach->LocatorDistance);
    Line(c, x, p.Yg, x, 0);
    c.TextOut(RoundPixel(p.X0 + p.H * approach->LocatorDistance + 2), p.Yg - 17, approach->LocatorName);
    c.Pen.width = 1;
  }

  // Only slots that hold a point are projected and drawn.
  const QPointF station(approach->StationX, approach->StationY);
  auto project = [&](int slot) {
    const TrackPoint& t = s.TrackHistory[static_cast<std::size_t>(slot)];
    return ProfilePoint(p, AlongCourseDistance(station, QPointF(t.X, t.Y), approach->FinalCourse), t.Altitude,
                        elevation);
  };
  QVector<QPoint> track;
  for (int slot : TrackDrawOrder(s.TrackHistory, s.TrackIndex)) track.append(project(slot));
  c.Pen.color = clr::Fuchsia;
  c.Pen.style = PenStyle::Solid;
  c.Pen.width = 2;
  if (track.size() >= 2) c.Polyline(track);

  c.Pen.color = clr::Lime;
  c.Pen.width = 1;
  if (s.TrackIndex >= 0 && s.TrackIndex < kTrackSlots &&
      s.TrackHistory[static_cast<std::size_t>(s.TrackIndex)].X != -999) {
    const QPoint q = project(s.TrackIndex);
    Line(c, q.x(), q.y(), q.x() + 7, q.y());
    Line(c, q.x(), q.y(), q.x() - 7, q.y());
    Line(c, q.x(), q.y(), q.x(), q.y() + 7);
    Line(c, q.x(), q.y(), q.x(), q.y() - 7);
  }
}

void DrawProfileChart(Canvas& c, int width, int height, const SimState& s,
                      const std::optional<ProfileApproach>& approach, int hintLineY) {
  c.Pen.style = PenStyle::Solid;
  DrawChartFrame(c, width, height, s.CellFrameMargin);
  DrawVerticalProfile(c, s, approach, hintLineY);
}

}  // namespace tvx
