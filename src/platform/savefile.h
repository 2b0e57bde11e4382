#pragma once
// Writing a whole file at once, and the program's own question before a file
// is replaced.
#include <QByteArray>
#include <QString>

namespace tvx {

// Writes `bytes` as the whole file through a QSaveFile, so that a failed
// write leaves an existing file as it was. False on any failure.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// True when no file is at `path`, or the user answered Yes to
// `what` + " "name" already exists. Overwrite? " (name without folder and extension).
bool ConfirmOverwrite(const QString& what, const QString& path);

}  // namespace tvx
