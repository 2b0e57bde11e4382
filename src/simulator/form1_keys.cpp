// The simulator's keys: the window sees every key before its controls, sets
// the held flying commands and steps courses, map, holding and options.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "areas/instroptions.h"
#include "platform/textutil.h"
#include "simulator/form1.h"
#include "simulator/keys.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

// An application-wide filter: a key event goes to the control with the focus
// first, so only a filter in front of every control lets the window see keys
// typed into an edit. A key a control leaves unused travels on to its
// parents; the filter meets it again there and lets it pass.
class KeyPreview : public QObject {
 public:
  explicit KeyPreview(TForm1* form) : QObject(form), form_(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    // While the window is being taken down it handles nothing.
    if (Form1 != form_) return false;
    switch (event->type()) {
      case QEvent::ShortcutOverride:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        KeyEvent(watched, static_cast<QKeyEvent*>(event));
        break;
      case QEvent::WindowDeactivate:
      case QEvent::Hide:
        // The key-ups will go to another window: nothing may stay held.
        if (watched == form_) form_->ReleaseHeldCommands();
        break;
      case QEvent::EnabledChange:
        if (watched != form_) break;
        if (!form_->isEnabled()) {
          form_->ReleaseHeldCommands();
        } else {
          // A tool window in front (area, holding, instrument options, help)
          // disabled the window, which cleared the focus of its controls.
          // Coming back, the window would give the focus to its first edit,
          // where the next letter key would be typed; the focus sink takes
          // it instead, so the keys fly again.
          form_->ui.ChronoOutput->setFocus();
        }
        break;
      case QEvent::FocusIn:
        if (watched == form_->ui.beaconinput) form_->beaconinputEnter();
        break;
      case QEvent::FocusOut:
        if (watched == form_->ui.beaconinput) form_->beaconinputExit();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void KeyEvent(QObject* watched, QKeyEvent* key) {
    if (Propagated(watched, key)) {
      last_.receiver = watched;
      return;
    }
    last_ = {key, key->type(), key->key(), key->modifiers(), watched};
    if (key->type() == QEvent::ShortcutOverride || !InWindow(watched)) return;
    if (key->type() == QEvent::KeyPress) {
      form_->FormKeyDown(key->key(), key->modifiers());
    } else if (!key->isAutoRepeat()) {
      // A held key repeats as press-release pairs; only the real release counts.
      form_->FormKeyUp(key->key(), key->modifiers());
    }
  }

  // The same event handed on from a control to one of its parents.
  bool Propagated(QObject* watched, const QKeyEvent* key) const {
    if (key != last_.event || key->type() != last_.type || key->key() != last_.key ||
        key->modifiers() != last_.modifiers || !last_.receiver)
      return false;
    const auto* parent = qobject_cast<const QWidget*>(watched);
    const auto* child = qobject_cast<const QWidget*>(last_.receiver.data());
    return parent && child && parent != child && parent->isAncestorOf(child);
  }

  bool InWindow(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget->window() == form_;
  }

  struct Seen {
    const QEvent* event = nullptr;
    QEvent::Type type = QEvent::None;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QPointer<QObject> receiver;
  };

  TForm1* form_;
  Seen last_;
};

bool IsArrow(ShortcutKey k) {
  return k == ShortcutKey::Left || k == ShortcutKey::Right || k == ShortcutKey::Up || k == ShortcutKey::Down;
}

// The index of the ticked item of an exclusive menu, -1 when none is.
int TickedItem(std::initializer_list<QAction*> items) {
  int i = 0;
  for (const QAction* item : items) {
    if (item->isChecked()) return i;
    ++i;
  }
  return -1;
}

}  // namespace

void TForm1::InstallKeyPreview() { qApp->installEventFilter(new KeyPreview(this)); }

void TForm1::beaconinputEnter() { Sim.BeaconTyping = true; }

void TForm1::beaconinputExit() { Sim.BeaconTyping = false; }

void TForm1::ReleaseHeldCommands() { ReleaseAllHeldCommands(Sim); }

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  // Ctrl+A selects the text of a box, it does not open the profile.
  if (DesktopShortcut(key, modifiers)) return;
  SimState& s = Sim;
  const ShortcutKey shortcut = PressedShortcut(key, modifiers);

