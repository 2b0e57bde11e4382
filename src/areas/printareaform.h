#pragma once
// The print form of the area list: a white page-like window holding the list
// as fixed-pitch text, printed as an image of the form.
#include <QWidget>

#include "ui_printareaform.h"

namespace tvx {

class TPrintareaform : public QWidget {
  Q_OBJECT
 public:
  explicit TPrintareaform(QWidget* parent = nullptr);
  ~TPrintareaform() override;

  Ui::TPrintareaform ui;

  // Widens and lengthens the form and its memo, when needed, so that every
  // line of the memo is on the printed image; RestoreSize undoes it.
  void FitMemoToText();
  void RestoreSize();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QSize shownSize_;
  bool fitted_ = false;
};

extern TPrintareaform* Printareaform;

}  // namespace tvx
