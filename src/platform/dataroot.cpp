#include "platform/dataroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tvx {

QString DataRoot() {
  const QByteArray env = qgetenv("TARVINEX_HOME");
  if (!env.isEmpty()) return QDir::cleanPath(QString::fromLocal8Bit(env));
  return QDir::homePath() + "/.local/share/Tarvinex/Tarvinex Sim";
}

QString MapPath(const QString& windowsPath) {
  QString p = windowsPath;
  p.replace('\\', '/');
  static const QString prefix = "C:/Tarvinex/Tarvinex Sim";
  if (p.startsWith(prefix, Qt::CaseInsensitive)) {
    QString rest = p.mid(prefix.size());
    while (rest.startsWith('/')) rest.remove(0, 1);
    return rest.isEmpty() ? DataRoot() : DataRoot() + "/" + rest;
  }
  return p;
}

QString DataPath(const QString& relative) { return DataRoot() + "/" + relative; }

QString ShippedDataDir() {
  const QString besideExe = QCoreApplication::applicationDirPath() + "/../share/tarvinex/data";
  if (QFileInfo(besideExe).isDir()) return QDir::cleanPath(besideExe);
  return QStringLiteral(TARVINEX_SHIPPED_DATA);
}

bool EnsureDataRoot() {
  const QString root = DataRoot();
  if (!QDir().mkpath(root)) return false;
  for (const char* sub : {"Areas", "Navdata", "startpositions", "startpositions/Jetliner exercises", "airplanes",
                          "loadsheets", "navlogs"})
    QDir().mkpath(root + "/" + sub);
  const QString shipped = ShippedDataDir();
  QDirIterator it(shipped, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = root + "/" + QDir(shipped).relativeFilePath(source);
    const QFileInfo info(source);
    if (info.isDir()) {
      QDir().mkpath(target);
    } else if (!QFileInfo::exists(target) && info.fileName() != ".keep") {
      QFile::copy(source, target);
      QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
    }
  }
  return true;
}

}  // namespace tvx
