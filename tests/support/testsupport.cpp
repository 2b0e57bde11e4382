#include "support/testsupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

namespace tvx::test {

QString OutputDir() {
  QString dir = qEnvironmentVariable("TARVINEX_TEST_OUTPUT");
  if (dir.isEmpty()) dir = QDir::tempPath() + "/tarvinex-test-output";
  QDir().mkpath(dir);
  return dir;
}

QString SavePng(const QImage& image, const QString& name) {
  const QString path = OutputDir() + "/" + name + ".png";
  image.save(path);
  return path;
}

QImage Grab(QWidget* widget) { return widget->grab().toImage(); }

QStringList ComboItems(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

void UseTemporaryDataRoot() {
  static QTemporaryDir dir;
  qputenv("TARVINEX_HOME", dir.path().toLocal8Bit());
}

}  // namespace tvx::test
