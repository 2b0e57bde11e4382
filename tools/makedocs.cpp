// Typesets the documents the simulator's Manuals/Help menu opens, from their
// Markdown texts in docs/, into PDF files shipped in data/
// (run: makedocs docs data).
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {

bool Typeset(const QString& markdownPath, const QString& pdfPath, const QString& title) {
  QFile source(markdownPath);
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(markdownPath));
    return false;
  }
  QTextDocument doc;
  QFont font("DejaVu Sans");
  font.setPointSizeF(9);
  doc.setDefaultFont(font);
  doc.setDefaultStyleSheet("table { border-collapse: collapse; } td, th { padding: 3px; }");
  doc.setMarkdown(QString::fromUtf8(source.readAll()));
  doc.setMetaInformation(QTextDocument::DocumentTitle, title);

  QPdfWriter pdf(pdfPath);
  pdf.setTitle(title);
  pdf.setCreator("Tarvinex Sim");
  pdf.setResolution(300);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(16, 12, 16, 12),
                                QPageLayout::Millimeter));
  doc.print(&pdf);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QString docs = argc > 1 ? argv[1] : "docs";
  const QString data = argc > 2 ? argv[2] : "data";
  bool ok = Typeset(docs + "/Summary.md", data + "/Summary.pdf", "Tarvinex Sim - Summary");
  ok = Typeset(docs + "/Manual.md", data + "/Tarvinex Sim Manual.pdf", "Tarvinex Sim - Manual") && ok;
  return ok ? 0 : 1;
}
