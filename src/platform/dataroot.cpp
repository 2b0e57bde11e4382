#include "platform/dataroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "platform/messages.h"

namespace tvx {

namespace {

bool rootWritable = true;

// Tried rather than read from the permission bits, which say nothing of a
// read-only file system and which an administrator passes by. The file goes
// again at once.
bool CanWriteIn(const QString& folder) {
  QTemporaryFile probe(folder + "/.tarvinex-write-XXXXXX");
  return probe.open();
}

}  // namespace

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
  rootWritable = QDir().mkpath(root) && CanWriteIn(root);
  if (!rootWritable) return false;
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

bool DataRootWritable() { return rootWritable; }

void PrepareDataRootAtStart() {
  if (EnsureDataRoot()) return;
  // The folder on a line of its own, where a name with spaces reads whole.
  const QString root = QDir::toNativeSeparators(DataRoot());
  if (QFileInfo(DataRoot()).isDir())
    Messages().ShowMessage("ERROR: Cannot write in the data folder\n" + root +
                           "\nFiles cannot be saved there until it can be written, and the files that come with "
                           "the program cannot be added to it until then.");
  else
    Messages().ShowMessage("ERROR: Cannot create the data folder\n" + root +
                           "\nFiles cannot be saved there until it can be created, and the navigation database "
                           "and the pictures are missing until then.");
}

}  // namespace tvx
