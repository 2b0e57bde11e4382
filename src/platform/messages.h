#pragma once
// Message boxes of the program. Every box goes through MessageService, so that
// tests can replace it with a recorder that answers from a script and never
// blocks on a modal window.
#include <QList>
#include <QString>
#include <QStringList>

namespace tvx {

enum class DlgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class DlgAnswer { Ok, Cancel, Yes, No };

class MessageService {
 public:
  virtual ~MessageService() = default;
  // A plain box captioned "Tarvinex" with no icon and an OK button.
  virtual void ShowMessage(const QString& text) = 0;
  // A question captioned "Confirm" with a question icon.
  virtual DlgAnswer Ask(const QString& text, DlgButtons buttons) = 0;
  // The system's short warning sound.
  virtual void Beep() = 0;
};

// The service in use; the real one over QMessageBox unless a test installed another.
MessageService& Messages();
// Installs `service` (not owned); nullptr brings the real one back.
void SetMessageService(MessageService* service);

// Records what was shown and answers questions from a queue (Yes, OK when empty).
class RecordingMessages : public MessageService {
 public:
  struct Entry {
    QString text;
    bool question = false;
    DlgButtons buttons = DlgButtons::Ok;
  };
  void ShowMessage(const QString& text) override;
  DlgAnswer Ask(const QString& text, DlgButtons buttons) override;
  void Beep() override { ++beeps; }

  QStringList Texts() const;
  void Clear() { entries.clear(); beeps = 0; }

  QList<Entry> entries;
  QList<DlgAnswer> answers;
  int beeps = 0;
};

// Installs a recorder for the lifetime of a scope.
class ScopedRecordingMessages : public RecordingMessages {
 public:
  ScopedRecordingMessages() { SetMessageService(this); }
  ~ScopedRecordingMessages() override { SetMessageService(nullptr); }
};

}  // namespace tvx
