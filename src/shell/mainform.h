#pragma once
// The main menu: the first window the user sees, maximised and in front of
// the program's other windows. It opens the simulator for free flight, the exercises over the
// simulator and the three flight-preparation tools, and links to the
// manuals and the program's pages. Whatever it opens comes back to it
// through its own exit.
#include <QHash>
#include <QString>
#include <QTimer>

#include "platform/windowkeeper.h"
#include "preparation/toolwindow.h"
#include "ui_main.h"

namespace tvx {

class TMain : public ToolWindow {
  Q_OBJECT
 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  Ui::TMain ui;
  QTimer* Maintimer = nullptr;  // the banner's step, once a second

  // The hover word of the control whose text the memo shows ("" at start).
  QString HoverKey;

  // Where the menu's pictures lie: a folder of the program's data.
  static QString PictureFolder();
  // The pictures loaded from PictureFolder(): background, the two large
  // buttons and the pilots' group link. A picture that is missing or broken
  // leaves its place plain.
  void LoadPictures();

  void FormCreate();
  // At every paint of the menu: the simulator, the exercises and the tools
  // put away (PutAwayWindow).
  void FormPaint();
  // Brings the menu up: maximised, in front and active.
  void ShowMenu();

  void SIMULATORClick();
  void ExercisesClick();
  void NavlogClick();
  void MassBalClick();
  void ConversionClick();
  void EXITClick();
  void MaintimerTimer();
  void EmailbitClick();
  void FbimageClick();
  void IFRManual1Click();
  void SummaryClick();
  void Button1Click();
  // The mouse moved over the control of hover word `word`.
  void HoverOver(const QString& word);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A tool brought up maximised; the menu, the simulator and the
  // other tools put away.
  void ShowTool(QWidget* tool, std::initializer_list<QWidget*> others);
  QHash<const QObject*, QString> hoverWords_;
};

// The main menu, created once at program start.
extern TMain* Main;

}  // namespace tvx
