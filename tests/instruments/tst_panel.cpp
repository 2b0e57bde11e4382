// The instrument panel in the simulator window: placement per type, the
// repaint triggers, pixels of the painted charts, and pictures of the three
// panels.
#include <QtTest>

#include <QSet>
#include <cmath>
#include <utility>

#include "areas/instroptions.h"
#include "platform/messages.h"
#include "instruments/layout.h"
#include "instruments/panelfixture.h"
#include "instruments/textink.h"
#include "instruments/vorindicators.h"
#include "simulator/form1.h"
#include "simulator/panellayout.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

QColor Rgb(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The window for one type, chosen as the user chooses it.
void ChooseType(TForm1& form, const QString& type) {
  const bool map = Sim.MapVisible;
  form.SetTypegroupIndex(-1);
  form.SetTypegroupIndex(type == "SEP" ? 0 : type == "SEP EFIS" ? 1 : 2);
  if (Sim.MapVisible != map) form.mapschakelaar();
  form.TkOrvane();
}

void FlyingState(const QString& type) { test::PanelFlyingState(Sim, type); }

// The window follows the client area it is given, not a pinned one.
struct Unpinned {
  QSize pinned = TForm1::ClientSizeOverride, screen = TForm1::ScreenSizeOverride;
  Unpinned() { TForm1::ClientSizeOverride = QSize(); }
  ~Unpinned() { TForm1::ClientSizeOverride = pinned, TForm1::ScreenSizeOverride = screen; }
};

// The maximised window's client area on `screen` under a 19-px title bar.
void ShowAsMaximisedOn(TForm1& form, QSize screen) {
  TForm1::ScreenSizeOverride = screen;
  const QSize client(screen.width(), screen.height() - 38);
  form.resize(client.width(), client.height() + form.menuBar()->height());
  QTRY_COMPARE(form.centralWidget()->size(), client);
}

// The client area of a window `client` pixels large.
void ResizeClient(TForm1& form, QSize client) {
  form.resize(client.width(), client.height() + form.menuBar()->height());
  QTRY_COMPARE(form.centralWidget()->size(), client);
}

// One of the map's states: 0 hidden, 1 beside the panel, 2 full size.
void PutMapInState(TForm1& form, int map) {
  if (Sim.MapFullSize) form.fullmapschakelaar();
  if (Sim.MapVisible != (map == 1)) form.mapschakelaar();
  if (map == 2) form.fullmapschakelaar();
}

// A chart painted as a screen of `ratio` device pixels to the pixel shows it.
QImage RenderAtRatio(ChartSurface* chart, qreal ratio) {
  QImage image((QSizeF(chart->size()) * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  chart->render(&image);
  return image;
}

// Where everything of the window stands: the shown controls' places, every
// control's visibility, and the layout values the drawings use.
QStringList LayoutOf(const TForm1& form) {
  QStringList out;
  for (const QWidget* w : form.centralWidget()->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    const bool shown = w->isVisibleTo(&form);
    const QRect r = w->geometry();
    out << w->objectName() + (shown ? QString(" %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                                    : QString(" hidden"));
  }
  const SimState& s = Sim;
  out << QString("cell %1 map left %2 centre %3,%4 ADI %5,%6 HSI %7,%8 engine %9,%10")
             .arg(s.CellSize).arg(s.MapLeft).arg(s.MapCentreX).arg(s.MapCentreY).arg(s.AdiCentreX)
             .arg(s.AdiCentreY).arg(s.HsiCentreX).arg(s.HsiCentreY).arg(s.EngineCentreX).arg(s.EngineCentreY);
  return out;
}

// Where a control's text goes, and the text: a label's contents, a button's
// or line edit's text area, a group box's title line; empty for a control
// that shows no text.
std::pair<QRect, QString> TextPlace(const QWidget* w) {
  QStyleOption option;
  option.initFrom(w);
  const QStyle* style = w->style();
  if (const auto* label = qobject_cast<const QLabel*>(w)) return {label->contentsRect(), label->text()};
  if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
    QStyleOptionFrame frame;
    frame.initFrom(w);
    frame.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w);
    // Qt's line edit keeps a further 2 px margin about its text inside the frame.
    return {style->subElementRect(QStyle::SE_LineEditContents, &frame, w).adjusted(2, 1, -2, -1), edit->text()};
  }
  if (const auto* radio = qobject_cast<const QRadioButton*>(w)) {
    QStyleOptionButton button;
    button.initFrom(w);
    return {style->subElementRect(QStyle::SE_RadioButtonContents, &button, w), radio->text()};
  }
  if (const auto* push = qobject_cast<const QPushButton*>(w)) {
    QStyleOptionButton button;
    button.initFrom(w);
    return {style->subElementRect(QStyle::SE_PushButtonContents, &button, w), push->text()};
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, w);
    return {QRect(frame, 0, w->width() - 2 * frame, QFontMetrics(w->font()).height()), box->title()};
  }
  return {};
}

// The first text on the systems, A/P, EFIS and scenario panels that does
// not fit its control at the font it is shown with, described; empty when
// all fit. `texts` counts the texts checked.
QString TextNotFitting(const TForm1& form, int& texts) {
  for (const QWidget* panel : {static_cast<QWidget*>(form.ui.SYSTEEMPanel), static_cast<QWidget*>(form.ui.MCPpanel),
                               static_cast<QWidget*>(form.ui.EFISpanel), static_cast<QWidget*>(form.ui.Failurepanel)}) {
    if (!panel->isVisibleTo(&form)) continue;
    for (const QWidget* control : panel->findChildren<QWidget*>()) {
      const auto [room, text] = TextPlace(control);
      if (!control->isVisibleTo(&form) || text.trimmed().isEmpty()) continue;
      ++texts;
      const QFontMetrics metrics(control->font());
      const QSize needed(metrics.horizontalAdvance(text.trimmed()), metrics.ascent() + metrics.descent());
      if (needed.width() > room.width() || needed.height() > room.height())
        return control->objectName() + QString(" \"%1\" at %2 pt needs %3x%4, has %5x%6")
                                           .arg(text).arg(control->font().pointSizeF()).arg(needed.width())
                                           .arg(needed.height()).arg(room.width()).arg(room.height());
    }
  }
  return {};
}
}  // namespace

class tst_Panel : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    ResetSimState();
    InstrSettings = InstrOptions{};
  }

  void placementPerTypeAndMapState() {
    TForm1 form;
    Sim.MapVisible = false;
    ChooseType(form, "SEP");
    QCOMPARE(form.ui.chart4->geometry(), QRect(298, 298, 298, 298));
    QCOMPARE(form.ui.SYSTEEMPanel->geometry(), QRect(0, 596, 596, 298));
    QVERIFY(!form.ui.locchart->isVisibleTo(&form));
    Sim.MapVisible = true;
    ChooseType(form, "SEP");
    QCOMPARE(form.ui.chart4->geometry(), QRect(596, 298, 298, 298));
    QCOMPARE(form.ui.SYSTEEMPanel->geometry(), QRect(298, 596, 596, 298));
    QCOMPARE(Sim.HsiCentreX, 149);

    ChooseType(form, "737");
    QCOMPARE(form.ui.Chart1->geometry(), QRect(149, 0, 447, 447));
    QCOMPARE(form.ui.Chart1->Zoom, 300);
    QCOMPARE(form.ui.Chart3->geometry(), QRect(596, 1, 745, 447));
    QCOMPARE(form.ui.chart4->geometry(), QRect(149, 447, 447, 447));
    QVERIFY(form.ui.locchart->isVisibleTo(&form));
    QVERIFY(form.ui.GSchart->isVisibleTo(&form));
    QCOMPARE(form.ui.locchart->geometry(), QRect(149 + 223 - 82, 407, 164, 30));
    QCOMPARE(Sim.AdiCentreX, 223);
    QCOMPARE(Sim.HsiCentreY, 223);
    QCOMPARE(Sim.EngineCentreX, 447);
    QCOMPARE(Sim.MapLeft, 1600 - 596 - 20);

    ChooseType(form, "SEP");
    QCOMPARE(form.ui.Chart1->geometry(), QRect(298, 0, 298, 298));
    QCOMPARE(form.ui.Chart1->Zoom, 85);
    QCOMPARE(Sim.AdiCentreX, 149);
    QCOMPARE(Sim.EngineCentreY, 745);
    QCOMPARE(Sim.MapLeft, 0);
  }

  // A window manager settles the maximised window's client area after it
  // is shown: the grid and every panel on it follow, inside that area.
  void layoutFollowsTheClientArea() {
    Unpinned unpinned;
    {
      TForm1 form;
      ScopedRecordingMessages msgs;
      form.SetTypegroupIndex(2);
      form.ui.START->click();  // in flight the map gives way to the systems panel
      form.Timer->stop();
      // The exercise panel along the bottom, as an exercise puts it.
      form.ui.Staticpanel->setGeometry(0, 4 * Sim.CellSize, form.ui.SYSTEEMPanel->width() - 150, 2 * Sim.CellSize);
      form.ui.Staticpanel->show();
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      const auto& ui = form.ui;
      // Under a 19-px title bar; on the narrower screens the cells leave
      // FLY/STOP and the jet's scenario panel their room right of the grid.
      for (const auto& [screen, cell] : {std::pair{QSize(1366, 768), 121}, std::pair{QSize(1366, 1024), 138},
                                         std::pair{QSize(1366, 900), 121}, std::pair{QSize(1280, 1024), 127}}) {
        ShowAsMaximisedOn(form, screen);
        QTRY_COMPARE(Sim.CellSize, cell);
        const QString where = QString("%1x%2 ").arg(screen.width()).arg(screen.height());
        const QRect client = form.centralWidget()->rect();
        const QWidget* charts[] = {ui.Chart1, ui.Chart2, ui.Chart3, ui.chart4};
        for (const QWidget* w : charts)
          QVERIFY2(client.contains(w->geometry()),
                   qPrintable(w->objectName() + QString(" %1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())));
        for (const QWidget* w : {static_cast<QWidget*>(ui.SYSTEEMPanel), static_cast<QWidget*>(ui.Failurepanel),
                                 static_cast<QWidget*>(ui.MCPpanel), static_cast<QWidget*>(ui.EFISpanel),
                                 static_cast<QWidget*>(ui.Staticpanel), static_cast<QWidget*>(ui.vertmap)})
          QVERIFY2(client.contains(w->geometry()), qPrintable(w->objectName()));
        QCOMPARE(ui.Staticpanel->geometry(), QRect(0, 4 * cell, ui.SYSTEEMPanel->width() - 150, 2 * cell));
        QCOMPARE(Sim.HsiCentreX, ui.chart4->width() / 2);
        // The scenario panel stays clear of the charts.
        for (const QWidget* w : charts)
          QVERIFY2(!w->geometry().intersects(ui.Failurepanel->geometry()), qPrintable(w->objectName()));
        // No control of the systems panel is cut by its edge or hidden under
        // the A/P, EFIS or scenario panels in front of it.
        for (QWidget* control : {static_cast<QWidget*>(ui.saveplane), static_cast<QWidget*>(ui.loadplane),
                                 static_cast<QWidget*>(ui.Loadflaps), static_cast<QWidget*>(ui.Equiflap4),
                                 static_cast<QWidget*>(ui.speedbrake), static_cast<QWidget*>(ui.Learntext),
                                 static_cast<QWidget*>(ui.ChronoOutput), static_cast<QWidget*>(ui.parkbrake),
                                 static_cast<QWidget*>(ui.Gear), static_cast<QWidget*>(ui.VOR1select),
                                 static_cast<QWidget*>(ui.flapbox)}) {
          const QRect r(control->mapTo(form.centralWidget(), QPoint(0, 0)), control->size());
          QVERIFY2(ui.SYSTEEMPanel->geometry().contains(r), qPrintable(where + control->objectName()));
          for (const QWidget* front : {ui.MCPpanel, ui.EFISpanel, ui.Failurepanel})
            QVERIFY2(!front->geometry().intersects(r),
                     qPrintable(where + control->objectName() + " " + front->objectName()));
        }
        // Nor is a control of the scenario panel: each lies whole inside it,
        // clear of the A/P and EFIS panels.
        QList<QWidget*> drill = ui.Failurecontrols->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* item : ui.Failuregroup->findChildren<QRadioButton*>()) drill << item;
        QVERIFY(drill.size() > 26);
        for (QWidget* control : drill) {
          const QRect r(control->mapTo(form.centralWidget(), QPoint(0, 0)), control->size());
          QVERIFY2(ui.Failurepanel->geometry().contains(r), qPrintable(where + control->objectName()));
          QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(where + control->objectName()));
          for (const QWidget* front : {ui.MCPpanel, ui.EFISpanel})
            QVERIFY2(!front->geometry().intersects(r),
                     qPrintable(where + control->objectName() + " " + front->objectName()));
        }
      }
    }
  }

  // The layout is the client area's alone: a window made smaller and
  // maximised again stands as one opened maximised, for every type and map
  // state, whether the type was chosen before or while it was small.
  void resizedWindowLaysOutAsAnOpenedOne() {
    Unpinned unpinned;
    ScopedRecordingMessages msgs;
    for (const QSize screen : {QSize(1366, 768), QSize(1600, 900), QSize(1920, 1080)}) {
      TForm1::ScreenSizeOverride = screen;
      const QSize maximised(screen.width(), screen.height() - 38), smaller(1180, 620);
      QHash<QString, QStringList> opened;
      for (int item = -1; item < 3; ++item) {
        for (const int map : {0, 1, 2}) {
          if (item < 0 && map != 1) continue;  // before a type is chosen the map is beside the panel
          ResetSimState();
          TForm1 form;
          form.show();
          QVERIFY(QTest::qWaitForWindowExposed(&form));
          ResizeClient(form, maximised);
          form.SetTypegroupIndex(item);
          PutMapInState(form, map);
          opened[QString("%1 map %2").arg(item).arg(map)] = LayoutOf(form);
        }
      }
      ResetSimState();
      TForm1 form;
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      ResizeClient(form, smaller);
      ResizeClient(form, maximised);
      QCOMPARE(LayoutOf(form), opened.value("-1 map 1"));
      for (const bool chosenWhileSmall : {false, true}) {
        for (int item = 0; item < 3; ++item) {
          for (const int map : {0, 1, 2}) {
            ResizeClient(form, chosenWhileSmall ? smaller : maximised);
            form.SetTypegroupIndex(item);
            PutMapInState(form, map);
            if (!chosenWhileSmall) ResizeClient(form, smaller);
            ResizeClient(form, maximised);
            const QString key = QString("%1 map %2").arg(item).arg(map);
            const QStringList now = LayoutOf(form), expected = opened.value(key);
            for (int i = 0; i < std::min(now.size(), expected.size()); ++i)
              QVERIFY2(now[i] == expected[i], qPrintable(QString("%1x%2 type %3%4: %5, opened: %6")
                                                             .arg(screen.width()).arg(screen.height()).arg(key)
                                                             .arg(chosenWhileSmall ? " (chosen small)" : "")
                                                             .arg(now[i], expected[i])));
            QCOMPARE(now.size(), expected.size());
          }
        }
      }
    }
  }

  // FLY/STOP, at the window's top right, cover no chart or panel of any
  // type, with the map hidden, shown or at full size: on the wide screens
  // and on the 4:3 and 5:4 ones, where the charts would reach under them.
  void flyStopClearOfTheCharts() {
    Unpinned unpinned;
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto& ui = form.ui;
    for (const QSize screen : {QSize(1366, 1024), QSize(1280, 1024), QSize(1366, 768), QSize(1600, 900),
                               QSize(1920, 1080)}) {
      ShowAsMaximisedOn(form, screen);
      for (int item = 0; item < 3; ++item) {
        form.SetTypegroupIndex(item);
        for (const int map : {0, 1, 2}) {  // hidden, shown, full size
          if (Sim.MapVisible != (map == 1)) form.mapschakelaar();
          if (map == 2) form.fullmapschakelaar();
          const QString where = QString("%1x%2 %3 map %4").arg(screen.width()).arg(screen.height()).arg(Sim.AircraftType).arg(map);
          const QRect client = form.centralWidget()->rect();
          for (const QWidget* w : {static_cast<QWidget*>(ui.Chart1), static_cast<QWidget*>(ui.Chart2),
                                   static_cast<QWidget*>(ui.Chart3), static_cast<QWidget*>(ui.chart4),
                                   static_cast<QWidget*>(ui.locchart), static_cast<QWidget*>(ui.GSchart),
                                   static_cast<QWidget*>(ui.MAPChart), static_cast<QWidget*>(ui.SYSTEEMPanel),
                                   static_cast<QWidget*>(ui.MCPpanel), static_cast<QWidget*>(ui.EFISpanel),
                                   static_cast<QWidget*>(ui.Failurepanel)}) {
            if (!w->isVisibleTo(&form)) continue;
            QVERIFY2(client.contains(w->geometry()), qPrintable(where + " " + w->objectName()));
            for (const QPushButton* button : {ui.START, ui.Startbit}) {
              QVERIFY2(client.contains(button->geometry()), qPrintable(where + " " + button->objectName()));
              QVERIFY2(!button->geometry().intersects(w->geometry()),
                       qPrintable(where + " " + button->objectName() + " over " + w->objectName()));
            }
          }
          if (map == 2) form.fullmapschakelaar();
        }
      }
    }
  }

  // A panel in front of a chart hides it: the systems panel over the piston
  // RPM dial (map shown) shows the window's grey, not the dial.
  void panelsHideWhatTheyCover() {
    TForm1 form;
    Sim.MapVisible = false;
    form.mapschakelaar();  // shown
    form.SetTypegroupIndex(0);
    QVERIFY(Sim.MapVisible);
    form.ui.STARTPanel->hide();
    form.resize(1600, 900 + form.menuBar()->height());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.centralWidget()->grab(QRect(0, 0, 1600, 900)).toImage();
    test::SavePng(image, "panel-SEP-map-shown");
    const QRect systems = form.ui.SYSTEEMPanel->geometry();
    const QPoint rpm = form.ui.Chart3->geometry().topLeft() + QPoint(Sim.EngineCentreX, Sim.EngineCentreY);
    QVERIFY(systems.contains(rpm));
    // Beside the flap box, where the panel holds no control, over the dial's face.
    const QPoint probe = systems.topLeft() + QPoint(form.ui.flapbox->geometry().right() + 4, 60);
    QVERIFY(std::hypot(probe.x() - rpm.x(), probe.y() - rpm.y()) < Sim.InstrumentRadius - 20);
    QCOMPARE(image.pixelColor(probe), QColor(0x80, 0x80, 0x80));
    for (const QWidget* panel : {form.ui.Failurepanel, form.ui.MCPpanel, form.ui.EFISpanel}) {
      QVERIFY2(panel->autoFillBackground(), qPrintable(panel->objectName()));
      QCOMPARE(panel->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    }
  }

  // On a low window the map beside the panel reaches into the start panel:
  // the start panel's bottom buttons stay in front of it.
  void startPanelButtonsInFrontOfTheMap() {
    struct Pinned {
      QSize client = TForm1::ClientSizeOverride, screen = TForm1::ScreenSizeOverride;
      Pinned() { TForm1::ClientSizeOverride = QSize(1366, 730), TForm1::ScreenSizeOverride = QSize(1366, 768); }
      ~Pinned() { TForm1::ClientSizeOverride = client, TForm1::ScreenSizeOverride = screen; }
    } pinned;
    TForm1 form;
    form.SetTypegroupIndex(0);
    Sim.MapVisible = false;
    form.mapschakelaar();
    QVERIFY(Sim.MapVisible);
    form.resize(1366, 730 + form.menuBar()->height());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.ui.MAPChart->geometry().top() < form.ui.STARTPanel->geometry().bottom());
    for (QPushButton* button : {form.ui.Savepos, form.ui.saveposbit}) {
      const QPoint low = button->mapTo(form.centralWidget(), QPoint(button->width() / 2, button->height() - 3));
      QVERIFY(form.ui.MAPChart->geometry().contains(low));
      QCOMPARE(form.centralWidget()->childAt(low), button);
    }
    // And after the full-size map, back at normal size.
    form.fullmapschakelaar();
    form.fullmapschakelaar();
    const QPoint save = form.ui.Savepos->mapTo(form.centralWidget(), QPoint(20, form.ui.Savepos->height() - 3));
    QCOMPARE(form.centralWidget()->childAt(save), form.ui.Savepos);
  }

  // The vertical profile spans the window, under FLY/STOP.
  void flyStopUsableOverTheProfile() {
    TForm1 form;
    form.resize(1600, 900 + form.menuBar()->height());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.vertmapschakelaar();
    QVERIFY(form.ProfileShown());
    QVERIFY(form.centralWidget()->rect().contains(form.ui.vertmap->geometry()));
    for (QPushButton* button : {form.ui.START, form.ui.Startbit}) {
      QVERIFY(form.ui.vertmap->geometry().contains(button->geometry()));
      QCOMPARE(form.centralWidget()->childAt(button->geometry().center()), button);
    }
    form.fullmapschakelaar();
    QCOMPARE(form.centralWidget()->childAt(form.ui.START->geometry().center()), form.ui.START);
  }

  void chart3RepaintComputesWhatThePanelShows() {
    TForm1 form;
    ChooseType(form, "SEP");
    Sim.Vor1Received = true;
    Sim.Vor1Radial = 95;
    Sim.Obs1Course = 90;
    Sim.Vor1Distance = 5;
    const int hsi = form.ui.chart4->RepaintRequests;
    const int loc = form.ui.locchart->RepaintRequests;
    // Whoever asks for the repaint (the tick, a key, a radio) gets the
    // deviations computed, and the HSI repainted with them.
    form.ui.Chart3->Repaint();
    QCOMPARE(Sim.Vor1Deviation, -5.0);
    QCOMPARE(Sim.Vor1ToFrom, QString("FROM"));
    QCOMPARE(Sim.GlideslopeDeviation, -10.0);
    QCOMPARE(form.ui.chart4->RepaintRequests, hsi + 1);
    QCOMPARE(form.ui.locchart->RepaintRequests, loc);  // no strips on the round dials

    ChooseType(form, "SEP EFIS");
    Sim.IlsTuned = true;
    Sim.Vor1Radial = 89;
    Sim.Obs1Course = 90;
    const int gs = form.ui.GSchart->RepaintRequests;
    form.ui.Chart3->Repaint();
    QCOMPARE(Sim.Vor1Deviation, 4.0);
    QCOMPARE(form.ui.GSchart->RepaintRequests, gs + 1);
    // The whole panel's redraw computes as well.
    Sim.Vor1Radial = 90;
    form.TkOrvane();
    QCOMPARE(Sim.Vor1Deviation, 0.0);
  }

  void tkadiShiftsTheDisc() {
    TForm1 form;
    ChooseType(form, "SEP");
    Sim.PitchAttitude = 5;
    Sim.BankAngle = 60;
    Sim.AttitudeDiscRotation = 60;
    form.TkADI();
    QCOMPARE(Sim.AdiPixelsPerDegree, 4);
    QCOMPARE(form.ui.Chart1->VertOffset, 40);
    QCOMPARE(form.ui.Chart1->Rotation, 60.0);
    QCOMPARE(form.ui.Chart1->Color, clr::Blue);
    Sim.PitchAttitude = -1;
    form.TkADI();
    QCOMPARE(form.ui.Chart1->VertOffset, -8);
    QCOMPARE(form.ui.Chart1->Color, clr::Maroon);
  }

  void attitudePixels() {
    TForm1 form;
    ChooseType(form, "SEP");
    Sim.PitchAttitude = 0;
    Sim.BankAngle = 30;
    Sim.AttitudeDiscRotation = 30;
    form.TkADI();
    const QImage image = form.ui.Chart1->Render();
    test::SavePng(image, "attitude-sep-bank30");
    const int cx = Sim.AdiCentreX, cy = Sim.AdiCentreY;
    // Bank 30 right: the horizon's right end rises, so ground shows right of
    // the centre a little above it, sky left of the centre a little below it.
    QCOMPARE(image.pixelColor(cx + 60, cy - 20), Rgb(clr::Maroon));
    QCOMPARE(image.pixelColor(cx - 60, cy + 20), Rgb(clr::Blue));
    // Red is red: the aircraft symbol's wing.
    QCOMPARE(image.pixelColor(cx - 35, cy), QColor(255, 0, 0));
    // The bezel's grey covers the chart's corners; the black ring lies inside.
    QCOMPARE(image.pixelColor(3, 3), QColor(0x80, 0x80, 0x80));
    QCOMPARE(image.pixelColor(cx, cy + Sim.InstrumentRadius - 7), QColor(0, 0, 0));

    // Nose up 20 degrees: the disc moves 80 px down and the uncovered top is sky.
    Sim.BankAngle = 0;
    Sim.AttitudeDiscRotation = 0;
    Sim.PitchAttitude = 20;
    form.TkADI();
    const QImage up = form.ui.Chart1->Render();
    QCOMPARE(up.pixelColor(cx + 40, cy + 60), Rgb(clr::Blue));  // above the shifted horizon
    QCOMPARE(up.pixelColor(cx + 40, cy + 100), Rgb(clr::Maroon));
    QCOMPARE(up.pixelColor(cx + 10, cy - 110), Rgb(clr::Blue));  // uncovered background
  }

  void redOffPatchIsFilled() {
    TForm1 form;
    ChooseType(form, "SEP");
    Sim.Vor2Received = false;
    Sim.Vor1Received = true;
    Sim.Vor1Radial = 95;
    Sim.Obs1Course = 90;
    Sim.Vor1Distance = 5;
    form.TkOrvane();
    const QImage image = form.ui.Chart3->Render();
    test::SavePng(image, "chart3-sep-vor2-off");
    // Inside the "OFF" box, between the letters' strokes as well.
    int red = 0;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 20; ++x) red += image.pixelColor(Sim.Vor2CentreX + 5 + x, Sim.Vor2CentreY - 30 + y) == Rgb(clr::Red);
    QVERIFY2(red > 150, qPrintable(QString::number(red)));
    // VOR 1 on radial 095 with course 090: FROM, bar 5 degrees left, white.
    QCOMPARE(Sim.Vor1ToFrom, QString("FROM"));
    const int bar = Sim.Vor1CentreX - 34;  // 67 x -5 / 10 = -33.5
    QCOMPARE(image.pixelColor(bar, Sim.Vor1CentreY + 40), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(Sim.Vor1CentreX, Sim.Vor1CentreY + 45), QColor(0, 0, 0));
  }

  void keptPicturesChangeNoPixel() {
    TForm1 form;
    Sim.MapVisible = false;
    for (const char* type : {"SEP", "SEP EFIS", "737"}) {
      Sim.AircraftType = type;
      form.PlaceChartsForType();
      FlyingState(type);
      form.TkOrvane();
      const auto renderAll = [&form] {
        QVector<QImage> images;
        for (ChartSurface* chart : {form.ui.Chart1, form.ui.Chart2, form.ui.Chart3, form.ui.chart4, form.ui.locchart,
                                    form.ui.GSchart})
          images << chart->Render();
        return images;
      };
      // Every picture kept under a key that names what it shows: after a
      // change of heading and courses nothing stale is drawn.
      for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
          Sim.Heading += 7;
          Sim.Obs1Course = 10;
          Sim.Obs2Course = 200;
          form.TkOrvane();
        }
        PainterCanvas::CacheText = PainterCanvas::CacheLayers = false;
        const QVector<QImage> fresh = renderAll();
        PainterCanvas::CacheText = PainterCanvas::CacheLayers = true;
        const QVector<QImage> first = renderAll();
        const QVector<QImage> kept = renderAll();
        for (int i = 0; i < fresh.size(); ++i) {
          QVERIFY2(first[i] == fresh[i], type);
          QVERIFY2(kept[i] == fresh[i], type);
        }
      }
    }
  }

  void panelPictures_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("item");
    QTest::newRow("SEP") << "SEP" << 0;
    QTest::newRow("SEP EFIS") << "SEP EFIS" << 1;
    QTest::newRow("737") << "737" << 2;
  }

  // Each type chosen as the pilot does, with its first preset, in flight.
  void panelPictures() {
    QFETCH(QString, type);
    QFETCH(int, item);
    TForm1 form;
    ScopedRecordingMessages msgs;
    // In flight the map gives way to the systems panel.
    Sim.MapVisible = true;
    form.mapschakelaar();
    form.ui.STARTPanel->hide();
    form.SetTypegroupIndex(item);
    QCOMPARE(Sim.AircraftType, type);
    QVERIFY(!Sim.MapVisible);
    FlyingState(type);
    form.TkOrvane();
    form.resize(1600, 900 + form.menuBar()->height());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The window's paint recomputes the bearings from the stations; the
    // panel follows them as at every tick.
    form.TkOrvane();
    const QImage image = form.centralWidget()->grab(QRect(0, 0, 1600, 900)).toImage();
    test::SavePng(image, "panel-" + QString(type).replace(' ', '-'));
    QCOMPARE(image.size(), QSize(1600, 900));

    // The attitude indicator's centre shows the red or white aircraft symbol;
    // the HSI's face is black around its centre disc.
    const QPoint adi = form.ui.Chart1->geometry().topLeft() + QPoint(Sim.AdiCentreX, Sim.AdiCentreY);
    const QPoint hsi = form.ui.chart4->geometry().topLeft() + QPoint(Sim.HsiCentreX, Sim.HsiCentreY);
    if (type == "737") {
      QCOMPARE(image.pixelColor(adi + QPoint(-5, 0)), QColor(255, 255, 255));
      // The glideslope strip lets the disc show through; its centre line is white.
      const QRect gs = form.ui.GSchart->geometry();
      QCOMPARE(image.pixelColor(gs.center().x(), gs.top() + gs.height() / 2), QColor(255, 255, 255));
      const QColor behind = image.pixelColor(gs.left() + 3, gs.top() + 3);
      QVERIFY(behind == Rgb(clr::Blue) || behind == Rgb(clr::Maroon));
      // On an ILS the localiser deviation is four times the angle, at most full scale.
      QVERIFY(std::abs(Sim.Vor1Deviation) <= 10);
      QCOMPARE(Sim.GlideslopeDeviation, GlideslopeDeviationFor(GlideAngle(Sim.Altitude, 120, Sim.Vor1Distance)));
    } else {
      QCOMPARE(image.pixelColor(adi + QPoint(-35, 0)), QColor(255, 0, 0));
    }
    QCOMPARE(image.pixelColor(hsi + QPoint(0, 40)).black(), 255);
  }

  // On a scaled screen (125 %, 150 %, 200 %) the charts are painted at the
  // screen's resolution, their texts and lines smoothed; at 100 % pixel for
  // pixel in the colours drawn, as ever.
  void scaledScreensAreSmoothedAtTheirResolution_data() { panelPictures_data(); }
  void scaledScreensAreSmoothedAtTheirResolution() {
    QFETCH(QString, type);
    QFETCH(int, item);
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.SetTypegroupIndex(item);
    FlyingState(type);
    form.TkOrvane();
    const QVector<qreal> ratios = {1.25, 1.5, 2.0};
    // For each ratio: the texts shown, those smoothed, those with detail finer than the chart's pixels.
    QVector<int> shown(ratios.size()), smoothed(ratios.size()), detailed(ratios.size());
    for (ChartSurface* chart : {form.ui.Chart1, form.ui.Chart2, form.ui.Chart3, form.ui.chart4}) {
      const QString name = type + " " + chart->objectName();
      // What the chart draws: its colours and its upright texts.
      RecordingCanvas drawn;
      chart->AfterDraw(drawn);
      QSet<QRgb> colours{QColor(Qt::white).rgb(), Rgb(chart->Color).rgb()};
      QVector<RecordingCanvas::Primitive> texts;
      for (const auto& p : drawn.log) {
        colours << Rgb(p.pen.color).rgb() << Rgb(p.brush.color).rgb() << Rgb(p.font.color).rgb();
        if (p.op == RecordingCanvas::Op::Text && !p.text.trimmed().isEmpty()) texts << p;
      }
      // The texts that show at 100 %: a later drawing may cover some.
      const QImage plain = RenderAtRatio(chart, 1);
      const auto inkOf = [](const RecordingCanvas::Primitive& t) {
        return test::PaintedInk(t.font, t.text).translated(t.points[0]).adjusted(-1, -1, 1, 1);
      };
      texts.removeIf([&](const RecordingCanvas::Primitive& t) {
        const QRect ink = inkOf(t).intersected(plain.rect());
        int glyph = 0;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
          for (int x = ink.left(); x <= ink.right(); ++x) glyph += plain.pixel(x, y) == Rgb(t.font.color).rgb();
        return glyph < 4;
      });
      QVERIFY2(plain == chart->Render(), qPrintable(name));
      QPoint blended(-1, -1);
      for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
          if (!colours.contains(plain.pixel(x, y)) && blended.x() < 0) blended = QPoint(x, y);
      QVERIFY2(blended.x() < 0,
               qPrintable(QString("%1: smoothed at %2,%3 at 100 %").arg(name).arg(blended.x()).arg(blended.y())));
      for (int r = 0; r < ratios.size(); ++r) {
        const qreal ratio = ratios[r];
        const QImage image = RenderAtRatio(chart, ratio);
        test::SavePng(image, QString("scaled-%1-%2").arg(name).replace(' ', '-').arg(int(ratio * 100)));
        // Around each text's glyphs: shades between the colours drawn, and
        // detail finer than the chart's pixels.
        shown[r] += texts.size();
        for (const auto& t : texts) {
          const QRect ink = inkOf(t);
          const QRect pixels = QRect(QPoint(std::floor(ink.left() * ratio), std::floor(ink.top() * ratio)),
                                     QPoint(std::ceil((ink.right() + 1) * ratio) - 1,
                                            std::ceil((ink.bottom() + 1) * ratio) - 1))
                                   .intersected(image.rect());
          // A picture of the chart's pixels merely enlarged has no more
          // different columns or rows than the chart has pixels.
          bool shaded = false;
          QSet<QByteArray> columns, rows;
          for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            QByteArray row;
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
              shaded = shaded || !colours.contains(image.pixel(x, y));
              row += QByteArray::number(image.pixel(x, y)) + ',';
            }
            rows << row;
          }
          for (int x = pixels.left(); x <= pixels.right(); ++x) {
            QByteArray column;
            for (int y = pixels.top(); y <= pixels.bottom(); ++y) column += QByteArray::number(image.pixel(x, y)) + ',';
            columns << column;
          }
          const bool detail = columns.size() > ink.width() || rows.size() > ink.height();
          smoothed[r] += shaded;
          detailed[r] += detail;
        }
      }
    }
    for (int r = 0; r < ratios.size(); ++r) {
      const QString counts = QString("at %1: %2 of %3 texts smoothed, %4 with detail")
                                 .arg(ratios[r]).arg(smoothed[r]).arg(shown[r]).arg(detailed[r]);
      QVERIFY2(shown[r] >= 30, qPrintable(counts));
      QVERIFY2(smoothed[r] == shown[r], qPrintable(counts));
      // A text of a few narrow strokes may be told apart by no more columns
      // than pixels; nearly every text is.
      QVERIFY2(detailed[r] * 10 >= shown[r] * 8, qPrintable(counts));
    }
  }

  // The panels' contents and their fonts shrink together: over client areas
  // across the whole range, for each type, every text of the systems, A/P,
  // EFIS and scenario panels fits its control at the font it is shown with.
  void panelTextsFitOverTheRange() {
    const QSize pinned = TForm1::ClientSizeOverride;
    TForm1 form;
    ScopedRecordingMessages msgs;
    int texts = 0;
    QStringList faults;
    const int first = kSmallestPanelClient.width(), last = 2560;
    // Every few cell sizes: the cell grows by one for every 6 px of height.
    constexpr int kStep = 16;
    for (int item = 0; item < 3; ++item) {
      form.SetTypegroupIndex(item);
      for (int w = first; w < last + kStep; w += kStep)
        for (int h = kSmallestPanelClient.height(); h < 1440 + kStep; h += kStep) {
          TForm1::ClientSizeOverride = QSize(std::min(w, last), std::min(h, 1440));
          form.ApplyPanelLayout();
          const QString fault = TextNotFitting(form, texts);
          if (!fault.isEmpty() && faults.size() < 10)
            faults << QString("%1x%2 type %3: ").arg(std::min(w, last)).arg(std::min(h, 1440)).arg(item) + fault;
        }
    }
    TForm1::ClientSizeOverride = pinned;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    QVERIFY(texts > 100000);
  }

  // The window stands as its layout says, and on the real widgets no
  // control a user works is cut or covered: the three types at the smallest
  // client area, at what a 1366 x 768 screen leaves under a desktop's bars,
  // and at 1920 x 1080, with the map hidden and beside the panel. Pictures
  // of each are left in the test output.
  void realWidgetsStandAsTheLayoutSays() {
    Unpinned unpinned;
    ScopedRecordingMessages msgs;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const QSize client : {QSize(1180, 610), QSize(1280, 651), QSize(1366, 699), QSize(1920, 1042)}) {
      TForm1::ScreenSizeOverride = client;
      ResizeClient(form, client);
      for (int item = 0; item < 3; ++item)
        for (const int map : {0, 1}) {
          form.SetTypegroupIndex(item);
          PutMapInState(form, map);
          const QString where = QString("%1x%2 type %3 map %4 ").arg(client.width()).arg(client.height()).arg(item).arg(map);
          const PanelLayout layout = LayOutPanel(form.PanelState());
          for (const PlacedControl& placed : layout.Controls) {
            const QWidget* w = form.centralWidget()->findChild<QWidget*>(placed.Name);
            QVERIFY2(w, placed.Name);
            QRect expected = placed.Rect;
            if (w == form.ui.EFS1 || w == form.ui.EFS2) expected.moveLeft(w->x());
            QVERIFY2(w->geometry() == expected, qPrintable(where + placed.Name));
          }
          // Every control of the window that is shown has its place in the
          // layout: those on the client area, and those on a panel whose
          // contents the layout places.
          for (const QWidget* w : form.centralWidget()->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") || !w->isVisibleTo(&form)) continue;
            const QWidget* parent = w->parentWidget();
            bool contentsPlaced = parent == form.centralWidget();
            for (const PlacedControl& placed : layout.Controls)
              contentsPlaced = contentsPlaced || parent->objectName() == QLatin1String(placed.Parent);
            QVERIFY2(!contentsPlaced || layout.Find(w->objectName().toStdString()),
                     qPrintable(where + w->objectName() + " has no place"));
          }
          int texts = 0;
          const QString notFitting = TextNotFitting(form, texts);
          QVERIFY2(notFitting.isEmpty(), qPrintable(where + notFitting));
          // The panels and controls in front of each panel, back to front.
          const QList<QWidget*> stack = form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
          for (QWidget* panel : {static_cast<QWidget*>(form.ui.SYSTEEMPanel), static_cast<QWidget*>(form.ui.MCPpanel),
                                 static_cast<QWidget*>(form.ui.EFISpanel), static_cast<QWidget*>(form.ui.Failurepanel)}) {
            if (!panel->isVisible()) continue;
            QVERIFY2(panel->autoFillBackground(), qPrintable(where + panel->objectName()));
            QVERIFY2(form.centralWidget()->rect().contains(panel->geometry()), qPrintable(where + panel->objectName()));
            for (QWidget* control : panel->findChildren<QWidget*>()) {
              if (!control->isVisible() || !control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) continue;
              const QRect r(control->mapTo(form.centralWidget(), QPoint(0, 0)), control->size());
              QVERIFY2(panel->geometry().contains(r), qPrintable(where + control->objectName() + " cut"));
              for (qsizetype z = stack.indexOf(panel) + 1; z < stack.size(); ++z) {
                const QWidget* front = stack[z];
                if (!front->isVisible() || front == form.ui.MAPChart || front == form.ui.vertmap) continue;
                QVERIFY2(!front->geometry().intersects(r),
                         qPrintable(where + control->objectName() + " under " + front->objectName()));
              }
            }
          }
          // The pictures show a moment of flight, with every text the charts write then.
          FlyingState(Sim.AircraftType);
          form.TkOrvane();
          test::SavePng(form.centralWidget()->grab().toImage(),
                        QString("panel-%1x%2-%3-map%4").arg(client.width()).arg(client.height()).arg(item).arg(map));
        }
    }
  }
};

QTEST_MAIN(tst_Panel)
#include "tst_panel.moc"
