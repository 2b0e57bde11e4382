#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tvx {

namespace {

class QtMessages : public MessageService {
 public:
  void ShowMessage(const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, "Tarvinex", text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
  }

  DlgAnswer Ask(const QString& text, DlgButtons buttons) override {
    QMessageBox::StandardButtons set;
    switch (buttons) {
      case DlgButtons::Ok: set = QMessageBox::Ok; break;
      case DlgButtons::YesNo: set = QMessageBox::Yes | QMessageBox::No; break;
      case DlgButtons::YesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
      case DlgButtons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox box(QMessageBox::Question, "Confirm", text, set, QApplication::activeWindow());
    switch (box.exec()) {
      case QMessageBox::Ok: return DlgAnswer::Ok;
      case QMessageBox::Yes: return DlgAnswer::Yes;
      case QMessageBox::No: return DlgAnswer::No;
      default: return DlgAnswer::Cancel;
    }
  }

  void Beep() override { QApplication::beep(); }
};

MessageService* g_service = nullptr;

}  // namespace

MessageService& Messages() {
  static QtMessages real;
  return g_service ? *g_service : real;
}

void SetMessageService(MessageService* service) { g_service = service; }

void RecordingMessages::ShowMessage(const QString& text) { entries.append({text, false, DlgButtons::Ok}); }

DlgAnswer RecordingMessages::Ask(const QString& text, DlgButtons buttons) {
  entries.append({text, true, buttons});
  if (!answers.isEmpty()) return answers.takeFirst();
  return buttons == DlgButtons::Ok || buttons == DlgButtons::OkCancel ? DlgAnswer::Ok : DlgAnswer::Yes;
}

QStringList RecordingMessages::Texts() const {
  QStringList out;
  for (const auto& e : entries) out << e.text;
  return out;
}

}  // namespace tvx
