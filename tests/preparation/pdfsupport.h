#pragma once
// Reading back what a test printed into a PDF file.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "support/testsupport.h"

namespace tvx::test {

inline bool HavePdfToText() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

// The text of a PDF file as pdftotext lays it out (empty when it failed).
inline QString PdfText(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-layout", pdf, "-"});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Leaves the PDF and a picture of its first page in the test output for a person to look at.
inline void SavePdfPicture(const QString& pdf, const QString& name) {
  QFile::remove(OutputDir() + "/" + name + ".pdf");
  QFile::copy(pdf, OutputDir() + "/" + name + ".pdf");
  if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) return;
  QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, OutputDir() + "/" + name});
}

}  // namespace tvx::test
