// The turbulence and wind menus, their keys, and bumps and gusts flown
// through the window's tick.
#include <QtTest>
#include <cmath>
#include <set>

#include "platform/messages.h"
#include "platform/random.h"
#include "simulator/flightfixture.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;
using tvx::test::Ticks;

namespace {

QList<QAction*> TurbulenceItems(TForm1& form) {
  return {form.ui.Noturb, form.ui.Lightturb, form.ui.Moderateturb, form.ui.Severeturb};
}

QList<QAction*> WindItems(TForm1& form) {
  return {form.ui.Nowind, form.ui.smallwind, form.ui.mediumwind, form.ui.largewind};
}

// The indexes of the ticked items.
QList<int> Ticked(const QList<QAction*>& items) {
  QList<int> ticked;
  for (int i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) ticked << i;
  return ticked;
}

// FLY with `aircraft` loaded. FLY seeds the generator from the clock; the
// flight is made the same on every run by seeding it again.
void Fly(TForm1& form, const SimState& aircraft) {
  test::LoadAircraft(Sim, aircraft);
  form.STARTClick();
  QVERIFY(form.Timer->isActive());
  Rng().RandSeed = 1234;
}

}  // namespace

class tst_TurbulenceMenus : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    form_ = test::NewActiveSimWindow();
    QVERIFY(form_);
  }

  void cleanup() {
    delete form_;
    form_ = nullptr;
  }

  void calmAtStart() {
    QCOMPARE(Ticked(TurbulenceItems(*form_)), QList<int>{0});
    QCOMPARE(Ticked(WindItems(*form_)), QList<int>{0});
    QCOMPARE(form_->ui.Turbmenu->title(), QString("Turbulence[0]"));
    QCOMPARE(form_->ui.Windmenu->title(), QString("Wind[0]"));
    for (QAction* item : TurbulenceItems(*form_) + WindItems(*form_)) QVERIFY(item->isCheckable());
  }

  void turbulenceItemsAreExclusive_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("none") << 0 << "Turbulence[0]";
    QTest::newRow("light") << 1 << "Turbulence[L]";
    QTest::newRow("moderate") << 2 << "Turbulence[M]";
    QTest::newRow("severe") << 3 << "Turbulence[S]";
  }

  // Clicking an item, also the one already ticked, leaves it ticked alone.
  void turbulenceItemsAreExclusive() {
    QFETCH(int, item);
    QFETCH(QString, caption);
    const QList<QAction*> items = TurbulenceItems(*form_);
    for (int from = 0; from < items.size(); ++from) {
      items[from]->trigger();
      Sim.TurbulenceClock = 4;
      items[item]->trigger();
      QCOMPARE(Ticked(items), QList<int>{item});
      QCOMPARE(form_->ui.Turbmenu->title(), caption);
      QCOMPARE(Sim.TurbulenceClock, 30.0);
    }
  }

  void windItemsAreExclusive_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("not variable") << 0 << "Wind[0]";
    QTest::newRow("small") << 1 << "Wind[1]";
    QTest::newRow("medium") << 2 << "Wind[2]";
    QTest::newRow("large") << 3 << "Wind[3]";
  }

  void windItemsAreExclusive() {
    QFETCH(int, item);
    QFETCH(QString, caption);
    const QList<QAction*> items = WindItems(*form_);
    for (int from = 0; from < items.size(); ++from) {
      items[from]->trigger();
      items[item]->trigger();
      QCOMPARE(Ticked(items), QList<int>{item});
      QCOMPARE(form_->ui.Windmenu->title(), caption);
    }
    // An action of another menu is no wind item: nothing changes.
    form_->NowindClick(form_->ui.Severeturb);
    QCOMPARE(Ticked(items), QList<int>{item});
    QCOMPARE(form_->ui.Windmenu->title(), caption);
  }

  // T and M cycle their menus, stopped or flying.
  void keysCycleTheMenus() {
    const QStringList turbulence{"Turbulence[L]", "Turbulence[M]", "Turbulence[S]", "Turbulence[0]"};
    const QStringList wind{"Wind[1]", "Wind[2]", "Wind[3]", "Wind[0]"};
    for (int i = 0; i < 4; ++i) {
      Sim.TurbulenceClock = 0;
      QTest::keyClick(form_, Qt::Key_T);
      QCOMPARE(Ticked(TurbulenceItems(*form_)), QList<int>{(i + 1) % 4});
      QCOMPARE(form_->ui.Turbmenu->title(), turbulence[i]);
      QCOMPARE(Sim.TurbulenceClock, 30.0);
      QTest::keyClick(form_, Qt::Key_M);
      QCOMPARE(Ticked(WindItems(*form_)), QList<int>{(i + 1) % 4});
      QCOMPARE(form_->ui.Windmenu->title(), wind[i]);
    }

    ScopedRecordingMessages msgs;
    Fly(*form_, test::PistonCruise());
    QTest::keyClick(form_, Qt::Key_T);
    QTest::keyClick(form_, Qt::Key_M);
    QCOMPARE(Ticked(TurbulenceItems(*form_)), QList<int>{1});
    QCOMPARE(Ticked(WindItems(*form_)), QList<int>{1});

    // While an exercise waits for a typed answer, the letters are the answer's.
    form_->ui.Staticinput->show();
    QTest::keyClick(form_, Qt::Key_T);
    QTest::keyClick(form_, Qt::Key_M);
    QCOMPARE(Ticked(TurbulenceItems(*form_)), QList<int>{1});
    QCOMPARE(Ticked(WindItems(*form_)), QList<int>{1});
  }

  // A new level draws its interval at the next tick.
  void aNewLevelDrawsItsIntervalAtTheNextTick() {
    ScopedRecordingMessages msgs;
    Fly(*form_, test::PistonCruise());
    Ticks(*form_, 20);
    for (int round = 0; round < 20; ++round) {
      form_->ui.Lightturb->trigger();
      form_->TimerTimer();
      QCOMPARE(Sim.TurbulenceClock, 0.0);
      QVERIFY(Sim.BumpInterval >= 2.0 && Sim.BumpInterval < 4.45);
      form_->ui.Severeturb->trigger();
      form_->TimerTimer();
      QCOMPARE(Sim.TurbulenceClock, 0.0);
      QVERIFY(Sim.BumpInterval >= 1.0 && Sim.BumpInterval < 1.95);
    }
  }

  // Severe turbulence banks the aircraft; the attitude disc follows it.
  void bumpsBankTheAircraftAndTurnTheDisc() {
    ScopedRecordingMessages msgs;
    form_->ui.Severeturb->trigger();
    Fly(*form_, test::PistonCruise());
    std::set<double> banks;
    for (int i = 0; i < 600; ++i) {
      form_->TimerTimer();
      banks.insert(Sim.BankAngle);
      QCOMPARE(form_->ui.Chart1->Rotation, Sim.AttitudeDiscRotation);
      QVERIFY(std::fabs(Sim.BankAngle) <= 40);
    }
    QVERIFY(banks.size() > 5);
    QVERIFY(msgs.entries.isEmpty());

    // No turbulence: the bank stays where the bumps left it.
    form_->ui.Noturb->trigger();
    const double bank = Sim.BankAngle;
    Ticks(*form_, 300);
    QCOMPARE(Sim.BankAngle, bank);
  }

  // The gusts vary the panel's wind, and follow a wind typed meanwhile.
  void gustsVaryThePanelWind() {
    ScopedRecordingMessages msgs;
    form_->ui.mediumwind->trigger();
    Fly(*form_, test::JetVmd());
    std::set<int> directions, speeds;
    for (int i = 0; i < 1200; ++i) {
      form_->TimerTimer();
      directions.insert(Sim.WindDirection);
      speeds.insert(Sim.WindSpeed);
    }
    QCOMPARE(*directions.begin(), 200);  // 240 - 40
    QCOMPARE(*directions.rbegin(), 280);
    QVERIFY(*speeds.begin() >= 13 && *speeds.rbegin() <= 27);
    QVERIFY(directions.size() > 5 && speeds.size() > 5);

    form_->ui.Nowind->trigger();
    form_->ui.WINDWinput->setText("90");
    form_->ui.WINDVinput->setText("8");
    Ticks(*form_, 41);  // the longest gust interval and a tick
    QCOMPARE(Sim.WindDirection, 90);
    QCOMPARE(Sim.WindSpeed, 8);

    // Text that is no wind leaves the wind as it was, without a message.
    form_->ui.largewind->trigger();
    form_->ui.WINDVinput->setText("8 kt");
    Ticks(*form_, 100);
    QCOMPARE(Sim.WindDirection, 90);
    QCOMPARE(Sim.WindSpeed, 8);
    QVERIFY(msgs.entries.isEmpty());
    QVERIFY(form_->Timer->isActive());
  }

  // Half an hour of each type through the window, in severe turbulence and
  // large gusts: everything stays finite and within its limits.
  void halfAnHourOfRoughAirThroughTheWindow() {
    for (const SimState& aircraft : {test::PistonCruise(), test::JetVmd()}) {
      ScopedRecordingMessages msgs;
      if (form_->Timer->isActive()) {
        msgs.answers << DlgAnswer::Ok;
        form_->STARTClick();  // STOP
      }
      form_->ui.Severeturb->trigger();
      form_->ui.largewind->trigger();
      Fly(*form_, aircraft);
      const double limit = Sim.AircraftType == "737" ? 70 : 40;
      double path = 0;
      for (int i = 0; i < 18000; ++i) {
        const double x = Sim.AircraftX, y = Sim.AircraftY;
        form_->TimerTimer();
        path += std::hypot(Sim.AircraftX - x, Sim.AircraftY - y);
        QVERIFY(std::fabs(Sim.BankAngle) <= limit);
        QVERIFY(Sim.WindDirection >= 180 && Sim.WindDirection <= 300);
        QVERIFY(Sim.WindSpeed >= 10 && Sim.WindSpeed <= 30);
      }
      for (double v : {Sim.AircraftX, Sim.AircraftY, Sim.Altitude, Sim.Airspeed, Sim.VerticalSpeed,
                       Sim.AngleOfAttack, Sim.FlightPathAngle, Sim.GroundSpeed, Sim.TrackAngle, Sim.Heading})
        QVERIFY(std::isfinite(v));
      QCOMPARE(Sim.TrackIndex, 599);  // 1800 points in the ring of 600
      // The flight model flew it for minutes at least: in circles, as the
      // bumps hold a bank, and with no pilot to correct them perhaps down to
      // the ground.
      QVERIFY2(path > 5, qPrintable(QString::number(path)));
    }
  }

 private:
  TForm1* form_ = nullptr;
};

QTEST_MAIN(tst_TurbulenceMenus)
#include "tst_turbulencemenus.moc"
