#pragma once
// The file and print commands the flight-preparation tools share.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "platform/filechooser.h"

class QWidget;

namespace tvx {

// The open and save dialogs' request for the tools' data files ("*.dat") in
// `windowsFolder`, one of the program's fixed folders.
FileRequest ToolFileRequest(const QString& title, const char* windowsFolder, bool forOpening);

// Asks for a file name; when the file exists asks `what` + " "name" already
// exists. Overwrite? " and writes only on Yes; writes `record` as the whole
// file, or shows "ERROR: Cannot Save File!". True when the file was written.
bool SaveToolFile(const QString& title, const char* windowsFolder, const QString& what, const QByteArray& record);

// Asks for an existing file and reads at most `maxBytes` of it. Nothing when
// the dialog was cancelled; `readFailed` is set when the file cannot be read.
std::optional<QByteArray> LoadToolFile(const QString& title, const char* windowsFolder, qint64 maxBytes,
                                       bool& readFailed);

// Prints `form` with its print look, or shows "ERROR: Cannot Print!" when the
// chosen printer could not be used.
void PrintTool(QWidget* form, const QString& documentName, const std::function<void()>& setPrintLook,
               const std::function<void()>& restoreLook);

}  // namespace tvx
