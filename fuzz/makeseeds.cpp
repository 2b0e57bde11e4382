// Writes the seed corpus of every fuzz target: files made by the program's
// own encoders, and the shipped files of each kind.
//   makeseeds <data folder> <corpus folder>
// gives <corpus folder>/<target>/<name> for every target.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <cstring>

#include "areas/areamodel.h"
#include "areas/navdatabase.h"
#include "joystick/joystickex.h"
#include "platform/inifile.h"
#include "platform/joystickdevice.h"
#include "platform/jpegimage.h"
#include "preparation/loadsheet.h"
#include "preparation/navlog.h"
#include "preparation/navlogfile.h"
#include "simulator/startposfile.h"

using namespace tvx;

namespace {

QString g_out;
bool g_ok = true;

void Put(const QString& target, const QString& name, const QByteArray& bytes) {
  QDir().mkpath(g_out + "/" + target);
  QFile f(g_out + "/" + target + "/" + name);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
    g_ok = false;
  }
}

QByteArray Read(const QString& path, qint64 most = -1) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return most < 0 ? f.readAll() : f.read(most);
}

// The shipped files under `folder` of the data tree whose names end in `suffix`.
void PutShipped(const QString& data, const QString& folder, const QString& suffix, const QString& target,
                qint64 most = -1) {
  QDirIterator it(data + "/" + folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (path.endsWith(suffix, Qt::CaseInsensitive))
      Put(target, "shipped-" + QFileInfo(path).fileName().replace(' ', '_'), Read(path, most));
  }
}

