#pragma once
// The navigation database window: searches an airport or a VOR/NDB, scans
// the beacons around the picked one and builds the area from them. The
// database files are read once, when the window is created.
#include <QWidget>

#include "areas/navdatabase.h"
#include "ui_dbaseform.h"

class QButtonGroup;

namespace tvx {

class Tdbaseform : public QWidget {
  Q_OBJECT
 public:
  explicit Tdbaseform(QWidget* parent = nullptr);
  ~Tdbaseform() override;

  Ui::Tdbaseform ui;

  // The three tables, as read at creation.
  NavDatabase Database;
  // The last search: its choice, prepared text and hits, and the hit shown.
  SearchChoice Choice = SearchChoice::AirportIcao;
  SearchResult Search;
  int CurrentHit = 0;
  // The last scan; an area is built only from a scan that allowed it.
  ScanResult Scanned;
  bool ScanBuildable = false;

  void FormCreate();
  void searchClick();
  void navsearchKeyUp(int key);
  void navsearchChange();
  void searchnextClick();
  void searchprevClick();
  void scangroupClick();
  void doescan();
  void saveareaClick();
  void ClosedbaseClick();
  void schrijfmemoarpt(int hit);
  void schrijfmemonav(int hit);

  // The range groups' selections (-1 = none).
  int NavRangeIndex() const;
  int IlsRangeIndex() const;
  void SetNavRangeIndex(int index);
  void SetIlsRangeIndex(int index);
  SearchChoice SelectedChoice() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QButtonGroup* SearchGroup = nullptr;
  QButtonGroup* NavRangeGroup = nullptr;
  QButtonGroup* IlsRangeGroup = nullptr;
  void SetSaveEnabled(bool enabled);
  void ShowCurrentRecord();
};

extern Tdbaseform* dbaseform;

}  // namespace tvx
