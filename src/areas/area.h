#pragma once
// The area window: shows the current area and loads and saves area files.
#include <QWidget>

#include "ui_area.h"

namespace tvx {

class TArea : public QWidget {
  Q_OBJECT
 public:
  explicit TArea(QWidget* parent = nullptr);
  ~TArea() override;

  Ui::TArea ui;

  void FormCreate();
  void Tabparameters();
  void schrijfareamemo();
  // Asks for a file name and writes the area file; true when it was written.
  bool Areasaven();
  void SaveAreaClick();
  void LoadareaClick();
  // Reads the file named by AreaFileName; the current area stays as it was
  // when the file cannot be read whole.
  void laadarea();
};

extern TArea* Area;

}  // namespace tvx