QByteArray Wave(int channels, int rate, int bits, int frames) {
  const int dataBytes = frames * channels * bits / 8;
  QByteArray b(44 + dataBytes, '\0');
  auto u32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
  auto u16 = [&b](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
  std::memcpy(b.data(), "RIFF", 4);
  u32(4, 36 + dataBytes);
  std::memcpy(b.data() + 8, "WAVEfmt ", 8);
  u32(16, 16);
  u16(20, 1);
  u16(22, channels);
  u32(24, rate);
  u32(28, rate * channels * bits / 8);
  u16(32, channels * bits / 8);
  u16(34, bits);
  std::memcpy(b.data() + 36, "data", 4);
  u32(40, dataBytes);
  for (int i = 0; i < dataBytes; ++i) b[44 + i] = static_cast<char>(i * 7);
  return b;
}

QByteArray JsEvents(std::initializer_list<js_event> events) {
  QByteArray b;
  for (const js_event& e : events) b.append(reinterpret_cast<const char*>(&e), sizeof e);
  return b;
}

QByteArray CalibrationHead(const JoystickCalibration& c, std::uint8_t flags) {
  const std::int32_t v[8] = {c.MaxLeftUpX, c.MaxLeftUpY, c.MaxRightDownX, c.MaxRightDownY,
                             c.MaxZ,       c.MinZ,       c.CenterX,       c.CenterY};
  QByteArray b(reinterpret_cast<const char*>(v), sizeof v);
  b.append(static_cast<char>(flags));
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: makeseeds <data folder> <corpus folder>\n");
    return 2;
  }
  const QString data = QString::fromLocal8Bit(argv[1]);
  g_out = QString::fromLocal8Bit(argv[2]);

  // Areas: the built-in area, and an empty one.
  AreaState area;
  FillDefaultArea(area);
  Put("area", "default-area1", EncodeAreaFile(area.VorList, area.NdbList, area.IlsList));
  Put("area", "empty", EncodeAreaFile({}, {}, {}));
  PutShipped(data, "Areas", ".dat", "area");

  // Start positions: the shipped samples and a default record.
  StartPosition p;
  p.Heading = 270;
  p.Altitude = 3000;
  p.Beacon = "AAA";
  p.Rpm = 2400;
  p.AircraftType = "SEP";
  p.ConfigName = "cruise";
  p.Minimums = 320;
  Put("startpos", "encoded-sep", EncodeStartPosition(p));
  PutShipped(data, "startpositions", ".dat", "startpos");

  // Flap labels.
  Put("flaplabels", "encoded", EncodeFlapLabels({"UP", "1", "5", "15", "40"}));
  Put("flaplabels", "lf-only", "0\n10\n20\n30\nFULL\n");
  PutShipped(data, "airplanes", ".txt", "flaplabels");

  // Navigation log: the headers, one computed leg, and a new window's grid.
  NavlogGrid grid;
  SetNavlogHeaders(grid);
  FillLegRows(grid, "160", "23", "100", 3);
  grid.At(NavlogColumns.Waypoint, 2) = "LEKKO";
  grid.At(NavlogColumns.Freq, 2) = "113.45";
  grid.At(NavlogColumns.Track, 2) = "090";
  grid.At(NavlogColumns.Dist, 2) = "30.6";
  Put("navlog", "one-leg", EncodeNavlogFile(grid));
  CalculateNavlog(grid, 8.5);
  Put("navlog", "calculated", EncodeNavlogFile(grid));
  PutShipped(data, "navlogs", ".dat", "navlog");

  // Loadsheet: a new window's boxes, current record and the older size.
  const QByteArray sheet = EncodeLoadsheetFile(DefaultLoadsheet());
  Put("loadsheet", "default", sheet);
  Put("loadsheet", "older-size", sheet.left(kLoadsheetV1Bytes));
  PutShipped(data, "loadsheets", ".dat", "loadsheet");

  // The calibration file as saved, and with the other spelling and odd lines.
  IniFile ini;
  WriteCalibration(ini, JoystickCalibration{});
  Put("ini", "saved", ini.Text().toLatin1());
  Put("ini", "hand-made", "; my stick\n[range]\nMaxZ=0\nMinZ=5\n[center]\nCenterX=40\n[Other]\nx = 1\n");

  // JPEG: small grey and colour pictures of our own compression.
  QImage colour(24, 16, QImage::Format_RGB888);
  for (int y = 0; y < colour.height(); ++y)
    for (int x = 0; x < colour.width(); ++x) colour.setPixelColor(x, y, QColor(x * 10, y * 15, 128));
  Put("jpeg", "colour", EncodeJpeg(colour, 80));
  Put("jpeg", "colour-progressive", EncodeJpeg(colour, 60, true));
  Put("jpeg", "grey", EncodeJpeg(colour.convertToFormat(QImage::Format_Grayscale8), 90));
  PutShipped(data, "pictures", ".jpg", "jpeg");

  // Navigation database: the first records of each shipped file and default records.
  Put("navdb", "default-airport", EncodeAirport(AirportRecord{}));
  Put("navdb", "default-navaid", EncodeNavaid(NavaidRecord{}));
  Put("navdb", "default-ils", EncodeIls(IlsRecord{}));
  for (const char* file : {"ARPT.dat", "NAV.dat", "ILS.dat"}) {
    const QByteArray all = Read(data + "/Navdata/" + file, 96 * 40);
    for (int record = 0; record < 4; ++record)
      Put("navdb", QString("shipped-%1-%2").arg(file).arg(record), all.mid(record * 96 * 9, 96));
  }

  // Joystick events: a stick and throttle sweep, buttons, and the state at opening.
  const QByteArray head = CalibrationHead(JoystickCalibration{}, 0);
  const QByteArray moves = JsEvents({{0, 0, JS_EVENT_AXIS | JS_EVENT_INIT, 0}, {10, -32767, JS_EVENT_AXIS, 0},
                                     {20, 32767, JS_EVENT_AXIS, 1}, {30, 0, JS_EVENT_AXIS, 2},
                                     {40, 32767, JS_EVENT_AXIS, 2}, {50, 1, JS_EVENT_BUTTON, 0},
                                     {60, 0, JS_EVENT_BUTTON, 0}, {70, 1, JS_EVENT_BUTTON, 3}});
  Put("joystick_events", "sweep", head + moves);
  Put("joystick_events", "calibrating-raw", CalibrationHead(JoystickCalibration{}, 3) + moves);
  JoystickCalibration odd{0, 0, 60000, 60000, 0, 5, 20000, 30000};
  Put("joystick_events", "uneven-centre", CalibrationHead(odd, 0) + moves);

  // Wave headers: our own minimal files and the shortest shipped sound.
  Put("wave", "mono8", Wave(1, 11025, 8, 64));
  Put("wave", "stereo16", Wave(2, 22050, 16, 32));
  Put("wave", "shipped-ding.wav", Read(data + "/Navdata/ding.wav"));

  // Numbers: a width, a number of decimals, then the text.
  for (const char* text : {"170", "-3.5", " 2700 ", "1e9", "087", "113.45", "0.000540", "1852.000000", "abc",
                           "-0", "+12", "1.7976931348623157e308", "4.9e-324", "12,5"})
    Put("numbers", QString("text-%1").arg(QString::fromLatin1(QByteArray(text).toHex())),
        QByteArray("\x0f\x03", 2) + text);
  return g_ok ? 0 : 1;
}
