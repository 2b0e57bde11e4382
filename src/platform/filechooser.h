#pragma once
// Open and save dialogs. Tests replace the chooser with a script.
#include <QList>
#include <QString>
#include <optional>

namespace tvx {

struct FileRequest {
  QString title;
  QString directory;      // initial folder (a real path)
  QString fileName;       // preset file name
  QString filter;         // "Area (*.dat)|*.dat" style, as the program's forms give it
  QString defaultSuffix;  // "dat"
  bool mustExist = false; // open dialogs: the file must exist
  bool toolkitOverwriteQuestion = false;  // save dialogs: let the toolkit ask
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> Open(const FileRequest& request) = 0;
  virtual std::optional<QString> Save(const FileRequest& request) = 0;
};

FileChooser& Files();
void SetFileChooser(FileChooser* chooser);

// Turns a "Text (*.a)|*.a|All (*.*)|*.*" filter into Qt's ";;" form.
QString QtFilter(const QString& pipeFilter);

// Answers from a queue of paths; an empty string (or an empty queue) cancels.
class ScriptedFiles : public FileChooser {
 public:
  ScriptedFiles() { SetFileChooser(this); }
  ~ScriptedFiles() override { SetFileChooser(nullptr); }
  std::optional<QString> Open(const FileRequest& request) override;
  std::optional<QString> Save(const FileRequest& request) override;

  QList<QString> answers;
  QList<FileRequest> requests;
};

}  // namespace tvx
