#include "shell/helpform.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <cmath>

#include "platform/anchor.h"
#include "platform/windowintent.h"
#include "simulator/form1.h"

namespace tvx {

THelpform* Helpform = nullptr;

QStringList KeyboardHelpLines() {
  return {
      "FLIGHT:                 ",
      "turn left/right:        LEFT       RIGHT     arrow",
      "nose down/up:           UP         DOWN      arrow",
      "RPM/N1 incr/decr:       *          -        ",
      "N1 fast incr/decr:      /          +        ",
      "pause:                  P",
      "turbulence:             T",
      "Variable wind:          M",
      "",
      "VOR COURSE:",
      "VOR 1 & HSI: -10°/+10°: U          I",
      "             -1° /+1°:  [Shift+U]  [Shift+I]",
      "VOR 2:       -10°/+10°: J          K",
      "             -1° /+1°:  [Shift+J]  [Shift+K]",
      "HSI on/off:             Y",
      "ADF/ADF-RMI/VOR-RMI:    R",
      "",
      "MAP:",
      "show/hide:              Z                   (or W)",
      "full screen:            D",
      "zoom:                   X",
      "vertical map:           A                   (or Q)",
      "zoom (vertical map):    S",
      "",
      "HOLDING:",
      "change: -10°/+10°:      G          H",
      "        -1°/+1°:        [Shift+G]  [Shift+H]",
      "turn direction:                    [Ctrl+H]",
      "",
      "EXERCISEPANEL:",
      "adjust size             E",
  };
}

namespace {

QFont FixedPitchFont() {
  for (const char* family : {"DejaVu Sans Mono", "Liberation Mono", "Courier New"}) {
    const QFont candidate(family);
    if (QFontInfo(candidate).fixedPitch()) return candidate;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

THelpform::THelpform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  Helpform = this;
  ui.setupUi(this);
  // The columns line up only in a font whose every glyph, the degree sign
  // too, has the same width.
  QFont fixed = FixedPitchFont();
  fixed.setPointSize(10);
  ui.Memo1->setFont(fixed);
  const QStringList lines = KeyboardHelpLines();
  ui.Memo1->setPlainText(lines.join('\n'));
  // Room for every line as the memo lays it out, so that no key hides
  // behind a scroll bar.
  QTextDocument* text = ui.Memo1->document();
  QAbstractTextDocumentLayout* layout = text->documentLayout();
  qreal width = 0, height = 0;
  for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
    height += layout->blockBoundingRect(block).height();
    for (int i = 0; i < block.layout()->lineCount(); ++i)
      width = std::max(width, block.layout()->lineAt(i).naturalTextWidth());
  }
  const int margins = 2 * (ui.Memo1->frameWidth() + static_cast<int>(text->documentMargin())) + 6;
  ui.Memo1->setMinimumSize(static_cast<int>(std::ceil(width)) + margins, static_cast<int>(std::ceil(height)) + margins);
  ui.Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ui.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(ui.Close, &QPushButton::clicked, this, &THelpform::CloseClick);
  adjustSize();
  setFixedSize(size());
  CentreOnScreen(this);
  // The simulator's help entries bring it up.
  TForm1::ShowKeyboardHelp = [] {
    if (Helpform) Helpform->ShowHelp();
  };
}

THelpform::~THelpform() {
  if (Helpform != this) return;
  Helpform = nullptr;
  TForm1::ShowKeyboardHelp = nullptr;
}

void THelpform::ShowHelp() {
  ui.Memo1->verticalScrollBar()->setValue(0);
  CentreOnScreen(this);
  ShowNormalAsked(this);
  raise();
  ActivateWhenInView(this);
  ui.Close->setFocus();
}

void THelpform::CloseClick() {
  if (Form1) Form1->setEnabled(true);
  hide();
}

void THelpform::reject() { CloseClick(); }

void THelpform::closeEvent(QCloseEvent* event) {
  CloseClick();
  event->accept();
}

}  // namespace tvx
