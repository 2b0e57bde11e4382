#pragma once
// The holding window: the fix, the turn direction, the inbound course or the
// radial and the speed of the holding the map draws and the holding
// exercises fly. It keeps the simulator window disabled while it is in front.
#include <QWidget>

#include "ui_mapform.h"

namespace tvx {

class TMapform : public QWidget {
  Q_OBJECT
 public:
  explicit TMapform(QWidget* parent = nullptr);
  ~TMapform() override;

  Ui::TMapform ui;

  void FormCreate();
  // Shows the drawing choice in force, enables the inputs to match it and
  // remembers what Cancel brings back.
  void FormShow();
  // Reads and checks the inputs into the holding definition; sets
  // `HoldingWindow.HoldingInputError`.
  void leesholdingdata();
  void OKClick();
  void CancelClick();
  void MapkeuzeClick();
  void CoursekeuzeClick();
  void enableholdingbox();
  void enablecoursekeuze();
  // A beacon picked from the list `holdingBeaconbox`.
  void holdingBeaconboxChange(const QString& picked);

  // The drawing choice: the radio group and what the map reads.
  int Mapkeuze() const;
  void SetMapkeuze(int index);
  // Which direction input is read: `kInboundCourseChoice` or `kRadialChoice`.
  int Coursekeuze() const;
  void SetCoursekeuze(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing by the window manager is a Cancel, so the simulator never stays
  // disabled behind a window that is gone.
  void closeEvent(QCloseEvent* event) override;
};

extern TMapform* Mapform;

}  // namespace tvx
