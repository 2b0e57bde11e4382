// The jet's scenarios on the simulator window: the scenario panel with the
// type, choosing and refusing, the tick's triggers with their sounds (through
// a recorder), the warning panel, the fire switches, Reset and STOP, and
// pictures of the panel during an engine fire and a ground-proximity warning.
#include <QButtonGroup>
#include <QtTest>

#include "platform/dataroot.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "simulator/form1.h"
#include "simulator/scenarios.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

enum Item { kOff = 0, kEngFire = 3, kTakeoffLine = 5, kRto = 6, kEfato = 8, kGpws = 12, kWs = 13, kTcas = 16, kCabin = 20 };

const QString kTakeoffRefusal = "Cannot start RTO/EFATO exercise.\r\nSet take-off position in STARTPOSITION PANEL!";

QRadioButton* ItemButton(TForm1& form, int index) {
  return form.ui.Failuregroup->findChild<QRadioButton*>(QString("Failuregroup%1").arg(index));
}

// A choice in the scenario list as the pilot clicks it.
void Choose(TForm1& form, int index) { ItemButton(form, index)->click(); }

// A configuration preset chosen as the pilot does.
void ChoosePreset(TForm1& form, int index) {
  form.ui.Configbox->setCurrentIndex(index);
  emit form.ui.Configbox->activated(index);
}

// FLY with the timer held: the test makes the ticks. The generator is seeded
// afresh by FLY; the test fixes it afterwards.
void Fly(TForm1& form, std::uint32_t seed) {
  form.ui.START->click();
  QVERIFY(form.Timer->isActive());
  form.Timer->setInterval(24 * 3600 * 1000);
  Rng().RandSeed = seed;
}

// The jet with the altitude typed in the start panel and a preset, flying.
void FlyJet(TForm1& form, const QString& altitude, int preset, std::uint32_t seed) {
  form.SetTypegroupIndex(2);
  form.ui.Altitudeinput->setText(altitude);
  ChoosePreset(form, preset);
  Fly(form, seed);
}

void Ticks(TForm1& form, int n) {
  for (int i = 0; i < n; ++i) form.TimerTimer();
}

// Ticks until the recorder hears a new sound; the ticks taken, -1 after `limit`.
int TicksUntilSound(TForm1& form, const RecordingSound& sound, int limit) {
  const qsizetype before = sound.played.size();
  for (int i = 1; i <= limit; ++i) {
    form.TimerTimer();
    if (sound.played.size() > before) return i;
  }
  return -1;
}

QColor Face(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor Ink(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

const QColor kMaroon(0x80, 0, 0);

// Pure red pixels (the warnings' text) in `r` of `image`.
int RedPixels(const QImage& image, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixelColor(x, y) == QColor(255, 0, 0)) ++n;
  return n;
}

// The window at the layout size, shown, with the panel drawn.
QImage PanelPicture(TForm1& form) {
  form.resize(1600, 900 + form.menuBar()->height());
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return {};
  form.TkOrvane();
  return form.centralWidget()->grab(QRect(0, 0, 1600, 900)).toImage();
}

QRect InCentral(TForm1& form, QWidget* w) {
  return QRect(w->mapTo(form.centralWidget(), QPoint(0, 0)), w->size());
}

}  // namespace

