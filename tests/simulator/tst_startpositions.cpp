// Start positions saved from and loaded into the simulator window, the
// airplane files of the flap labels, and the sample files shipped with the
// program.
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "areas/areamodel.h"
#include "areas/instroptions.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "simulator/aircraftconfig.h"
#include "simulator/aircrafttype.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "simulator/startpanel.h"
#include "simulator/startposfile.h"
#include "simulator/startpossample.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

const QString kCannotOpenStart = "ERROR: Cannot open Startposition File";
const QString kCannotOpenAirplane = "ERROR: Cannot open File";
const QString kCannotSave = "ERROR: Cannot Save File!";

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<QLineEdit*> LabelEdits(TForm1& form) {
  auto& u = form.ui;
  return {u.Equiflap0, u.Equiflap1, u.Equiflap2, u.Equiflap3, u.Equiflap4};
}

QStringList FlapLabelTexts(const TForm1& form) {
  const auto& u = form.ui;
  return {u.flaplabel0->text(), u.flaplabel1->text(), u.flaplabel2->text(), u.flaplabel3->text(),
          u.flaplabel4->text()};
}

QStringList EditTexts(TForm1& form) {
  QStringList texts;
  for (const QLineEdit* e : LabelEdits(form)) texts << e->text();
  return texts;
}

// Everything a start position or an airplane file can change.
QStringList Snapshot(TForm1& form) {
  const auto& u = form.ui;
  const SimState& s = Sim;
  QStringList out;
  for (const QLineEdit* e : {u.HDGinput, u.Altitudeinput, u.beaconinput, u.Radialinput, u.DMEinput, u.WINDWinput,
                             u.WINDVinput, u.VOR1active, u.VOR1select, u.VOR2active, u.VOR2select, u.ADFactive,
                             u.ADFselect, u.RPMinput, u.Attiinput})
    out << e->text();
  for (const QLabel* l : {u.Ldglight, u.CarbHeat, u.Fuelpump}) out << l->text();
  out << u.Beaconbox->currentText() << QString::number(u.Autopos->currentIndex())
      << QString::number(u.Configbox->currentIndex()) << test::ComboItems(u.Configbox).join(",")
      << QString::number(form.TypegroupIndex()) << QString::number(u.Flaps->value())
      << QString::number(u.Gear->value()) << s.AircraftType << QString::number(s.Altitude)
      << QString::number(s.Obs1Course) << QString::number(s.Obs2Course) << QString::number(s.EngineRpm)
      << QString::number(s.Minimums) << QString::number(int(InstrSettings.HSIBool))
      << QString::number(InstrSettings.ADFRMI) << QString::number(s.AircraftX) << QString::number(s.AircraftY)
      << Areas.AreaName << u.Areanaampanel->text();
  out << EditTexts(form) << FlapLabelTexts(form);
  return out;
}

// The sample with the HSI off, which the window has on at first.
StartPosition JetAtCcc() {
  StartPosition p = test::SampleStartPosition();
  p.HsiShown = false;
  return p;
}

