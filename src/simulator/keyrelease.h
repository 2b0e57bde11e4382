#pragma once
// Hands the key releases of the controls it is installed on to a handler of
// the simulator window, which needs them after the control has taken the key
// (the text is already changed). A held key's repeats are not releases.
#include <QKeyEvent>
#include <QObject>
#include <functional>

namespace tvx {

class KeyReleaseFilter : public QObject {
 public:
  using Handler = std::function<void(int key, Qt::KeyboardModifiers modifiers)>;
  KeyReleaseFilter(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyRelease) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!key->isAutoRepeat()) handler_(key->key(), key->modifiers());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  Handler handler_;
};

}  // namespace tvx
