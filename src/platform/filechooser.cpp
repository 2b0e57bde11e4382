#include "platform/filechooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace tvx {

QString QtFilter(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString label = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    if (!label.contains('(')) label += " (" + patterns + ")";
    out << label;
  }
  return out.join(";;");
}

namespace {

class QtFiles : public FileChooser {
 public:
  std::optional<QString> Open(const FileRequest& r) override {
    QFileDialog dialog(QApplication::activeWindow(), r.title, r.directory, QtFilter(r.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.fileName.isEmpty()) dialog.selectFile(r.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  }

  std::optional<QString> Save(const FileRequest& r) override {
    QFileDialog dialog(QApplication::activeWindow(), r.title, r.directory, QtFilter(r.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!r.toolkitOverwriteQuestion) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.fileName.isEmpty()) dialog.selectFile(r.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  }
};

FileChooser* g_chooser = nullptr;

}  // namespace

FileChooser& Files() {
  static QtFiles real;
  return g_chooser ? *g_chooser : real;
}

void SetFileChooser(FileChooser* chooser) { g_chooser = chooser; }

std::optional<QString> ScriptedFiles::Open(const FileRequest& request) {
  requests.append(request);
  if (answers.isEmpty()) return std::nullopt;
  const QString a = answers.takeFirst();
  if (a.isEmpty()) return std::nullopt;
  return a;
}

std::optional<QString> ScriptedFiles::Save(const FileRequest& request) { return Open(request); }

}  // namespace tvx
