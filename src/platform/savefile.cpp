#include "platform/savefile.h"

#include <QFileInfo>
#include <QSaveFile>

#include "platform/messages.h"
#include "platform/textutil.h"

namespace tvx {

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile out(path);
  return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

bool ConfirmOverwrite(const QString& what, const QString& path) {
  if (!QFileInfo::exists(path)) return true;
  const QString question = what + " \"" + BareFileName(path) + "\" already exists. Overwrite? ";
  return Messages().Ask(question, DlgButtons::YesNo) == DlgAnswer::Yes;
}

}  // namespace tvx