class tst_Scenarios : public QObject {
  Q_OBJECT
  ScopedRecordingMessages messages_;
  ScopedRecordingSound sound_;

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    // The shipped sounds in the (temporary) data folder, as at program start.
    QVERIFY(EnsureDataRoot());
  }
  void init() {
    ResetSimState();
    ResetAreaState();
    messages_.Clear();
    sound_.Clear();
  }

  void panelShownForTheJetOnly() {
    TForm1 form;
    const auto& ui = form.ui;
    QCOMPARE(Sim.FailureCode, QString("OFF"));  // no scenario at start
    QCOMPARE(Sim.FailurePhase, 0);
    QVERIFY(!ui.Failurepanel->isVisibleTo(&form));
    form.SetTypegroupIndex(2);
    QVERIFY(ui.Failurepanel->isVisibleTo(&form));
    form.SetTypegroupIndex(0);
    QVERIFY(!ui.Failurepanel->isVisibleTo(&form));
    form.SetTypegroupIndex(1);
    QVERIFY(!ui.Failurepanel->isVisibleTo(&form));
    form.SetTypegroupIndex(2);
    QVERIFY(ui.Failurepanel->isVisibleTo(&form));

    QCOMPARE(ui.Failuregroup->title(), QString(" Failures && Maneuvers: "));
    QStringList items;
    for (int i = 0; i < scenario::kFailureItemCount; ++i) items << ItemButton(form, i)->text();
    QCOMPARE(items, scenario::FailureItems());
    QCOMPARE(form.FailuregroupIndex(), 0);
    QCOMPARE(ui.TL1->toolTip(), QString("Thrust Lever 1"));
    QCOMPARE(ui.TL2->toolTip(), QString("Thrust Lever 2"));
    QCOMPARE(ui.FCS1->toolTip(), QString("Fuel Control Switch 1"));
    QCOMPARE(ui.FCS2->toolTip(), QString("Fuel Control Switch 2"));
    QCOMPARE(ui.AT->toolTip(), QString("Auto Throttle"));
    QCOMPARE(ui.EFS1->toolTip(), QString("Engine Fire Switch 1"));
    QCOMPARE(ui.EFS2->toolTip(), QString("Engine Fire Switch 2"));
    QCOMPARE(ui.Eicas->toolTip(), QString("Warning Panel"));
    QCOMPARE(ui.ResetEx->text(), QString("Reset"));
    QCOMPARE(ui.ResetEx->toolTip(), QString("Reset Exercise"));
    for (QSlider* lever : {ui.TL1, ui.TL2}) {
      QCOMPARE(lever->minimum(), 0);
      QCOMPARE(lever->maximum(), 100);
      QCOMPARE(lever->value(), 25);
    }
    for (QSlider* lever : {ui.FCS1, ui.FCS2, ui.AT}) {
      QCOMPARE(lever->maximum(), 1);
      QCOMPARE(lever->value(), 0);
    }
    QCOMPARE(ui.EFS1->x(), 13);
    QCOMPARE(ui.EFS2->x(), 45);
    QCOMPARE(ui.EFS1->text(), QString("1"));
    QCOMPARE(ui.EFS2->text(), QString("2"));
    QCOMPARE(Face(ui.EFS1), kMaroon);
    QCOMPARE(Face(ui.Eicas), QColor(Qt::black));
    QCOMPARE(Ink(ui.Eicas), QColor(Qt::red));
  }

  // Right of the instrument grid, under FLY/STOP, covering no instrument,
  // with every control inside it.
  void panelInViewBesideTheInstruments() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    form.ui.START->click();  // in flight the map gives way to the systems panel
    form.Timer->stop();
    form.resize(1600, 900 + form.menuBar()->height());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto& ui = form.ui;
    const QRect panel = ui.Failurepanel->geometry();
    QVERIFY(form.centralWidget()->rect().contains(panel));
    for (QWidget* other : {static_cast<QWidget*>(ui.Chart1), static_cast<QWidget*>(ui.Chart2),
                           static_cast<QWidget*>(ui.Chart3), static_cast<QWidget*>(ui.chart4),
                           static_cast<QWidget*>(ui.SYSTEEMPanel), static_cast<QWidget*>(ui.locchart),
                           static_cast<QWidget*>(ui.GSchart), static_cast<QWidget*>(ui.START),
                           static_cast<QWidget*>(ui.Startbit), static_cast<QWidget*>(ui.MCPpanel),
                           static_cast<QWidget*>(ui.EFISpanel)})
      if (other->isVisibleTo(&form)) QVERIFY2(!other->geometry().intersects(panel), qPrintable(other->objectName()));
    for (QWidget* child : ui.Failurepanel->findChildren<QWidget*>()) {
      const QRect r = InCentral(form, child);
      QVERIFY2(panel.contains(r), qPrintable(child->objectName()));
    }
    // The pulled fire switches turn without covering each other.
    QVERIFY(ui.EFS1->width() <= 16);
  }

  void chosenScenarioIsArmedAndTheListWaits() {
    std::unique_ptr<TForm1> form(test::NewActiveSimWindow());
    QVERIFY(form);
    form->SetTypegroupIndex(2);
    form->resize(1600, 900 + form->menuBar()->height());
    // On the round button of the item.
    QTest::mouseClick(ItemButton(*form, kEngFire), Qt::LeftButton, {}, QPoint(7, 8));
    QCOMPARE(Sim.FailureCode, QString("Fire"));
    QCOMPARE(Sim.FailurePhase, 1);
    QCOMPARE(Sim.ScenarioTrigger, 2);
    QVERIFY(!form->ui.Failuregroup->isEnabled());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->ui.ChronoOutput));
    QVERIFY(messages_.entries.isEmpty());
    QVERIFY(sound_.played.isEmpty());
    // While armed no other scenario can be chosen.
    QTest::mouseClick(ItemButton(*form, kCabin), Qt::LeftButton, {}, QPoint(7, 8));
    QCOMPARE(Sim.FailureCode, QString("Fire"));
  }

  void refusedChoiceShowsOneMessageAndLeavesTheListOn() {
    TForm1 form;
    form.SetTypegroupIndex(2);  // 210 kt at 3000 ft
    const struct {
      int item;
      QString message;
    } cases[] = {
        {kCabin,
         "Cannot start HIGH ALT. exercise. Altitude incorrect.\r\nFly above 10,000 ft.\r\nIdeally fly at 35,000 ft."},
        {kGpws, "Cannot start GPWS/WS exercise. Altitude incorrect.\r\nFly below 900 ft AAL."},
        {kTcas,
         "Cannot start TCAS/UPRT exercise. Airspeed and/or altitude incorrect.\r\nFly between 210-290 kts and above "
         "5000 ft."},
        {kRto, kTakeoffRefusal},
    };
    for (const auto& c : cases) {
      messages_.Clear();
      Choose(form, c.item);
      QCOMPARE(messages_.Texts(), QStringList{c.message});
      QVERIFY(!messages_.entries[0].question);
      QCOMPARE(Sim.FailureCode, QString("OFF"));
      QCOMPARE(Sim.FailurePhase, 0);
      QVERIFY(form.ui.Failuregroup->isEnabled());
      QCOMPARE(form.FailuregroupIndex(), 0);
    }
    // The flight itself is not touched.
    QCOMPARE(Sim.Altitude, 3000.0);
    QVERIFY(sound_.played.isEmpty());
  }

  void separatorLineEndsEverything() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Choose(form, kTakeoffLine);
    QVERIFY(messages_.entries.isEmpty());
    QCOMPARE(Sim.FailureCode, QString("OFF"));
    QCOMPARE(Sim.FailurePhase, 0);
    QVERIFY(form.ui.Failuregroup->isEnabled());
    QCOMPARE(form.FailuregroupIndex(), 0);
  }

  // The fire: its bell in a loop, the warning panel, the switch of the
  // failed engine; the panel silences the bell; the switch is pulled and
  // turned; Reset puts everything back.
  void engineFireThroughTheTick() {
    std::unique_ptr<TForm1> form(test::NewActiveSimWindow());
    QVERIFY(form);
    auto& ui = form->ui;
    form->SetTypegroupIndex(2);
    Fly(*form, 17);
    Choose(*form, kEngFire);
    QCOMPARE(TicksUntilSound(*form, sound_, 100), 20);
    QCOMPARE(sound_.Names(), QStringList{"ding1.wav"});
    QVERIFY(sound_.played[0].loop);
    QVERIFY(ReadWaveFile(sound_.played[0].path));  // the shipped file in the data folder
    QCOMPARE(Sim.FailurePhase, 2);
    QVERIFY(Sim.OneEngineOut);
    QCOMPARE(ui.Eicas->text(), QString("FIRE WARN"));
    QCOMPARE(Face(ui.Eicas), QColor(Qt::red));
    QCOMPARE(Ink(ui.Eicas), QColor(Qt::white));
    QLabel* failed = Sim.FailedEngine == 1 ? ui.EFS1 : ui.EFS2;
    QLabel* other = Sim.FailedEngine == 1 ? ui.EFS2 : ui.EFS1;
    const int home = failed->x();
    QCOMPARE(Face(failed), QColor(Qt::red));
    QCOMPARE(Face(other), kMaroon);

    // The warning panel silences the bell; the fire goes on.
    const int stops = sound_.stops;
    QTest::mouseClick(ui.Eicas, Qt::LeftButton);
    QCOMPARE(sound_.stops, stops + 1);
    QCOMPARE(Sim.FailurePhase, 2);
    QCOMPARE(ui.Eicas->text(), QString("FIRE WARN"));

    // Pulled at the first click, then turned from side to side.
    QTest::mouseClick(failed, Qt::LeftButton);
    QCOMPARE(failed->frameShape(), QFrame::NoFrame);
    QCOMPARE(failed->x(), home);
    QList<int> turns;
    for (int i = 0; i < 3; ++i) {
      QTest::mouseClick(failed, Qt::LeftButton);
      turns << failed->x();
    }
    QCOMPARE(turns, QList<int>({home - 8, home + 8, home - 8}));
    QCOMPARE(other->frameShape(), QFrame::Panel);

    // The drill levers move freely and change nothing.
    const double thrust = Sim.CommandedThrust;
    ui.TL1->setValue(80);
    ui.FCS1->setValue(1);
    ui.AT->setValue(1);
    QCOMPARE(Sim.CommandedThrust, thrust);

    QTest::mouseClick(ui.ResetEx, Qt::LeftButton);
    QCOMPARE(Sim.FailureCode, QString("OFF"));
    QCOMPARE(Sim.FailurePhase, 0);
    QVERIFY(!Sim.OneEngineOut);
    QCOMPARE(Sim.FailedEngine, 0);
    QCOMPARE(Sim.BrakeState, QString("OFF"));
    QVERIFY(ui.Failuregroup->isEnabled());
    QCOMPARE(form->FailuregroupIndex(), 0);
    QVERIFY(ui.Eicas->text().isEmpty());
    QCOMPARE(Face(ui.Eicas), QColor(Qt::black));
    QCOMPARE(Ink(ui.Eicas), QColor(Qt::red));
    QCOMPARE(sound_.stops, stops + 2);
    for (QLabel* sw : {ui.EFS1, ui.EFS2}) {
      QCOMPARE(sw->frameShape(), QFrame::Panel);
      QCOMPARE(sw->frameShadow(), QFrame::Raised);
      QCOMPARE(Face(sw), kMaroon);
    }
    QCOMPARE(ui.EFS1->x(), 13);
    QCOMPARE(ui.EFS2->x(), 45);
    QCOMPARE(ui.TL1->value(), 25);
    QCOMPARE(ui.TL2->value(), 25);
    QCOMPARE(ui.FCS1->value(), 0);
    QCOMPARE(ui.AT->value(), 0);
    QCOMPARE(ui.parkbrake->value(), 0);
    QCOMPARE(ui.Parkbrakelight->Style(), BrushStyle::DiagCross);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.ChronoOutput));
    // Nothing more is heard.
    QCOMPARE(TicksUntilSound(*form, sound_, 100), -1);
  }

  void stopEndsARunningScenario() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Fly(form, 3);
    Choose(form, kEngFire);
    Ticks(form, 25);
    QCOMPARE(Sim.FailurePhase, 2);
    const int stops = sound_.stops;
    form.ui.START->click();  // STOP, confirmed
    QVERIFY(!form.Timer->isActive());
    QCOMPARE(Sim.FailureCode, QString("OFF"));
    QCOMPARE(Sim.FailurePhase, 0);
    QVERIFY(!Sim.OneEngineOut);
    QVERIFY(form.ui.Eicas->text().isEmpty());
    QVERIFY(sound_.stops > stops);
    QVERIFY(form.ui.Failuregroup->isEnabled());
  }

  // A scenario chosen for the jet ends when the type changes to a piston
  // aircraft, whose panel has no scenario controls: nothing fires later.
  void pistonTypeEndsAChosenScenario() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Choose(form, kEngFire);
    QCOMPARE(Sim.FailurePhase, 1);
    form.SetTypegroupIndex(0);
    QCOMPARE(Sim.FailurePhase, 0);
    QCOMPARE(Sim.FailureCode, QString("OFF"));
    QVERIFY(form.ui.Failuregroup->isEnabled());
    Fly(form, 5);
    Ticks(form, 100);
    QVERIFY(sound_.played.isEmpty());
    QVERIFY(!Sim.OneEngineOut);
  }

  void tcasSequenceWithItsCallOuts() {
    TForm1 form;
    FlyJet(form, "8000", 1, 1234);  // "Cruise - 250 kts" at 8000 ft
    Choose(form, kTcas);
    QCOMPARE(Sim.FailurePhase, 1);
    QCOMPARE(TicksUntilSound(form, sound_, 100), 20);
    const int advisory = TicksUntilSound(form, sound_, 100);
    QVERIFY2(advisory >= 30 && advisory <= 60, qPrintable(QString::number(advisory)));
    QCOMPARE(Sim.FailurePhase, 3);
    const int clear = TicksUntilSound(form, sound_, 200);
    QVERIFY2(clear >= 140 && clear <= 180, qPrintable(QString::number(clear)));
    QCOMPARE(Sim.FailurePhase, 5);
    Ticks(form, 10);
    QCOMPARE(Sim.FailurePhase, 0);
    QCOMPARE(Sim.FailureCode, QString("OFF"));
    QVERIFY(form.ui.Failuregroup->isEnabled());
    const QStringList names = sound_.Names();
    QCOMPARE(names.size(), 3);
    QCOMPARE(names[0], QString("traffic2.wav"));
    QVERIFY2(QStringList({"descend2.wav", "climb2.wav", "level2.wav"}).contains(names[1]), qPrintable(names[1]));
    QCOMPARE(names[1], Sim.TcasAdvisory + ".wav");
    QCOMPARE(names[2], QString("clear.wav"));
    for (const auto& e : sound_.played) QVERIFY(!e.loop);
  }

  // Windshear brings severe turbulence with its call-out and takes it away
  // again when it ends, 20 to 24 seconds later.
  void windshearWithItsTurbulence() {
    TForm1 form;
    FlyJet(form, "1000", 5, 77);  // "F15 gear dn - 154 kts", 880 ft above the airport
    Choose(form, kWs);
    QVERIFY2(messages_.entries.isEmpty(), qPrintable(messages_.Texts().join(" | ")));
    QVERIFY(form.ui.Noturb->isChecked());
    QCOMPARE(TicksUntilSound(form, sound_, 100), 20);
    QCOMPARE(sound_.Names(), QStringList{"windshear.wav"});
    QVERIFY(form.ui.Severeturb->isChecked());
    QCOMPARE(form.ui.Turbmenu->title(), QString("Turbulence[S]"));
    int ticks = 0;
    while (Sim.FailurePhase == 2 && ticks < 300) {
      form.TimerTimer();
      ++ticks;
    }
    QVERIFY2(ticks >= 200 && ticks <= 240, qPrintable(QString::number(ticks)));
    QCOMPARE(Sim.FailureCode, QString("OFF"));
    QVERIFY(form.ui.Noturb->isChecked());
    QVERIFY(!form.ui.Severeturb->isChecked());
    QCOMPARE(form.ui.Turbmenu->title(), QString("Turbulence[0]"));
  }

  // The failure after take-off fires at its speed during the take-off roll.
  void efatoFiresAtItsSpeedDuringTheTakeoff() {
    TForm1 form;
    FlyJet(form, "120", 7, 8);  // "Takeoff" on the runway
    Choose(form, kEfato);
    QVERIFY2(messages_.entries.isEmpty(), qPrintable(messages_.Texts().join(" | ")));
    QCOMPARE(Sim.TakeoffState, QString("TOarmed"));
    const int trigger = Sim.ScenarioTrigger;
    QVERIFY(trigger >= 129 && trigger <= 133);
    int ticks = 0;
    while (!Sim.OneEngineOut && ticks < 1200) {
      const double before = Sim.Airspeed;
      form.TimerTimer();
      ++ticks;
      if (!Sim.OneEngineOut) QVERIFY2(Sim.Airspeed < trigger || before < trigger, "passed the trigger speed");
    }
    QVERIFY2(Sim.OneEngineOut, qPrintable(QString("airspeed %1").arg(Sim.Airspeed)));
    QVERIFY(Sim.Airspeed >= trigger);
    QCOMPARE(Sim.FlapSetting, 5);
    QCOMPARE(Sim.TakeoffState, QString("TO"));
    QCOMPARE(Sim.ParasiteDrag, 0.298);
    QCOMPARE(sound_.played.size(), 1);
  }

  void firePicture() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Fly(form, 17);
    Choose(form, kEngFire);
    Ticks(form, 20);
    QCOMPARE(Sim.FailurePhase, 2);
    form.Timer->stop();
    const QImage image = PanelPicture(form);
    QVERIFY(!image.isNull());
    test::SavePng(image, "scenario-737-engine-fire");
    const auto& ui = form.ui;
    // The warning panel red around its white text, the failed engine's
    // switch red, the other maroon.
    const QRect eicas = InCentral(form, ui.Eicas);
    QCOMPARE(image.pixelColor(eicas.left() + 5, eicas.center().y()), QColor(Qt::red));
    int white = 0;
    for (int x = eicas.left(); x <= eicas.right(); ++x)
      if (image.pixelColor(x, eicas.center().y()) == QColor(Qt::white)) ++white;
    QVERIFY2(white > 10, "no white text on the warning panel");
    QLabel* failed = Sim.FailedEngine == 1 ? ui.EFS1 : ui.EFS2;
    QLabel* other = Sim.FailedEngine == 1 ? ui.EFS2 : ui.EFS1;
    const QRect f = InCentral(form, failed), o = InCentral(form, other);
    QCOMPARE(image.pixelColor(f.left() + 4, f.top() + 6), QColor(Qt::red));
    QCOMPARE(image.pixelColor(o.left() + 4, o.top() + 6), kMaroon);
  }

  void groundProximityPicture() {
    TForm1 form;
    FlyJet(form, "800", 5, 21);  // "F15 gear dn - 154 kts", 680 ft above the airport
    Choose(form, kGpws);
    QVERIFY2(messages_.entries.isEmpty(), qPrintable(messages_.Texts().join(" | ")));
    form.Timer->stop();
    const QImage armed = PanelPicture(form);
    form.Timer->start();
    form.Timer->setInterval(24 * 3600 * 1000);
    QCOMPARE(TicksUntilSound(form, sound_, 100), 20);
    QCOMPARE(sound_.Names(), QStringList{"terrain.wav"});
    QVERIFY(!sound_.played[0].loop);
    form.Timer->stop();
    const QImage warning = PanelPicture(form);
    QVERIFY(!warning.isNull());
    test::SavePng(warning, "scenario-737-gpws");
    // "PULL UP" low on the attitude indicator, "TERRAIN" at the top left of
    // the HSI, in red; neither while the warning was only armed.
    const QPoint adi = form.ui.Chart1->geometry().topLeft() + QPoint(Sim.AdiCentreX, Sim.AdiCentreY);
    const QRect pullUp(adi.x() - 50, adi.y() + Sim.AdiCentreY - 80, 100, 30);
    const QRect terrain(form.ui.chart4->geometry().topLeft() + QPoint(20, 10), QSize(110, 26));
    QCOMPARE(RedPixels(armed, pullUp), 0);
    QCOMPARE(RedPixels(armed, terrain), 0);
    QVERIFY2(RedPixels(warning, pullUp) > 40, qPrintable(QString::number(RedPixels(warning, pullUp))));
    QVERIFY2(RedPixels(warning, terrain) > 40, qPrintable(QString::number(RedPixels(warning, terrain))));
  }

  void closingTheWindowSilencesIt() {
    const int stops = sound_.stops;
    {
      TForm1 form;
      form.SetTypegroupIndex(2);
    }
    QVERIFY(sound_.stops > stops);
  }
};

QTEST_MAIN(tst_Scenarios)
#include "tst_scenarios.moc"
