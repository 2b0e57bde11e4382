// The start-position panel: reading and checking it, applying it, and the
// FLY/STOP button.
#include <QIcon>
#include <cmath>
#include <QPixmap>

#include "areas/areamodel.h"
#include "platform/dataroot.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/textutil.h"
#include "simulator/flightmodel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/startpanel.h"

namespace tvx {

namespace {

const char* const kStartGlyph = "C:\\Tarvinex\\Tarvinex Sim\\Navdata\\start.bmp";
const char* const kStopGlyph = "C:\\Tarvinex\\Tarvinex Sim\\Navdata\\stop.bmp";

bool AutoPlacementOn(const QComboBox* autopos) {
  const QString mode = autopos->currentText();
  return mode == "ON-LEFT" || mode == "ON-RIGHT";
}

void ShowSwitch(QLabel* sw) {
  sw->setFrameStyle(QFrame::Panel | (sw->text() == "ON" ? QFrame::Sunken : QFrame::Raised));
}

}  // namespace

void TForm1::ConnectStartPanel() {
  // The outer-marker light that the tick blinks is blue, as in a cockpit.
  ui.OM->SetBrush(clr::Blue, BrushStyle::DiagCross);
  connect(ui.Update, &QPushButton::clicked, this, [this] { UpdateClick(); });
  connect(ui.Updatebit, &QPushButton::clicked, this, [this] { UpdateClick(); });
  connect(ui.START, &QPushButton::clicked, this, [this] { STARTClick(); });
  connect(ui.Startbit, &QPushButton::clicked, this, [this] { STARTClick(); });
  // The picture button shows what it does from the first look, not only
  // after a first flight.
  LoadStartGlyph(kStartGlyph);
  // A beacon chosen from the list (not each letter typed into it).
  connect(ui.Beaconbox, &QComboBox::textActivated, this, [this] { BeaconboxChange(); });
  // Only the user's choice applies the panel; code that sets the box does its own update.
  connect(ui.Autopos, &QComboBox::activated, this, [this] { AutoposChange(); });
}

void TForm1::leesinput() {
  SimState& s = Sim;
  s.StartInputError = false;
  double beaconX = 0, beaconY = 0;

  // The first refused value shows its message and stops the reading there.
  auto refuse = [&](QWidget* edit, const QString& text) {
    s.StartInputError = true;
    edit->setFocus();
    Messages().ShowMessage(text);
  };

  const QString name = ui.beaconinput->text().toUpper();
  ui.beaconinput->setText(name);
  if (name.size() > 4) refuse(ui.beaconinput, "ERROR: Name of Beacon is too long ");
  else if (name.isEmpty()) refuse(ui.beaconinput, "WARNING: This Beacon does not exist ");

  if (!s.StartInputError) {
    // Retunes one radio to `freq` when it is not on it already, the old
    // active frequency going to standby.
    auto tune = [this](QLineEdit* active, QLineEdit* standby, const QString& freq) {
      if (active->text() == freq) return false;
      standby->setText(active->text());
      active->setText(freq);
      Zoekfreq();
      return true;
    };
    // The automatic holding start: 3 NM out on the typed radial, flying
    // inbound, the holding drawn at the beacon. Returns the inbound heading,
    // -1 when the radial is no number or outside 0..360: it is refused below,
    // and nothing is placed for it.
    auto holdingStart = [this](double x, double y) {
      SimState& s = Sim;
      int radial = 0;
      if (!TryParseInt(ui.Radialinput->text(), radial) || !RadialInRange(radial)) return -1;
      ui.DMEinput->setText("3");
      s.Obs2Course = Wrap360(s.HoldingRadial + 180);
      s.HoldingX = x;
      s.HoldingY = y;
      const int heading = Wrap360(radial + 180);
      ui.HDGinput->setText(QString::number(heading));
      return heading;
    };
    auto tuneLocator = [&](const AreaBeacon& ils) {
      if (LocatorTunable(ils)) tune(ui.ADFactive, ui.ADFselect, ils.LocatorFreq);
    };

    const StartBeaconHit hit = FindStartBeacon(Areas, name);
    const auto slot = static_cast<std::size_t>(hit.slot);
    switch (hit.kind) {
      case StartBeaconMatch::Vor: {
        const AreaBeacon& vor = Areas.VorList[slot];
        beaconX = vor.X;
        beaconY = vor.Y;
        tune(ui.VOR1active, ui.VOR1select, vor.Frequency);
        ui.Beaconmemo->setPlainText("VOR: \nFreq: " + vor.Frequency);
        s.StartBeaconKind = "VOR";
        if (AutoPlacementOn(ui.Autopos)) {
          if (const int heading = holdingStart(vor.X, vor.Y); heading >= 0) s.Obs1Course = heading;
        }
        break;
      }
      case StartBeaconMatch::Ndb: {
        const AreaBeacon& ndb = Areas.NdbList[slot];
        beaconX = ndb.X;
        beaconY = ndb.Y;
        tune(ui.ADFactive, ui.ADFselect, ndb.Frequency);
        ui.Beaconmemo->setPlainText("NDB: \nFreq: " + ndb.Frequency);
        s.StartBeaconKind = "NDB";
        if (AutoPlacementOn(ui.Autopos)) holdingStart(ndb.X, ndb.Y);
        break;
      }
      case StartBeaconMatch::Runway: {
        const AreaBeacon& ils = Areas.IlsList[slot];
        beaconX = ils.X;
        beaconY = ils.Y;
        const bool hasLocator = ils.LocatorDistance != 0;
        if (tune(ui.VOR1active, ui.VOR1select, ils.Frequency) && hasLocator) tuneLocator(ils);
        QString memo = "ILS: \nFreq: " + ils.Frequency + "\nCourse: " + QString::number(ils.FinalCourse) +
                       "\nElevation: " + QString::number(ils.Elevation) + "\n-- Locator: --";
        if (hasLocator)
          memo += "\n Name: " + ils.LocatorName + "\n Freq: " + ils.LocatorFreq +
                  "\n Dist: " + FormatFixed(ils.LocatorDistance, 4, 0);
        ui.Beaconmemo->setPlainText(memo);
        s.StartBeaconKind = "ILS";
        if (AutoPlacementOn(ui.Autopos)) {
          // 3 deg off the extended centre line, heading 30 deg to it.
          const int crs = ils.FinalCourse;
          const bool left = ui.Autopos->currentText() == "ON-LEFT";
          ui.DMEinput->setText(ui.Altitudeinput->text() == "4000" ? "15" : "12");
          s.Obs1Course = crs;
          ui.Radialinput->setText(QString::number(Wrap360(crs + (left ? 183 : 177))));
          ui.HDGinput->setText(QString::number(Wrap360(crs + (left ? 30 : 330))));
        }
        break;
      }
      case StartBeaconMatch::Locator: {
        const AreaBeacon& ils = Areas.IlsList[slot];
        const QPointF at = LocatorPosition(ils);
        beaconX = at.x();
        beaconY = at.y();
        tuneLocator(ils);
        ui.Beaconmemo->setPlainText("Locator: \nFreq: " + ils.LocatorFreq);
        s.StartBeaconKind = "NDB";
        if (AutoPlacementOn(ui.Autopos)) holdingStart(at.x(), at.y());
        break;
      }
      case StartBeaconMatch::None: {
        const AreaBeacon& vor1 = Areas.VorList[0];
        refuse(ui.beaconinput, MissingBeaconWarning(Areas.AreaName, name, vor1.Name));
        ui.Beaconbox->setEditText(vor1.Name);
        ui.beaconinput->setText(vor1.Name);
        if (vor1.Used()) {
          // The start goes on from VOR 1.
          beaconX = vor1.X;
          beaconY = vor1.Y;
          s.StartInputError = false;
        }
        break;
      }
    }
  }

  // A direction in whole degrees 0..360; `what` names it in the messages.
  auto readDegrees = [&](QLineEdit* edit, const QString& what, int& out) {
    if (!TryParseInt(edit->text(), out)) refuse(edit, "ERROR: " + what + " is not correct ");
    else if (out < 0 || out > 360) refuse(edit, "ERROR: " + what + " is not between 0 and 360 ");
    return !s.StartInputError;
  };

  if (int heading = 0; !s.StartInputError && readDegrees(ui.HDGinput, "Heading", heading)) s.Heading = heading;

  if (!s.StartInputError) {
    const int ceiling = flight::IsPiston(s) ? 9500 : 41000;
    int altitude = 0;
    if (!TryParseInt(ui.Altitudeinput->text(), altitude)) {
      refuse(ui.Altitudeinput, "ERROR: Altitude is not correct ");
    } else if (altitude < s.AirportElevation || altitude > ceiling) {
      refuse(ui.Altitudeinput, "ERROR: Altitude is not between airport elevation (" +
                                   QString::number(s.AirportElevation) + " ft) and " + QString::number(ceiling) +
                                   " ft ");
    } else {
      s.Altitude = altitude;
      // Standard pressure above the transition; between 6000 and 18000 ft
      // the setting stays as it was.
      if (altitude > 18000) s.BaroStd = true;
      else if (altitude <= 6000) s.BaroStd = false;
    }
  }

  int radial = 0;
  if (!s.StartInputError) readDegrees(ui.Radialinput, "Radial", radial);

  double dme = 0;
  if (!s.StartInputError) {
    if (!TryParseReal(ui.DMEinput->text(), dme)) refuse(ui.DMEinput, "ERROR: DME is not correct ");
    else if (dme < 0 || dme > 200) refuse(ui.DMEinput, "ERROR: DME is not between 0 and 200 ");
    else s.Vor1Distance = dme;
  }

  if (int direction = 0; !s.StartInputError && readDegrees(ui.WINDWinput, "Wind Direction", direction))
    s.WindDirection = direction;

  if (!s.StartInputError) {
    int speed = 0;
    if (!TryParseInt(ui.WINDVinput->text(), speed)) refuse(ui.WINDVinput, "ERROR: Wind Velocity is not correct ");
    else if (speed > 60) refuse(ui.WINDVinput, "ERROR: Wind is too strong to fly ");
    else if (speed < 0) refuse(ui.WINDVinput, "ERROR: Wind Velocity cannot be lower than 0 ");
    else s.WindSpeed = speed;
  }

  if (!s.StartInputError) {
    const double rad = (radial - 90) * flight::kPi / 180;
    s.AircraftX = beaconX + std::cos(rad) * dme;
    s.AircraftY = beaconY + std::sin(rad) * dme;
  }
}

void TForm1::ShowSwitchLooks() {
  for (QLabel* sw : {ui.Ldglight, ui.CarbHeat, ui.Fuelpump}) ShowSwitch(sw);
}

void TForm1::DoeUpdate() {
  leesinput();
  if (Sim.StartInputError) return;
  Brpos();
  BrRadDme();
  TkOrvane();
  ShowSwitchLooks();
}

void TForm1::UpdateClick() { DoeUpdate(); }

void TForm1::LoadStartGlyph(const QString& windowsPath) {
  const QPixmap picture(MapPath(windowsPath));
  ui.Startbit->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
}

void TForm1::STARTClick() {
  SimState& s = Sim;
  ui.STARTPanel->resize(593, 257);
  Rng().Randomize();
  ui.ChronoOutput->setFocus();

  if (ui.START->text() == "FLY") {
    // Stopping is never refused; only a start must fit the configuration.
    const QString refusal = ConfigAltitudeRefusal(ui.Configbox->currentIndex(), ui.Altitudeinput->text(),
                                                  s.AirportElevation, flight::IsPiston(s));
    if (!refusal.isEmpty()) {
      Messages().ShowMessage(refusal);
      return;
    }
    leesinput();
    if (s.StartInputError) return;
    s.MapVisible = true;
    mapschakelaar();  // hides the map and shows the systems panel
    for (QPushButton* b : {ui.START, ui.Startbit}) {
      b->setText("STOP");
      b->setToolTip("Stop and reset the flight");
    }
    LoadStartGlyph(kStopGlyph);
    ui.STARTPanel->hide();
    for (QAction* menu : {ui.Exitmenu, ui.Areamenu, ui.Mapmenu, ui.Instrumentsmenu}) menu->setEnabled(false);
    s.PhysicsClock = s.RepaintClock = s.SecondClock = s.MarkerBlinkClock = 0;
    s.JoyTurnClock = s.JoyPitchClock = 0;
    s.TurnKeyClock = s.PitchKeyClock = s.PowerKeyClock = 0;
    s.BumpClock = 2;
    s.TurbulenceClock = 15;  // a new bump interval is drawn at the first tick
    s.GustClock = 2;
    s.BumpBankDirection = Rng().Random(2) + 1;
    s.BumpPitchDirection = Rng().Random(2) + 1;
    BrRadDme();
    TkOrvane();
    Winddriehoek();
    Timer->start();
    return;
  }

  if (Messages().Ask("STOP and RESET the Flight?\r\n\r\nTo PAUSE the Flight: Click CANCEL, then press [P]",
                     DlgButtons::OkCancel) != DlgAnswer::Ok)
    return;
  if (!flight::IsPiston(s)) endfailure();
  ui.Chart1->Repaint();
  for (QPushButton* b : {ui.START, ui.Startbit}) {
    b->setText("FLY");
    b->setToolTip("Start flying now");
  }
  LoadStartGlyph(kStartGlyph);
  Timer->stop();
  const bool exercisePanel = !ui.Staticpanel->isHidden();
  if (!exercisePanel) ui.STARTPanel->show();
  ui.OM->SetBrush(ui.OM->BrushColor(), BrushStyle::DiagCross);
  for (QAction* menu : {ui.Exitmenu, ui.Areamenu, ui.Mapmenu, ui.Instrumentsmenu}) menu->setEnabled(true);
  ui.Optionsmenu->setEnabled(true);
  ui.Optionsmenu->menuAction()->setEnabled(true);
  s.Paused = false;
  if (!exercisePanel) {
    s.MapVisible = false;
    mapschakelaar();  // shows the map again
  }
  s.PitchAttitude = 0;
  s.BankAngle = 0;
  laadvlgtgparameters();
  if (s.AutopilotEngaged) APpanelClick();
  s.AttitudeDiscRotation = 0;
  ShowDiscRotation();
  Bratti();
  s.ChronoWhole = 0;
  s.ChronoSeconds = 0;
  ui.ChronoOutput->setText("0");
  DoeUpdate();
  ClearTrackHistory(s);
}

}  // namespace tvx
