#pragma once
// The area window: shows the lists of the current area on three tabs, adds,
// deletes and edits beacons, makes a new area, loads, saves and prints areas,
// and hands the area to the simulator when it closes.
#include <QWidget>
#include <memory>

#include "areas/areaedit.h"
#include "shell/documents.h"
#include "ui_area.h"

namespace tvx {

class TPrintareaform;

class TArea : public QWidget {
  Q_OBJECT
 public:
  explicit TArea(QWidget* parent = nullptr);
  ~TArea() override;

  Ui::TArea ui;

  void FormCreate();
  // Texts, hints and frequency limits of the current tab.
  void Tabparameters();
  void AreapageChange();
  // The current tab's list into EditList and its 15 lines into the tab's memo.
  void schrijfareamemo();

  // --- Editing ---
  void ADDClick();
  // Delete (`removebit`, `remove`) or edit (`Editbit`, `Editbutton`) the
  // beacon whose number is typed in `removeinput`.
  void removeClick(QObject* sender);

  // --- Files ---
  // Asks for a file name and writes the area file; true when it was written.
  bool Areasaven();
  void SaveAreaClick();
  // Before something replaces a modified area, or the program ends: asks
  // whether to save it. False when the caller must stop (Cancel, or a save
  // that did not happen).
  bool SaveChangesFirst();
  void LoadareaClick();
  // Reads the file named by AreaFileName; the current area stays as it was
  // when the file cannot be read whole or is not an area (ReadAreaFile).
  void laadarea();

  // --- New, close, print, share ---
  void NewareaClick();
  void doeNewareaClick();
  void CloseAreaClick();
  void PrintClick();
  // The caption and the three lists, used slots only, into the print form.
  void schrijfprintareamemo();
  void opendbaseClick();
  void FbimageClick();
  void EmailbitClick();

  // The print form that PrintClick fills: the program's own, or one of this
  // window's when the program made none.
  TPrintareaform* PrintAreaForm();

  // The simulator window after a change of the lists: retuned and redrawn
  // (its compass rose alone after an add), with this window kept in front.
  void RefreshSimulator(bool afterAdd);

 protected:
  // The window manager's close does what the Close button does.
  void closeEvent(QCloseEvent* event) override;

 private:
  int Tab() const { return ui.Areapage->currentIndex(); }
  AreaInputs Inputs() const;
  void ShowInputs(const AreaInputs& in, bool ils);
  QWidget* InputWidget(AreaInput input) const;

  std::unique_ptr<TPrintareaform> ownPrintForm_;
};

extern TArea* Area;

// Where area files live, as the program names the folder. The page the share
// actions open is kCommunityPage (shell/documents.h).
extern const char* const kAreaFolder;

}  // namespace tvx