QStringList ShippedFiles(const QString& folder, const QString& pattern) {
  QStringList files;
  QDirIterator it(ShippedDataDir() + "/" + folder, {pattern}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

}  // namespace

class tst_StartPositions : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

  QString Path(const QString& name) const { return dir_.filePath(name); }

  // A window of a chosen type, as the main menu leaves it.
  static std::unique_ptr<TForm1> Window(int type) {
    auto form = std::make_unique<TForm1>();
    form->SetTypegroupIndex(type);
    return form;
  }

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    QVERIFY(EnsureDataRoot());
    QVERIFY(dir_.isValid());
  }

  void init() {
    ResetSimState();
    ResetAreaState();
    InstrSettings = InstrOptions();
  }

  void buttonsOfTheFiles() {
    ScopedRecordingMessages messages;
    TForm1 form;
    const auto& u = form.ui;
    struct Button {
      QPushButton* button;
      const char* caption;
      const char* hint;
      QWidget* parent;
    };
    const Button buttons[] = {
        {u.Loadpos, "LOAD POSITION", "", u.STARTPanel},      {u.loadposbit, "Load", "", u.STARTPanel},
        {u.Savepos, "SAVE POSITION", "", u.STARTPanel},      {u.saveposbit, "Save", "", u.STARTPanel},
        {u.Loadexpos, "Jetliner Ex.", "Load Exercise Startposition", u.STARTPanel},
        {u.Loadflaps, "Set", "Update Flaps", u.Flapsettingbox},
        {u.saveplane, "Save", "Save Airplane", u.Flapsettingbox},
        {u.loadplane, "Load", "Load Airplane", u.Flapsettingbox},
    };
    for (const Button& b : buttons) {
      QCOMPARE(b.button->text(), QString(b.caption));
      QCOMPARE(b.button->toolTip(), QString(b.hint));
      QCOMPARE(b.button->parentWidget(), b.parent);
      // Inside its panel, clear of every other control there.
      QVERIFY(b.parent->rect().contains(b.button->geometry()));
      for (QWidget* other : b.parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != b.button && !other->isHidden())
          QVERIFY2(!other->geometry().intersects(b.button->geometry()), qPrintable(other->objectName()));
    }
    QVERIFY(messages.entries.isEmpty());
  }

  void exerciseButtonShownForTheJetOnly() {
    ScopedRecordingMessages messages;
    TForm1 form;
    const int types[] = {0, 2, 1, 3, 0};
    const bool shown[] = {false, true, false, true, false};
    for (int i = 0; i < 5; ++i) {
      form.SetTypegroupIndex(types[i]);
      QCOMPARE(form.ui.Loadexpos->isHidden(), !shown[i]);
    }
  }

  void saveWritesThePanelAsOneRecord() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    test::ChooseConfig(*form, 4);  // F5
    auto& u = form->ui;
    u.beaconinput->setText("ila");
    u.Radialinput->setText("093");
    u.DMEinput->setText("12.5");
    u.HDGinput->setText("300");
    u.Altitudeinput->setText("3000");
    u.WINDWinput->setText("250");
    u.WINDVinput->setText("12");
    u.Attiinput->setText("-1.5");
    u.Ldglight->setText("ON");
    Sim.Obs1Course = 270;
    Sim.Obs2Course = 90;
    Sim.Minimums = 250;
    InstrSettings.HSIBool = false;
    InstrSettings.ADFRMI = 2;
    files.answers << Path("save.dat") << Path("savebit.dat");
    u.Savepos->click();
    u.saveposbit->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));

    QCOMPARE(files.requests.size(), 2);
    const FileRequest& r = files.requests[0];
    QCOMPARE(r.directory, DataRoot() + "/startpositions");
    QCOMPARE(r.fileName, QString("Area1-"));
    QCOMPARE(r.filter, QString("Startposition (*.dat)|*.dat"));
    QCOMPARE(r.defaultSuffix, QString("dat"));
    QVERIFY(!r.mustExist);
    QVERIFY(!r.toolkitOverwriteQuestion);

    const QByteArray bytes = ReadAll(Path("save.dat"));
    QCOMPARE(bytes.size(), 440);
    QCOMPARE(ReadAll(Path("savebit.dat")), bytes);
    const auto p = DecodeStartPosition(bytes);
    QVERIFY(p);
    QCOMPARE(p->Beacon, QString("ILA"));
    QCOMPARE(p->Radial, 93);
    QCOMPARE(p->Dme, 12.5);
    QCOMPARE(p->Heading, 300);
    QCOMPARE(p->Altitude, 3000);
    QCOMPARE(p->WindDirection, 250);
    QCOMPARE(p->WindSpeed, 12);
    // The start from the ILS tuned VOR 1 to it and the ADF to its locator.
    QCOMPARE(p->Vor1Active, QString("108.6"));
    QCOMPARE(p->Vor1Standby, QString("114.0"));
    QCOMPARE(p->Vor2Active, QString("114.0"));
    QCOMPARE(p->Vor2Standby, QString("114.6"));
    QCOMPARE(p->AdfActive, QString("370"));
    QCOMPARE(p->AdfStandby, QString("565"));
    QCOMPARE(p->Obs1Course, 270);
    QCOMPARE(p->Obs2Course, 90);
    QCOMPARE(p->Rpm, 2450);
    QVERIFY(!p->HsiShown);
    QCOMPARE(p->AdfRmiMode, 2);
    QCOMPARE(p->FlapPosition, 2);
    QCOMPARE(p->GearPosition, 0);
    QCOMPARE(p->LandingLight, QString("ON"));
    QCOMPARE(p->CarbHeat, QString("OFF"));
    QCOMPARE(p->FuelPump, QString("OFF"));
    QCOMPARE(p->Attitude, -1.5);
    QCOMPARE(p->AircraftType, QString("737"));
    QCOMPARE(p->ConfigName, QString("F5"));
    QCOMPARE(p->AreaName, QString("Area1"));
    QCOMPARE(p->Minimums, 250);
  }

  void saveRoundsTheRpm() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    Sim.EngineRpm = 2299.5;  // halves go to the even neighbour
    files.answers << Path("rpm.dat");
    form->SaveposClick();
    QCOMPARE(DecodeStartPosition(ReadAll(Path("rpm.dat")))->Rpm, 2300);
    Sim.EngineRpm = 2300.5;
    files.answers << Path("rpm.dat");
    messages.answers << DlgAnswer::Yes;
    form->SaveposClick();
    QCOMPARE(DecodeStartPosition(ReadAll(Path("rpm.dat")))->Rpm, 2300);
    Sim.EngineRpm = 2300.6;
    files.answers << Path("rpm.dat");
    messages.answers << DlgAnswer::Yes;
    form->SaveposClick();
    QCOMPARE(DecodeStartPosition(ReadAll(Path("rpm.dat")))->Rpm, 2301);
  }

  void saveAsksBeforeReplacingAFile() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    const QString path = Path("mine.dat");
    QVERIFY(WriteAll(path, "old"));

    messages.answers << DlgAnswer::No;
    files.answers << path;
    form->SaveposClick();
    QCOMPARE(messages.entries.size(), 1);
    QVERIFY(messages.entries[0].question);
    QCOMPARE(messages.entries[0].buttons, DlgButtons::YesNo);
    QCOMPARE(messages.entries[0].text, QString("STARTPOSITION \"mine\" already exists. Overwrite? "));
    QCOMPARE(ReadAll(path), QByteArray("old"));

    messages.Clear();
    messages.answers << DlgAnswer::Yes;
    files.answers << path;
    form->SaveposClick();
    QCOMPARE(messages.Texts(), QStringList{"STARTPOSITION \"mine\" already exists. Overwrite? "});
    QCOMPARE(ReadAll(path).size(), 440);

    // A new file is written without a question.
    messages.Clear();
    files.answers << Path("new.dat");
    form->SaveposClick();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(ReadAll(Path("new.dat")), ReadAll(path));
  }

  void aPanelThatRefusesAValueIsNotSaved() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    form->ui.HDGinput->setText("400");
    files.answers << Path("refused.dat");
    form->SaveposClick();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: Heading is not between 0 and 360 "});
    QVERIFY(files.requests.isEmpty());

    messages.Clear();
    form->ui.HDGinput->setText("90");
    form->ui.Attiinput->setText("level");
    form->SaveposClick();
    QCOMPARE(messages.Texts(), QStringList{kCannotSave});
    QVERIFY(files.requests.isEmpty());

    // A value the file could not load back is not saved either.
    messages.Clear();
    form->ui.Attiinput->setText("95");
    form->SaveposClick();
    QCOMPARE(messages.Texts(), QStringList{kCannotSave});
    QVERIFY(files.requests.isEmpty());
    QVERIFY(!QFile::exists(Path("refused.dat")));
  }

  void aBeaconMissingFromTheAreaIsSavedAsVor1() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    form->ui.beaconinput->setText("XYZ");
    files.answers << Path("fallback.dat");
    form->SaveposClick();
    QCOMPARE(messages.entries.size(), 1);
    QVERIFY(messages.entries[0].text.startsWith("WARNING: This STARTPOSITION is not valid in AREA "));
    QCOMPARE(DecodeStartPosition(ReadAll(Path("fallback.dat")))->Beacon, QString("AAA"));
  }

  void saveFailureAndCancel() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    files.answers << Path("no such folder/x.dat");
    form->SaveposClick();
    QCOMPARE(messages.Texts(), QStringList{kCannotSave});
    messages.Clear();
    files.answers << QString();
    form->SaveposClick();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(files.requests.size(), 2);
  }

  void loadDialogFolders() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    const QStringList before = Snapshot(*form);
    form->ui.Loadpos->click();
    form->ui.loadposbit->click();
    form->ui.Loadexpos->click();
    QCOMPARE(files.requests.size(), 3);
    QCOMPARE(files.requests[0].directory, DataRoot() + "/startpositions");
    QCOMPARE(files.requests[1].directory, DataRoot() + "/startpositions");
    QCOMPARE(files.requests[2].directory, DataRoot() + "/startpositions/Jetliner exercises");
    QVERIFY(QFileInfo(files.requests[2].directory).isDir());
    for (const FileRequest& r : files.requests) {
      QVERIFY(r.mustExist);
      QCOMPARE(r.filter, QString("Startposition (*.dat)|*.dat"));
      QCOMPARE(r.defaultSuffix, QString("dat"));
    }
    // Every dialog was cancelled: nothing happened.
    QCOMPARE(Snapshot(*form), before);
    QVERIFY(messages.entries.isEmpty());
  }

  void loadPutsEveryFieldInPlace() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    auto& u = form->ui;
    u.Autopos->setCurrentIndex(0);
    form->startkleur();
    QCOMPARE(u.HDGinput->palette().color(QPalette::Base), QColor(255, 0, 255));
    QVERIFY(WriteAll(Path("ccc.dat"), EncodeStartPosition(JetAtCcc())));
    files.answers << Path("ccc.dat");
    u.Loadpos->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));

    QCOMPARE(u.Autopos->currentIndex(), 2);
    QCOMPARE(u.HDGinput->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(u.HDGinput->text(), QString("225"));
    QCOMPARE(u.Altitudeinput->text(), QString("5000"));
    QCOMPARE(u.beaconinput->text(), QString("CCC"));
    QCOMPARE(u.Beaconbox->currentText(), QString("CCC"));
    QCOMPARE(u.Radialinput->text(), QString("45"));
    QCOMPARE(u.DMEinput->text(), QString("40.0"));
    QCOMPARE(u.WINDWinput->text(), QString("200"));
    QCOMPARE(u.WINDVinput->text(), QString("35"));
    QCOMPARE(u.VOR1active->text(), QString("115.4"));
    QCOMPARE(u.VOR1select->text(), QString("108.6"));
    QCOMPARE(u.VOR2active->text(), QString("114.0"));
    QCOMPARE(u.VOR2select->text(), QString("114.6"));
    QCOMPARE(u.ADFactive->text(), QString("405"));
    QCOMPARE(u.ADFselect->text(), QString("370"));
    QCOMPARE(u.RPMinput->text(), QString("2100"));
    QCOMPARE(u.Attiinput->text(), QString("2.5"));
    QCOMPARE(Sim.Obs1Course, 225);
    QCOMPARE(Sim.Obs2Course, 135);
    QVERIFY(!InstrSettings.HSIBool);
    QCOMPARE(InstrSettings.ADFRMI, 2);
    QCOMPARE(u.Ldglight->text(), QString("ON"));
    QCOMPARE(u.CarbHeat->text(), QString("OFF"));
    QCOMPARE(u.Fuelpump->text(), QString("ON"));
    // The switches look pressed when on.
    QCOMPARE(u.Ldglight->frameShadow(), QFrame::Sunken);
    QCOMPARE(u.CarbHeat->frameShadow(), QFrame::Raised);
    QCOMPARE(Sim.Minimums, 450);

    // The type and its preset, then the start panel applied.
    QCOMPARE(form->TypegroupIndex(), 2);
    QVERIFY(u.Typegroup2->isChecked());
    QCOMPARE(Sim.AircraftType, QString("737"));
    QCOMPARE(test::ComboItems(u.Configbox), JetPresetItems());
    QCOMPARE(u.Configbox->currentIndex(), 5);
    QCOMPARE(Sim.Airspeed, 154.0);
    QCOMPARE(u.Flaps->value(), 3);
    QCOMPARE(u.Gear->value(), 1);
    QCOMPARE(Sim.Altitude, 5000.0);
    QCOMPARE(Sim.Heading, 225.0);
    QCOMPARE(Sim.WindDirection, 200);
    QCOMPARE(Sim.WindSpeed, 35);
    const AreaBeacon& ccc = Areas.VorList[2];
    // Placed 40 NM out on the 045 radial (and moved one position step on).
    QVERIFY(std::abs(Sim.AircraftX - (ccc.X + 40 * std::cos((45 - 90) * M_PI / 180))) < 0.05);
    QVERIFY(std::abs(Sim.AircraftY - (ccc.Y + 40 * std::sin((45 - 90) * M_PI / 180))) < 0.05);
    QCOMPARE(Sim.Vor1StationX, ccc.X);  // VOR 1 retuned to CCC
  }

  void glassPistonLandingComesBackAsItsPreset() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(1);
    test::ChooseConfig(*form, 2);  // "Ldg config - 90 kts"
    files.answers << Path("efis.dat");
    form->SaveposClick();
    const auto stored = DecodeStartPosition(ReadAll(Path("efis.dat")));
    QVERIFY(stored);
    QCOMPARE(stored->AircraftType, QString("SEP EFIS"));
    QCOMPARE(stored->ConfigName, QString("VMD"));

    form->SetTypegroupIndex(2);
    test::ChooseConfig(*form, 0);
    files.answers << Path("efis.dat");
    form->LoadposClick(false);
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));
    QCOMPARE(form->TypegroupIndex(), 1);
    QCOMPARE(Sim.AircraftType, QString("SEP EFIS"));
    QCOMPARE(test::ComboItems(form->ui.Configbox), PistonPresetItems());
    QCOMPARE(form->ui.Configbox->currentIndex(), 2);
    QCOMPARE(Sim.PresetPower, 1775.0);
    QCOMPARE(form->ui.Flaps->value(), 3);
    QCOMPARE(form->ui.Gear->value(), 1);
  }

  void anEmptyTypeIsFlownAs320() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    StartPosition p = JetAtCcc();
    p.AircraftType = "";
    p.ConfigName = "";
    QVERIFY(WriteAll(Path("untyped.dat"), EncodeStartPosition(p)));
    files.answers << Path("untyped.dat");
    form->LoadposClick(false);
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(form->TypegroupIndex(), 3);
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(form->ui.Typegroup0), static_cast<QAbstractButton*>(form->ui.Typegroup1),
                               static_cast<QAbstractButton*>(form->ui.Typegroup2)})
      QVERIFY(!b->isChecked());
    QCOMPARE(Sim.AircraftType, QString("320"));
    QCOMPARE(test::ComboItems(form->ui.Configbox), JetPresetItems());
    QCOMPARE(form->ui.Configbox->currentIndex(), 2);
    QVERIFY(!form->ui.Loadexpos->isHidden());
  }

  void theRecordsAreaNameLeavesTheAreaAlone() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    QVERIFY(WriteAll(Path("other.dat"), EncodeStartPosition(JetAtCcc())));
    files.answers << Path("other.dat");
    form->LoadposClick(false);
    QCOMPARE(Areas.AreaName, QString("Area1"));
    QCOMPARE(form->ui.Areanaampanel->text(), QString("Area1"));
    QCOMPARE(Areas.VorList[2].Name, QString("CCC"));
  }

  // A start position of another area starts from VOR 1 of this one, with
  // one warning.
  void aBeaconMissingFromTheAreaFallsBackToVor1() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    StartPosition p = JetAtCcc();
    p.Beacon = "XYZ";
    QVERIFY(WriteAll(Path("elsewhere.dat"), EncodeStartPosition(p)));
    files.answers << Path("elsewhere.dat");
    form->LoadposClick(false);
    QCOMPARE(messages.entries.size(), 1);
    QVERIFY(messages.entries[0].text.contains("Beacon \"XYZ\" does not exist in AREA \"Area1\""));
    QCOMPARE(form->ui.beaconinput->text(), QString("AAA"));
    QCOMPARE(form->ui.HDGinput->text(), QString("225"));
    QVERIFY(!Sim.StartInputError);
  }

  void aFailedLoadChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = EncodeStartPosition(JetAtCcc());
    StartPosition nan = JetAtCcc();
    nan.Dme = std::numeric_limits<double>::quiet_NaN();
    StartPosition mode = JetAtCcc();
    mode.AdfRmiMode = 5;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short") << good.left(439);
    QTest::newRow("long") << good + QByteArray(1, '\0');
    QTest::newRow("two records") << good + good;
    QTest::newRow("area file") << QByteArray(45 * 104, 'A');
    QTest::newRow("distance no number") << EncodeStartPosition(nan);
    QTest::newRow("unknown ADF mode") << EncodeStartPosition(mode);
    // Numbers no panel can save: they ran the flight model away or
    // overflowed the instruments.
    const auto with = [](auto field, auto value) {
      StartPosition p = JetAtCcc();
      p.*field = value;
      return EncodeStartPosition(p);
    };
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    QTest::newRow("rpm 1e9") << with(&StartPosition::Rpm, 1000000000);
    QTest::newRow("course 1 -2^31") << with(&StartPosition::Obs1Course, kMin);
    QTest::newRow("course 2 2^31-1") << with(&StartPosition::Obs2Course, kMax);
    QTest::newRow("minimums -2^31") << with(&StartPosition::Minimums, kMin);
    QTest::newRow("altitude 7.7e8") << with(&StartPosition::Altitude, 770000000);
    QTest::newRow("heading 361") << with(&StartPosition::Heading, 361);
    QTest::newRow("radial -1") << with(&StartPosition::Radial, -1);
    QTest::newRow("dme 1e300") << with(&StartPosition::Dme, 1e300);
    QTest::newRow("wind 61") << with(&StartPosition::WindSpeed, 61);
    QTest::newRow("flaps 9") << with(&StartPosition::FlapPosition, 9);
    QTest::newRow("gear -1") << with(&StartPosition::GearPosition, -1);
    QTest::newRow("attitude 7.7e8") << with(&StartPosition::Attitude, 7.7e8);
  }

  void aFailedLoadChangesNothing() {
    QFETCH(QByteArray, bytes);
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    const QString path = Path("bad.dat");
    QVERIFY(WriteAll(path, bytes));
    const QStringList before = Snapshot(*form);
    files.answers << path;
    form->LoadposClick(false);
    QCOMPARE(messages.Texts(), QStringList{kCannotOpenStart});
    QCOMPARE(Snapshot(*form), before);
  }

  // The standard altimeter setting of the flight before is cleared; the
  // panel sets it again only above 18000 ft.
  void loadClearsTheStandardBaro() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    StartPosition at10000 = JetAtCcc();
    at10000.Altitude = 10000;
    QVERIFY(WriteAll(Path("fl100.dat"), EncodeStartPosition(at10000)));
    Sim.BaroStd = true;
    files.answers << Path("fl100.dat");
    form->LoadposClick(false);
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));
    QCOMPARE(Sim.Altitude, 10000.0);
    QVERIFY(!Sim.BaroStd);

    StartPosition at30000 = JetAtCcc();
    at30000.Altitude = 30000;
    QVERIFY(WriteAll(Path("fl300.dat"), EncodeStartPosition(at30000)));
    files.answers << Path("fl300.dat");
    form->LoadposClick(false);
    QVERIFY(Sim.BaroStd);
  }

  // A flight whose forces ran away leaves nothing behind: neither a load nor
  // STOP carries them into the next flight.
  void aRunawayFlightDoesNotCarryOver() {
    const double inf = std::numeric_limits<double>::infinity();
    const auto runAway = [inf] {
      Sim.Airspeed = inf;
      Sim.Drag = inf;
      Sim.Lift = inf;
      Sim.Thrust = -inf;
      Sim.Acceleration = inf;
    };
    const auto flownWell = [](TForm1& form) {
      form.STARTClick();
      QVERIFY(form.Timer->isActive());
      test::Ticks(form, 50);
      QVERIFY2(Sim.Airspeed > 40 && Sim.Airspeed < 200, qPrintable(QString::number(Sim.Airspeed)));
      for (double v : {Sim.Drag, Sim.Lift, Sim.Thrust, Sim.Acceleration, Sim.AircraftX, Sim.AircraftY, Sim.Altitude})
        QVERIFY(std::isfinite(v));
    };
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    runAway();
    files.answers << ShippedDataDir() + "/startpositions/Area1-SEP ILS 27.dat";
    form->LoadposClick(false);
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));
    flownWell(*form);

    runAway();
    messages.answers << DlgAnswer::Ok;
    form->STARTClick();  // STOP
    QVERIFY(!form->Timer->isActive());
    for (double v : {Sim.Airspeed, Sim.Drag, Sim.Lift, Sim.Thrust, Sim.Acceleration}) QVERIFY(std::isfinite(v));
    flownWell(*form);
  }

  void aFileThatCannotBeReadChangesNothing() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    const QStringList before = Snapshot(*form);
    files.answers << Path("missing.dat") << dir_.path();
    form->LoadposClick(false);
    form->LoadposClick(true);
    QCOMPARE(messages.Texts(), (QStringList{kCannotOpenStart, kCannotOpenStart}));
    QCOMPARE(Snapshot(*form), before);
  }

  void takeoffPositionFromAPistonPanel() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(0);
    files.answers << ShippedDataDir() + "/startpositions/Jetliner exercises/Area1-Jet takeoff RWY 27.dat";
    form->LoadposClick(true);
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));
    QCOMPARE(form->ui.Configbox->currentIndex(), kJetTakeoffPreset);
    QCOMPARE(form->ui.Altitudeinput->text(), QString("120"));
    QCOMPARE(Sim.Altitude, 120.0);
    QVERIFY(Sim.OnGround);
    QCOMPARE(Sim.SpeedBug, 143);
    QVERIFY(ConfigAltitudeRefusal(kJetTakeoffPreset, form->ui.Altitudeinput->text(), Sim.AirportElevation, false)
                .isEmpty());
  }

  // Each start position shipped with the program loads in the default area
  // without a message, fits its configuration for FLY, and saves back to the
  // very same bytes.
  void shippedStartPositionsLoadAndSaveUnchanged() {
    const QStringList shipped = ShippedFiles("startpositions", "*.dat");
    QVERIFY(shipped.size() >= 7);
    QVERIFY(ShippedFiles("startpositions/Jetliner exercises", "*.dat").size() >= 4);
    for (const QString& file : shipped) {
      ResetSimState();
      ResetAreaState();
      InstrSettings = InstrOptions();
      ScopedRecordingMessages messages;
      ScriptedFiles files;
      auto form = Window(0);
      files.answers << file;
      form->LoadposClick(file.contains("Jetliner exercises"));
      QVERIFY2(messages.entries.isEmpty(), qPrintable(file + ": " + messages.Texts().join(" | ")));
      const bool jetExercise = file.contains("Jetliner exercises");
      QCOMPARE(Sim.AircraftType == "737", jetExercise);
      QVERIFY2(ConfigAltitudeRefusal(form->ui.Configbox->currentIndex(), form->ui.Altitudeinput->text(),
                                     Sim.AirportElevation, IsPiston(Sim.AircraftType))
                   .isEmpty(),
               qPrintable(file));
      files.answers << Path("again.dat");
      messages.answers << DlgAnswer::Yes;
      form->SaveposClick();
      QCOMPARE(ReadAll(Path("again.dat")).toHex(), ReadAll(file).toHex());
    }
  }

  void setCopiesTheLabelsToTheLever() {
    ScopedRecordingMessages messages;
    auto form = Window(2);
    const QStringList labels{"0", "1", "2", "3", "FULL"};
    for (int i = 0; i < 5; ++i) LabelEdits(*form)[i]->setText(labels[i]);
    QCOMPARE(FlapLabelTexts(*form), (QStringList{"UP", "1", "5", "15", "40"}));
    const int repaints = form->ui.Chart2->RepaintRequests;
    form->ui.Loadflaps->click();
    QCOMPARE(FlapLabelTexts(*form), labels);
    QVERIFY(form->ui.Chart2->RepaintRequests > repaints);
  }

  void enterInAnyLabelEditAppliesAllFive() {
    ScopedRecordingMessages messages;
    TForm1* form = test::NewActiveSimWindow();
    QVERIFY(form);
    std::unique_ptr<TForm1> owner(form);
    form->SetTypegroupIndex(2);
    const QList<QLineEdit*> edits = LabelEdits(*form);
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < 5; ++j) edits[j]->setText(QString("L%1-%2").arg(i).arg(j));
      const QStringList before = FlapLabelTexts(*form);
      edits[i]->setFocus();
      QTest::keyClick(edits[i], Qt::Key_Return, Qt::ShiftModifier);
      QTest::keyClick(edits[i], Qt::Key_Space);
      QCOMPARE(FlapLabelTexts(*form), before);
      QCOMPARE(QApplication::focusWidget(), edits[i]);
      edits[i]->setText(edits[i]->text().chopped(1));
      QTest::keyClick(edits[i], i == 4 ? Qt::Key_Enter : Qt::Key_Return, i == 4 ? Qt::KeypadModifier : Qt::NoModifier);
      QCOMPARE(FlapLabelTexts(*form), EditTexts(*form));
      QCOMPARE(QApplication::focusWidget(), form->ui.ChronoOutput);
    }
  }

  void saveAirplaneWritesFiveLines() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    const QString path = Path("md80.txt");
    QVERIFY(WriteAll(path, "old labels"));
    const QStringList labels{"UP", "11", "15", "28", "40"};
    for (int i = 0; i < 5; ++i) LabelEdits(*form)[i]->setText(labels[i]);
    files.answers << path;
    form->ui.saveplane->click();
    // The dialog asked about the existing file; the program asks nothing more.
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(ReadAll(path), QByteArray("UP\r\n11\r\n15\r\n28\r\n40\r\n"));
    QCOMPARE(files.requests.size(), 1);
    const FileRequest& r = files.requests[0];
    QCOMPARE(r.directory, DataRoot() + "/airplanes");
    QCOMPARE(r.filter, QString("*.txt|*.txt"));
    QCOMPARE(r.defaultSuffix, QString("txt"));
    QVERIFY(!r.mustExist);
    QVERIFY(r.toolkitOverwriteQuestion);

    files.answers << Path("no such folder/a.txt");
    form->saveplaneClick();
    QCOMPARE(messages.Texts(), QStringList{kCannotSave});
  }

  // The longest labels the edits take save to a file that loads back.
  void longLabelsSaveAndLoadBack() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    for (QLineEdit* edit : LabelEdits(*form)) {
      edit->setText(QString(1000, 'W'));
      QCOMPARE(edit->text(), QString(kFlapLabelMaxLength, 'W'));
    }
    const QStringList saved = EditTexts(*form);
    files.answers << Path("long.txt") << Path("long.txt");
    form->saveplaneClick();
    for (QLineEdit* edit : LabelEdits(*form)) edit->clear();
    form->loadplaneClick();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join(" | ")));
    QCOMPARE(EditTexts(*form), saved);
    QCOMPARE(FlapLabelTexts(*form), saved);
  }

  void loadAirplaneSetsEditsAndLever() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    QVERIFY(WriteAll(Path("a320.txt"), "0\r\n1\r\n2\r\n3\r\nFULL\r\n"));
    files.answers << Path("a320.txt");
    const int repaints = form->ui.Chart2->RepaintRequests;
    form->ui.loadplane->click();
    QVERIFY(messages.entries.isEmpty());
    const QStringList labels{"0", "1", "2", "3", "FULL"};
    QCOMPARE(EditTexts(*form), labels);
    QCOMPARE(FlapLabelTexts(*form), labels);
    QVERIFY(form->ui.Chart2->RepaintRequests > repaints);
    // The speed tape reads its flap marks from the edits.
    QCOMPARE(form->CurrentGaugeInputs().FlapLabels[3], QString("3"));
    const FileRequest& r = files.requests[0];
    QCOMPARE(r.directory, DataRoot() + "/airplanes");
    QVERIFY(r.mustExist);
    QCOMPARE(r.filter, QString("*.txt|*.txt"));
  }

  void aBadAirplaneFileChangesNothing() {
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    QVERIFY(WriteAll(Path("short.txt"), "0\r\n1\r\n2\r\n"));
    QVERIFY(WriteAll(Path("binary.txt"), EncodeStartPosition(JetAtCcc())));
    QVERIFY(WriteAll(Path("huge.txt"), QByteArray(100000, 'x').replace(10, 10, "\r\n\r\n\r\n\r\n\r\n")));
    const QStringList before = Snapshot(*form);
    files.answers << Path("short.txt") << Path("binary.txt") << Path("huge.txt") << Path("none.txt") << QString();
    for (int i = 0; i < 5; ++i) form->loadplaneClick();
    QCOMPARE(messages.Texts(), QStringList(4, kCannotOpenAirplane));
    QCOMPARE(Snapshot(*form), before);
  }

  void shippedAirplaneFilesLoadAndSaveUnchanged() {
    const QStringList shipped = ShippedFiles("airplanes", "*.txt");
    QVERIFY(shipped.size() >= 3);
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    auto form = Window(2);
    for (const QString& file : shipped) {
      files.answers << file << Path("plane.txt");
      form->loadplaneClick();
      form->saveplaneClick();
      QCOMPARE(ReadAll(Path("plane.txt")), ReadAll(file));
      QCOMPARE(FlapLabelTexts(*form), EditTexts(*form));
    }
    QVERIFY(messages.entries.isEmpty());
  }

  void panelsPicture() {
    ScopedRecordingMessages messages;
    auto form = Window(2);
    form->resize(1600, 900);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QImage start = test::Grab(form->ui.STARTPanel);
    test::SavePng(start, "startpositions-start-panel");
    form->ui.STARTPanel->hide();
    form->ui.SYSTEEMPanel->show();
    const QImage systems = test::Grab(form->ui.SYSTEEMPanel);
    test::SavePng(systems, "startpositions-systems-panel");
    // Every caption fits its button.
    for (const QPushButton* b : {form->ui.Loadpos, form->ui.Savepos, form->ui.loadposbit, form->ui.saveposbit,
                                 form->ui.Loadexpos, form->ui.Loadflaps, form->ui.saveplane, form->ui.loadplane})
      QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 4 <= b->width(), qPrintable(b->objectName() + " needs " +
                                  QString::number(b->fontMetrics().horizontalAdvance(b->text()) + 4)));
  }
};

QTEST_MAIN(tst_StartPositions)
#include "tst_startpositions.moc"
