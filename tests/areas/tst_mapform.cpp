// The holding window: its controls, the enabling of its inputs, OK and Cancel
// with the simulator window behind it, the pick from the beacon list, and the
// holding it defines drawn on the map.
#include <QtTest>
#include <cmath>
#include <memory>

#include "areas/areamodel.h"
#include "areas/holding.h"
#include "areas/mapform.h"
#include "platform/messages.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

bool ColourNear(const QImage& image, int x, int y, QRgb color, int radius) {
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint p(x + dx, y + dy);
      if (image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) == (color & 0xFFFFFF)) return true;
    }
  return false;
}

constexpr QRgb kYellow = 0xFFFF00;

void TypeInto(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

}  // namespace

class tst_Mapform : public QObject {
  Q_OBJECT
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TMapform> holding;

  // The simulator window and the holding window, both created as the program
  // creates them, the holding window opened from the menu.
  void OpenFromMenu() {
    form->ui.Mapmenu->trigger();
    QVERIFY(holding->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(holding.get()));
  }

  void ChooseDrawHolding() { QTest::mouseClick(holding->ui.Mapkeuze1, Qt::LeftButton); }

  // "Draw holding" with an inbound course, typed as the pilot would.
  void TypeHolding(const QString& beacon, const QString& turn, const QString& inbound, const QString& speed) {
    ChooseDrawHolding();
    QTest::mouseClick(holding->ui.Coursekeuze0, Qt::LeftButton);
    TypeInto(holding->ui.Holdingbeacon, beacon);
    holding->ui.Turndirection->setEditText(turn);
    TypeInto(holding->ui.Holdingcourse, inbound);
    TypeInto(holding->ui.holdspdinput, speed);
  }

 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    ResetHoldingWindowState();
    form.reset(test::NewActiveSimWindow());
    QVERIFY(form);
    holding = std::make_unique<TMapform>();
    QCOMPARE(Mapform, holding.get());
  }

  void cleanup() {
    holding.reset();
    form.reset();
    QVERIFY(!Mapform);
  }

  void controlsAndCaptions() {
    const Ui::TMapform& ui = holding->ui;
    QCOMPARE(holding->windowTitle(), QString("Holding"));
    QCOMPARE(ui.Mapkeuze0->text(), QString("No holding"));
    QCOMPARE(ui.Mapkeuze1->text(), QString("Draw holding"));
    QCOMPARE(ui.Holdingbox->title(), QString("Holding"));
    QCOMPARE(ui.Beaconlabel->text(), QString("Beacon:"));
    QCOMPARE(ui.Turnlabel->text(), QString("Turn direction: "));
    QCOMPARE(ui.spdLabel->text(), QString("Holding speed: "));
    QCOMPARE(ui.Coursekeuze0->text(), QString("Inbound course:"));
    QCOMPARE(ui.Coursekeuze1->text(), QString("Radial:"));
    QCOMPARE(ui.OK->text(), QString("&OK"));
    QCOMPARE(ui.Cancel->text(), QString("&CANCEL"));
    QStringList beacons;
    for (int i = 0; i < ui.holdingBeaconbox->count(); ++i) beacons << ui.holdingBeaconbox->itemText(i);
    QCOMPARE(beacons, QStringList({"VOR1", "VOR2", "VOR3", "NDB1", "NDB2", "NDB3", "ILS1"}));
    QCOMPARE(ui.holdingBeaconbox->currentText(), QString("VOR1"));
    QCOMPARE(ui.holdingBeaconbox->maxVisibleItems(), 40);
    QCOMPARE(ui.Turndirection->count(), 2);
    QCOMPARE(ui.Turndirection->itemText(0), QString("RIGHT"));
    QCOMPARE(ui.Turndirection->itemText(1), QString("LEFT"));
    QCOMPARE(ui.Memo1->toPlainText().split('\n'),
             QStringList({"KEYBOARD:", "Use [G] and [H]", "to change inbound course/radial:",
                          QString::fromUtf8("[G]=-10°  [SHIFT+G]=-1°"), QString::fromUtf8("[H]=+10°  [SHIFT+H]=+1°"),
                          "[Ctrl+H]=Turn direction"}));
    // No title-bar buttons: the window is left by OK or Cancel.
    QVERIFY(!holding->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  }

  void creationDefaults() {
    const Ui::TMapform& ui = holding->ui;
    QVERIFY(ui.Mapkeuze0->isChecked());
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);
    QCOMPARE(ui.Holdingbeacon->text(), QString("VOR1"));
    QCOMPARE(ui.Turndirection->currentText(), QString("RIGHT"));
    QCOMPARE(ui.Holdingcourse->text(), QString("180"));
    QCOMPARE(ui.Holdingradial->text(), QString("360"));
    QCOMPARE(ui.holdspdinput->text(), QString("115"));
    QCOMPARE(holding->Coursekeuze(), kRadialChoice);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.Holdingbox, ui.Holdingbeacon, ui.Turndirection,
                                                      ui.Holdingcourse, ui.Holdingradial, ui.Beaconlabel,
                                                      ui.Turnlabel, ui.Coursekeuze, ui.spdLabel, ui.holdspdinput,
                                                      ui.holdingBeaconbox})
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(ui.OK->isEnabled() && ui.Cancel->isEnabled() && ui.Mapkeuze->isEnabled());
  }

  // The two radio groups switch the inputs; the drawing choice is what the map reads at once.
  void enablingFollowsTheChoices() {
    OpenFromMenu();
    const Ui::TMapform& ui = holding->ui;
    const int repaints = form->ui.MAPChart->RepaintRequests;
    ChooseDrawHolding();
    QCOMPARE(HoldingWindow.Mapkeuze, kDrawHolding);
    QVERIFY(form->ui.MAPChart->RepaintRequests > repaints);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.Holdingbox, ui.Holdingbeacon, ui.Turndirection,
                                                      ui.Beaconlabel, ui.Turnlabel, ui.Coursekeuze, ui.spdLabel,
                                                      ui.holdspdinput, ui.holdingBeaconbox, ui.Holdingradial})
      QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!ui.Holdingcourse->isEnabled());

    QTest::mouseClick(ui.Coursekeuze0, Qt::LeftButton);
    QCOMPARE(holding->Coursekeuze(), kInboundCourseChoice);
    QVERIFY(ui.Holdingcourse->isEnabled());
    QVERIFY(!ui.Holdingradial->isEnabled());

    QTest::mouseClick(ui.Mapkeuze0, Qt::LeftButton);
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);
    QVERIFY(!ui.Holdingbox->isEnabled() && !ui.Holdingcourse->isEnabled() && !ui.Holdingradial->isEnabled());
  }

  void menuAndButtonOpenTheWindowOverADisabledSimulator() {
    form->ui.Beaconbox->setEditText("MMM");
    OpenFromMenu();
    QVERIFY(!form->isEnabled());
    QStringList items;
    for (int i = 0; i < holding->ui.holdingBeaconbox->count(); ++i) items << holding->ui.holdingBeaconbox->itemText(i);
    QCOMPARE(items, QStringList({"AAA", "BBB", "CCC", "MMM", "NNN", "PPP", "ILA", "LCA"}));
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("MMM"));
    QCOMPARE(holding->ui.holdingBeaconbox->currentText(), QString("MMM"));
    QTest::mouseClick(holding->ui.Cancel, Qt::LeftButton);
    QVERIFY(!holding->isVisible());
    QVERIFY(form->isEnabled());

    form->ui.Beaconbox->setEditText("ILA");
    QTest::mouseClick(form->ui.holdingbutton, Qt::LeftButton);
    QVERIFY(holding->isVisible());
    QVERIFY(!form->isEnabled());
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("ILA"));
  }

  // A choice made elsewhere while the window was hidden is what it shows.
  void showTakesTheChoiceInForce() {
    HoldingWindow.Mapkeuze = kDrawHolding;
    OpenFromMenu();
    QVERIFY(holding->ui.Mapkeuze1->isChecked());
    QVERIFY(holding->ui.Holdingbox->isEnabled());
    QVERIFY(holding->ui.Holdingradial->isEnabled());
  }

  void okWithInboundCourseDerivesTheRadial() {
    ScopedRecordingMessages msgs;
    const struct {
      const char* inbound;
      int radial;
    } cases[] = {{"360", 180}, {"180", 0}, {"0", 180}, {"90", 270}};
    for (const auto& c : cases) {
      OpenFromMenu();
      TypeHolding("nnn", "left", c.inbound, "300");
      Sim.AircraftX = 99;  // OK applies the start panel again
      QTest::mouseClick(holding->ui.OK, Qt::LeftButton);
      QVERIFY2(msgs.entries.isEmpty(), qPrintable(msgs.Texts().join('|')));
      QVERIFY(!holding->isVisible());
      QVERIFY(form->isEnabled());
      QVERIFY(std::fabs(Sim.AircraftX - 3.0) < 0.01);  // placed, then moved one step
      QCOMPARE(Sim.HoldingInboundCourse, QString(c.inbound).toInt());
      QCOMPARE(Sim.HoldingRadial, c.radial);
      QCOMPARE(Sim.HoldingSide, QString("LEFT"));
      QCOMPARE(Sim.HoldingSpeed, 300);
      QCOMPARE(Sim.HoldingX, Areas.NdbList[1].X);
      QCOMPARE(Sim.HoldingY, Areas.NdbList[1].Y);
      QCOMPARE(holding->ui.Holdingbeacon->text(), QString("NNN"));
      QCOMPARE(holding->ui.Turndirection->currentText(), QString("LEFT"));
    }
  }

  void okWithRadialKeepsTheInboundCourse() {
    ScopedRecordingMessages msgs;
    Sim.HoldingInboundCourse = 45;
    OpenFromMenu();
    ChooseDrawHolding();
    TypeInto(holding->ui.Holdingradial, "360");
    QTest::mouseClick(holding->ui.OK, Qt::LeftButton);
    QVERIFY(msgs.entries.isEmpty());
    QCOMPARE(Sim.HoldingRadial, 360);
    QCOMPARE(Sim.HoldingInboundCourse, 45);
  }

  // A rejected input: one message, the focus on it, the window and the
  // disabled simulator stay; Cancel then discards what the reading stored.
  void rejectedInputKeepsTheWindowAndCancelDiscards() {
    ScopedRecordingMessages msgs;
    const HoldingDefinition before = HoldingDefinitionOf(Sim);
    OpenFromMenu();
    TypeHolding("BBB", "LEFT", "90", "301");
    QTest::mouseClick(holding->ui.OK, Qt::LeftButton);
    QCOMPARE(msgs.Texts(), QStringList({"ERROR: HOLDING SPEED MUST BE BETWEEN 60 AND 300 "}));
    QVERIFY(HoldingWindow.HoldingInputError);
    QVERIFY(holding->isVisible());
    QVERIFY(!form->isEnabled());
    QCOMPARE(holding->focusWidget(), holding->ui.holdspdinput);
    // What was read before the speed is stored, the radial following the course.
    QCOMPARE(Sim.HoldingX, Areas.VorList[1].X);
    QCOMPARE(Sim.HoldingSide, QString("LEFT"));
    QCOMPARE(Sim.HoldingRadial, 270);
    QCOMPARE(Sim.HoldingSpeed, before.Speed);

    // An inbound course that is no number leaves the radial alone.
    msgs.Clear();
    TypeInto(holding->ui.Holdingcourse, "1o");
    Sim.HoldingRadial = 33;
    QTest::mouseClick(holding->ui.OK, Qt::LeftButton);
    QCOMPARE(msgs.Texts(), QStringList({"ERROR: INBOUND COURSE IS NOT CORRECT "}));
    QCOMPARE(holding->focusWidget(), holding->ui.Holdingcourse);
    QCOMPARE(Sim.HoldingRadial, 33);

    QTest::mouseClick(holding->ui.Cancel, Qt::LeftButton);
    QVERIFY(!holding->isVisible());
    QVERIFY(form->isEnabled());
    const HoldingDefinition after = HoldingDefinitionOf(Sim);
    QCOMPARE(after.X, before.X);
    QCOMPARE(after.Y, before.Y);
    QCOMPARE(after.Radial, before.Radial);
    QCOMPARE(after.Side, before.Side);
    QCOMPARE(after.InboundCourse, before.InboundCourse);
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);
  }

  void cancelRestoresChoiceAndTextsButNotTheCourseChoice() {
    OpenFromMenu();
    TypeHolding("CCC", "LEFT", "10", "90");
    TypeInto(holding->ui.Holdingradial, "20");
    QTest::mouseClick(holding->ui.Cancel, Qt::LeftButton);
    QVERIFY(holding->ui.Mapkeuze0->isChecked());
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("AAA"));
    QCOMPARE(holding->ui.Turndirection->currentText(), QString("RIGHT"));
    QCOMPARE(holding->ui.Holdingcourse->text(), QString("180"));
    QCOMPARE(holding->ui.Holdingradial->text(), QString("360"));
    QCOMPARE(holding->ui.holdspdinput->text(), QString("115"));
    QCOMPARE(holding->Coursekeuze(), kInboundCourseChoice);
  }

  // "No holding": nothing is read, even texts that would be refused.
  void okWithNoHoldingReadsNothing() {
    ScopedRecordingMessages msgs;
    const HoldingDefinition before = HoldingDefinitionOf(Sim);
    HoldingWindow.Mapkeuze = kDrawHolding;
    OpenFromMenu();
    TypeInto(holding->ui.Holdingbeacon, "XXXXX");
    TypeInto(holding->ui.holdspdinput, "0");
    QTest::mouseClick(holding->ui.Mapkeuze0, Qt::LeftButton);
    Sim.AircraftX = 99;
    QTest::mouseClick(holding->ui.OK, Qt::LeftButton);
    QVERIFY(msgs.entries.isEmpty());
    QVERIFY(!holding->isVisible());
    QVERIFY(form->isEnabled());
    QVERIFY(std::fabs(Sim.AircraftX - 3.0) < 0.01);
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);
    QCOMPARE(Sim.HoldingSpeed, before.Speed);
    QCOMPARE(Sim.HoldingX, before.X);
  }

  // Closing through the window manager must not leave the simulator disabled.
  void closingIsACancel() {
    OpenFromMenu();
    TypeInto(holding->ui.holdspdinput, "250");
    holding->close();
    QVERIFY(!holding->isVisible());
    QVERIFY(form->isEnabled());
    QCOMPARE(holding->ui.holdspdinput->text(), QString("115"));
  }

  // Another window fills the inputs of the hidden window and reads them.
  void readingWhileHidden() {
    ScopedRecordingMessages msgs;
    holding->ui.Holdingbeacon->setText("MMM");
    holding->leesholdingdata();
    QVERIFY(!HoldingWindow.HoldingInputError);
    QCOMPARE(Sim.HoldingX, Areas.NdbList[0].X);
    QCOMPARE(Sim.HoldingRadial, 360);  // the radial input of the first start
    QCOMPARE(Sim.HoldingSpeed, 115);
    holding->ui.Holdingbeacon->setText("ZZZ");
    holding->leesholdingdata();
    QVERIFY(HoldingWindow.HoldingInputError);
    QCOMPARE(msgs.Texts(), QStringList({"WARNING: THIS BEACON DOES NOT EXIST IN THIS AREA "}));
  }

  void pickWithAutomaticHolding() {
    ScopedRecordingMessages msgs;
    const QString question = "Caution: AUTO HOLDING is ON. \r\n\r\nDo you want to set AUTO OFF and change Beacon?";
    form->ui.Autopos->setCurrentText("ON-LEFT");
    OpenFromMenu();
    ChooseDrawHolding();
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("AAA"));

    msgs.answers = {DlgAnswer::No};
    holding->ui.holdingBeaconbox->setCurrentIndex(3);
    emit holding->ui.holdingBeaconbox->activated(3);
    QCOMPARE(msgs.entries.size(), 1);
    QCOMPARE(msgs.entries[0].text, question);
    QVERIFY(msgs.entries[0].question);
    QCOMPARE(msgs.entries[0].buttons, DlgButtons::YesNo);
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("AAA"));
    QCOMPARE(holding->ui.holdingBeaconbox->currentText(), QString("AAA"));
    QCOMPARE(form->ui.Autopos->currentText(), QString("ON-LEFT"));

    msgs.Clear();
    msgs.answers = {DlgAnswer::Yes};
    form->ui.HDGinput->setPalette(QPalette(Qt::magenta));
    holding->ui.holdingBeaconbox->setCurrentIndex(4);
    emit holding->ui.holdingBeaconbox->activated(4);
    QCOMPARE(msgs.entries.size(), 1);
    QCOMPARE(form->ui.Autopos->currentIndex(), 2);
    QCOMPARE(form->ui.HDGinput->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("NNN"));

    // Automatic holding off: no question.
    msgs.Clear();
    emit holding->ui.holdingBeaconbox->activated(6);
    QVERIFY(msgs.entries.isEmpty());
    QCOMPARE(holding->ui.Holdingbeacon->text(), QString("ILA"));
  }

  // The window as the pilot sees it, and the holding it defines on the map.
  void picturesOfTheWindowAndTheMap() {
    ScopedRecordingMessages msgs;
    OpenFromMenu();
    TypeHolding("AAA", "LEFT", "270", "120");
    test::SavePng(test::Grab(holding.get()), "holding-window");

    QTest::mouseClick(holding->ui.OK, Qt::LeftButton);
    QVERIFY(msgs.entries.isEmpty());
    QCOMPARE(Sim.HoldingRadial, 90);
    Sim.MapPixelsPerNm = 40;
    const QImage map = form->ui.MAPChart->Render();
    test::SavePng(map, "holding-on-map");

    // The aircraft is 3 NM east of the fix AAA; legs of 2 NM at 120 kt, the
    // inbound leg east of the fix, left turns so the pattern lies south.
    const int cx = Sim.MapCentreX, cy = Sim.MapCentreY, s = 40;
    const int fx = cx - 3 * s, off = qRound(2 * std::tan(M_PI / 6) * s);  // 46 px
    QVERIFY(ColourNear(map, fx + s, cy, kYellow, 1));                // inbound leg
    QVERIFY(ColourNear(map, fx + s, cy + off, kYellow, 1));          // outbound leg
    QVERIFY(ColourNear(map, fx + 2 * s + off / 2, cy + off / 2, kYellow, 2));  // far turn, east
    QVERIFY(ColourNear(map, fx - off / 2, cy + off / 2, kYellow, 2));          // fix turn, west
    QVERIFY(!ColourNear(map, fx + s, cy + off / 2, kYellow, 3));               // inside the pattern
    QVERIFY(!ColourNear(map, fx + s, cy - off / 2, kYellow, 3));               // not north of the fix

    // "No holding" takes it off the map.
    HoldingWindow.Mapkeuze = kNoHolding;
    QVERIFY(!ColourNear(form->ui.MAPChart->Render(), fx + s, cy, kYellow, 1));
  }
};

QTEST_MAIN(tst_Mapform)
#include "tst_mapform.moc"
