// Printing a form: what the vector painter draws, the page and the print command.
#include <QtTest>

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

#include "platform/messages.h"
#include "platform/printing.h"
#include "preparation/pdfsupport.h"
#include "preparation/toolfiles.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

void Fill(QWidget* w, QPalette::ColorRole role, QColor color) {
  QPalette pal = w->palette();
  pal.setColor(role, color);
  w->setPalette(pal);
  if (role == QPalette::Window) w->setAutoFillBackground(true);
}

// A small form: a blue panel holding a label and a yellow edit, a hidden red
// panel, and a 2 x 2 table whose first cell is grey.
struct SampleForm {
  QWidget form;
  QFrame* panel;
  QLabel* label;
  QLineEdit* edit;
  QFrame* hidden;
  QTableWidget* table;

  SampleForm() {
    form.resize(400, 300);
    Fill(&form, QPalette::Window, Qt::white);
    panel = new QFrame(&form);
    panel->setGeometry(10, 10, 200, 100);
    Fill(panel, QPalette::Window, QColor(0, 0, 200));
    label = new QLabel("Label text", panel);
    label->setGeometry(5, 5, 150, 20);
    edit = new QLineEdit("Edit 123", panel);
    edit->setGeometry(5, 40, 150, 24);
    Fill(edit, QPalette::Base, QColor(255, 255, 0));
    hidden = new QFrame(&form);
    hidden->setGeometry(250, 10, 100, 100);
    Fill(hidden, QPalette::Window, QColor(255, 0, 0));
    hidden->hide();
    table = new QTableWidget(2, 2, &form);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setGeometry(10, 150, 204, 64);
    for (int r = 0; r < 2; ++r) {
      table->setRowHeight(r, 30);
      for (int c = 0; c < 2; ++c) {
        table->setColumnWidth(c, 100);
        table->setItem(r, c, new QTableWidgetItem(QString("R%1C%2").arg(r).arg(c)));
      }
    }
    table->item(0, 0)->setBackground(QColor(200, 200, 200));
  }
};

QImage Painted(QWidget* form) {
  QImage image(form->size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  PaintForm(p, form, form->rect());
  p.end();
  return image;
}

// Records what the print command does, in order, and prints into a PDF.
class OrderPrinting : public PdfPrinting {
 public:
  using PdfPrinting::PdfPrinting;
  std::unique_ptr<QPrinter> ChoosePrinter(const QString& name) override {
    steps << "dialog";
    return PdfPrinting::ChoosePrinter(name);
  }
  QStringList steps;
};

}  // namespace

class tst_Printing : public QObject {
  Q_OBJECT
  QTemporaryDir dir;

 private slots:
  void paintsShownControlsWithTheirColours() {
    SampleForm s;
    const QImage image = Painted(&s.form);
    test::SavePng(image, "printing_sample");
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));           // form background
    QCOMPARE(image.pixelColor(180, 90), QColor(0, 0, 200));        // panel
    QCOMPARE(image.pixelColor(15 + 140, 50 + 10), QColor(255, 255, 0));  // edit's base, right of its text
    QCOMPARE(image.pixelColor(300, 60), QColor(Qt::white));        // the hidden panel is not drawn
    QCOMPARE(image.pixelColor(16 + 90, 157 + 20), QColor(200, 200, 200));  // grey table cell
    // The edit's text is drawn dark on its base.
    bool ink = false;
    for (int x = 15; x < 80; ++x)
      for (int y = 52; y < 72; ++y) ink |= image.pixelColor(x, y).value() < 100;
    QVERIFY(ink);
  }

  void gridLinesTakeTheTablesWidth() {
    SampleForm s;
    const QPoint cells = s.table->mapTo(&s.form, s.table->contentsRect().topLeft());
    const int boundary = cells.x() + 100;  // between the two columns
    auto darkColumns = [&](const QImage& image) {
      int dark = 0;
      for (int x = boundary - 4; x <= boundary + 4; ++x)
        if (image.pixelColor(x, cells.y() + 33).value() < 200) ++dark;  // above the text
      return dark;
    };
    const int thin = darkColumns(Painted(&s.form));
    s.table->setProperty("gridLineWidth", 3);
    const int thick = darkColumns(Painted(&s.form));
    QCOMPARE(thin, 1);
    QCOMPARE(thick, 3);
  }

  void usedAreaKeepsTheMarginsOfTheControls() {
    SampleForm s;
    QCOMPARE(UsedFormArea(&s.form), QRect(0, 0, 224, 224));  // table ends at 213 / 213, margin 10
    s.hidden->show();
    QCOMPARE(UsedFormArea(&s.form), QRect(0, 0, 360, 224));
  }

  void pageCarriesTheTextsAsText() {
    SampleForm s;
    const QString pdf = dir.filePath("sample.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(PrintFormImage(printer, &s.form));
    test::SavePdfPicture(pdf, "printing_sample_page");
    if (!test::HavePdfToText()) QSKIP("pdftotext is not installed");
    const QString text = test::PdfText(pdf);
    for (const char* value : {"Label text", "Edit 123", "R0C0", "R1C1"})
      QVERIFY2(text.contains(value), qPrintable(text));
  }

  void printCommandOrderAndCancel() {
    SampleForm s;
    const QString pdf = dir.filePath("order.pdf");
    OrderPrinting printing(pdf);
    auto look = [&] { printing.steps << "look"; };
    auto restore = [&] { printing.steps << "restore"; };
    QCOMPARE(PrintForm(&s.form, "Sample", look, restore), PrintResult::Printed);
    QCOMPARE(printing.steps, (QStringList{"dialog", "look", "restore"}));
    QCOMPARE(printing.documents, QStringList{"Sample"});
    QVERIFY(QFileInfo(pdf).size() > 0);

    printing.steps.clear();
    printing.cancel = true;
    QCOMPARE(PrintForm(&s.form, "Sample", look, restore), PrintResult::Cancelled);
    QCOMPARE(printing.steps, QStringList{"dialog"});
  }

  void unusablePrinterIsReported() {
    SampleForm s;
    PdfPrinting printing(dir.filePath("no/such/folder/out.pdf"));
    ScopedRecordingMessages messages;
    int restored = 0;
    PrintTool(&s.form, "Sample", {}, [&] { ++restored; });
    QCOMPARE(messages.Texts(), QStringList{"ERROR: Cannot Print!"});
    QCOMPARE(restored, 1);  // the look is put back all the same
  }
};

QTEST_MAIN(tst_Printing)
#include "tst_printing.moc"
