// The shipped scenario sounds, read by the program's own wave reader and
// loaded by Qt's sound player, and the real player's quiet failures.
#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/dataroot.h"
#include "platform/sound.h"
#include "simulator/scenarios.h"

using namespace tvx;

class tst_Sound : public QObject {
  Q_OBJECT

  QString Shipped(const QString& name) const { return ShippedDataDir() + "/Navdata/" + name; }

 private slots:
  void initTestCase() {
    // The multimedia back end reports once, on first use, whether it found a
    // sound server; that is not the player's doing.
    QMediaDevices::audioOutputs();
  }

  void everyScenarioSoundIsShippedSmallAndPlain_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : scenario::SoundFiles()) QTest::newRow(qPrintable(name)) << name;
  }
  void everyScenarioSoundIsShippedSmallAndPlain() {
    QFETCH(QString, name);
    const QString path = Shipped(name);
    const auto info = ReadWaveFile(path);
    QVERIFY2(info, qPrintable(path));
    QCOMPARE(info->Channels, 1);
    QCOMPARE(info->SampleRate, 16000);
    QCOMPARE(info->BitsPerSample, 16);
    // Short call-outs and one-second loops; nothing but the sound after the
    // 44-byte header.
    QVERIFY2(info->Seconds() >= 0.5 && info->Seconds() <= 2.5, qPrintable(QString::number(info->Seconds())));
    QCOMPARE(QFileInfo(path).size(), 44 + info->DataBytes);
    // The looped alarms are one second each, so a loop keeps its beat.
    if (name == "ding1.wav" || name == "beep1.wav") QCOMPARE(info->Seconds(), 1.0);
  }

  // Qt's player decodes each file (it needs no audio device for that).
  void qtPlayerLoadsEverySound() {
    const bool device = !QMediaDevices::audioOutputs().isEmpty();
    for (const QString& name : scenario::SoundFiles()) {
      if (!device) QTest::ignoreMessage(QtWarningMsg, "No audio device detected");
      QSoundEffect effect;
      effect.setSource(QUrl::fromLocalFile(Shipped(name)));
      QTRY_VERIFY2(effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null,
                   qPrintable(name));
      QVERIFY2(effect.status() == QSoundEffect::Ready, qPrintable(name));
    }
  }

  void noOtherWaveFilesAreShipped() {
    const QStringList shipped = QDir(ShippedDataDir() + "/Navdata").entryList({"*.wav"}, QDir::Files, QDir::Name);
    QStringList expected = scenario::SoundFiles();
    expected.sort();
    QCOMPARE(shipped, expected);
  }

  // Without a sound device, or with a missing or broken file, the real
  // player plays nothing and says nothing.
  void realPlayerFailsQuietly() {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.wav");
    {
      QFile in(Shipped("ding.wav"));
      QVERIFY(in.open(QIODevice::ReadOnly));
      QFile out(broken);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(in.read(40));  // cut inside the header
    }
    QTest::failOnWarning(QRegularExpression(".*"));
    SoundService& player = Sound();
    QVERIFY(!player.Play(dir.filePath("missing.wav"), false));
    QVERIFY(!player.Play(broken, true));
    player.Stop();
    const bool device = !QMediaDevices::audioOutputs().isEmpty();
    QCOMPARE(player.Play(Shipped("ding.wav"), false), device);
    player.Stop();
    player.Stop();
  }
};

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