  if (Timer->isActive()) {
    if (IsArrow(shortcut)) ui.ChronoOutput->setFocus();
    switch (FlyingKeyDown(s, key, shortcut)) {
      case FlyingKeyResult::SelectedHeading:
        ui.HDGlabel->setText(HeadingLabelText(s.SelectedHeadingWhole));
        break;
      case FlyingKeyResult::SelectedVerticalSpeed:
        ui.VSlabel->setText(QString::number(RoundPixel(s.SelectedVerticalSpeed)));
        break;
      default:
        break;
    }
  }

  // The other keys act stopped or flying, but not while a beacon name is typed.
  if (s.BeaconTyping) return;
  const bool fine = FineStep(modifiers);
  const bool answerHidden = ui.Staticinput->isHidden();
  switch (key) {
    case Qt::Key_I:
    case Qt::Key_U:
      s.Obs1Course = StepCourse(s.Obs1Course, (fine ? 1 : 10) * (key == Qt::Key_I ? 1 : -1));
      ui.Chart3->Repaint();
      break;
    case Qt::Key_K:
    case Qt::Key_J:
      s.Obs2Course = StepCourse(s.Obs2Course, (fine ? 1 : 10) * (key == Qt::Key_K ? 1 : -1));
      ui.Chart3->Repaint();
      break;
    case Qt::Key_W:
    case Qt::Key_Z:
      mapschakelaar();
      break;
    case Qt::Key_D:
      if (answerHidden) fullmapschakelaar();
      break;
    case Qt::Key_Q:
    case Qt::Key_A:
      vertmapschakelaar();
      break;
    case Qt::Key_E:
      if (!ui.Staticpanel->isHidden()) {
        ExercisePanelFolded = !ExercisePanelFolded;
        ApplyPanelLayout();
      }
      break;
    case Qt::Key_X:
      s.MapPixelsPerNm = NextMapScale(s.MapPixelsPerNm);
      ui.MAPChart->Repaint();
      break;
    case Qt::Key_S:
      s.VerticalMapScale = NextVerticalMapScale(s.VerticalMapScale);
      ui.vertmap->Repaint();
      break;
    case Qt::Key_T:
      if (answerHidden) {
        switch (NextMenuItem(TickedItem({ui.Noturb, ui.Lightturb, ui.Moderateturb, ui.Severeturb}), 4)) {
          case 0: NoturbClick(); break;
          case 1: LightturbClick(); break;
          case 2: ModerateturbClick(); break;
          default: SevereturbClick(); break;
        }
      }
      break;
    case Qt::Key_M:
      if (answerHidden) {
        const std::initializer_list<QAction*> items{ui.Nowind, ui.smallwind, ui.mediumwind, ui.largewind};
        NowindClick(items.begin()[NextMenuItem(TickedItem(items), 4)]);
      }
      break;
    case Qt::Key_Y:
      if (s.AircraftType == "SEP" && (answerHidden || (modifiers & Qt::ControlModifier))) {
        InstrSettings.HSIBool = !InstrSettings.HSIBool;
        TkHDG();
      }
      break;
    case Qt::Key_R:
      if (s.AircraftType == "SEP") {
        InstrSettings.ADFRMI = NextMenuItem(InstrSettings.ADFRMI, 3);
        ui.Chart3->Repaint();
      }
      break;
    case Qt::Key_G:
    case Qt::Key_H:
      HoldingKey(s, key == Qt::Key_H, modifiers);
      if (ui.Autopos->currentText() == "ON-LEFT" || ui.Autopos->currentText() == "ON-RIGHT") {
        s.Obs2Course = HoldingInboundObs(s.HoldingRadial);
        ui.Chart3->Repaint();
      }
      ui.MAPChart->Repaint();
      break;
    case Qt::Key_P:
      doepauze();
      break;
    default:
      break;
  }
}

void TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
  FlyingKeyUp(Sim, key, ReleasedShortcut(key, modifiers));
}

}  // namespace tvx
