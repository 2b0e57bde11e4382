#include "preparation/toolfiles.h"

#include <QFile>

#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/savefile.h"

namespace tvx {

FileRequest ToolFileRequest(const QString& title, const char* windowsFolder, bool forOpening) {
  FileRequest request;
  request.title = title;
  request.directory = MapPath(windowsFolder);
  request.filter = "Datafiles (*.dat)|*.dat";
  request.defaultSuffix = "dat";
  request.mustExist = forOpening;
  // The program asks its own overwrite question.
  request.toolkitOverwriteQuestion = false;
  return request;
}

bool SaveToolFile(const QString& title, const char* windowsFolder, const QString& what, const QByteArray& record) {
  const auto chosen = Files().Save(ToolFileRequest(title, windowsFolder, false));
  if (!chosen) return false;
  if (!ConfirmOverwrite(what, *chosen)) return false;
  if (!WriteWholeFile(*chosen, record)) {
    Messages().ShowMessage("ERROR: Cannot Save File!");
    return false;
  }
  return true;
}

std::optional<QByteArray> LoadToolFile(const QString& title, const char* windowsFolder, qint64 maxBytes,
                                       bool& readFailed) {
  readFailed = false;
  const auto chosen = Files().Open(ToolFileRequest(title, windowsFolder, true));
  if (!chosen) return std::nullopt;
  QFile in(*chosen);
  if (!in.open(QIODevice::ReadOnly)) {
    readFailed = true;
    return QByteArray();
  }
  const QByteArray bytes = in.read(maxBytes);
  if (in.error() != QFileDevice::NoError) readFailed = true;
  return bytes;
}

void PrintTool(QWidget* form, const QString& documentName, const std::function<void()>& setPrintLook,
               const std::function<void()>& restoreLook) {
  if (PrintForm(form, documentName, setPrintLook, restoreLook) == PrintResult::Failed)
    Messages().ShowMessage("ERROR: Cannot Print!");
}

}  // namespace tvx
