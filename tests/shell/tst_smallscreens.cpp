// Every window the user meets keeps every shown control within reach on the
// small screens people use: each control lies in the client area, or in a
// scroll area whose range reaches it, and no window insists on more room
// than the client area it gets.
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "shell/programfixture.h"
#include "simulator/panellayout.h"

using namespace tvx;

namespace {

// Client areas of the small screens: 1366x768 and 1280x720 with a desktop's
// top bar and a title bar, maximised and un-maximised within a frame, and a
// sweep over everything between.
QList<QSize> SmallClientAreas() {
  QList<QSize> sizes{{1366, 736}, {1366, 717}, {1366, 711}, {1350, 688}, {1280, 688},
                     {1280, 669}, {1280, 663}, {1264, 640}, {1280, 650}};
  for (int width = 1240; width <= 1366; width += 21)
    for (int height = 620; height <= 736; height += 29) sizes << QSize(width, height);
  return sizes;
}

QString Rect(const QRect& r) {
  return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString Size(const QSize& s) { return QString("%1x%2").arg(s.width()).arg(s.height()); }

// The nearest scroll area (not a list, table or memo of the design) holding `w`.
QScrollArea* ScrollHolding(QWidget* w, QWidget* window) {
  for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (auto* scroll = qobject_cast<QScrollArea*>(p)) return scroll;
  return nullptr;
}

// Whether `w` is a part of a list, table, memo or scroll area rather than a
// control of the window's design.
bool InsideAView(QWidget* w, QWidget* window) {
  for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<QAbstractScrollArea*>(p) && !qobject_cast<QScrollArea*>(p)) return true;
  return false;
}

// What the user cannot reach in `window` with its client area `client`.
QStringList Unreachable(QWidget* window, const QSize& client) {
  QStringList faults;
  const QString where = Size(client) + " " + window->metaObject()->className() + ": ";
  if (window->width() > client.width() || window->height() > client.height())
    faults << where + "is " + Size(window->size()) + ", minimum " + Size(window->minimumSize()) +
                  ", minimum hint " + Size(window->minimumSizeHint());
  for (QScrollArea* scroll : window->findChildren<QScrollArea*>()) {
    QWidget* content = scroll->widget();
    if (!content || !scroll->isVisibleTo(window)) continue;
    const QSize view = scroll->viewport()->size();
    const QScrollBar* h = scroll->horizontalScrollBar();
    const QScrollBar* v = scroll->verticalScrollBar();
    const bool hReaches = h->maximum() >= content->width() - view.width() &&
                          (h->maximum() == 0 || h->isVisibleTo(window));
    const bool vReaches = v->maximum() >= content->height() - view.height() &&
                          (v->maximum() == 0 || v->isVisibleTo(window));
    if (client.width() >= 1920 && (h->isVisibleTo(window) || v->isVisibleTo(window)))
      faults << where + "scroll area " + scroll->objectName() + " shows a scroll bar with room for everything";
    if (!hReaches || !vReaches)
      faults << where + "scroll area " + scroll->objectName() + " shows " + Size(view) + " of " +
                    Size(content->size()) + " and scrolls " + QString::number(h->maximum()) + "x" +
                    QString::number(v->maximum());
  }
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") || w->isWindow()) continue;
    if (!w->isVisibleTo(window) || InsideAView(w, window)) continue;
    QScrollArea* scroll = ScrollHolding(w, window);
    QWidget* room = scroll && scroll->widget() ? scroll->widget() : window;
    const QRect placed(w->mapTo(room, QPoint(0, 0)), w->size());
    if (!room->rect().contains(placed))
      faults << where + w->objectName() + " at " + Rect(placed) + " outside " +
                    (room == window ? "the client area " : "the scrolled area ") + Size(room->size());
  }
  return faults;
}

// Brings `window` up alone, un-maximised, at `client` (or as near as it lets).
void ShowAt(QWidget* window, const QSize& client) {
  window->setWindowState(Qt::WindowNoState);
  window->show();
  window->resize(client);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

}  // namespace

class tst_SmallScreens : public QObject {
  Q_OBJECT
  test::ProgramRun run;

  // Every top-level window the program has made, as the program itself
  // lists them: a window added is met here too. Qt's own pop-ups (menus,
  // drop-down lists, tool tips) are parts of their windows, not windows the
  // user arranges.
  static QList<QWidget*> Windows() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      const Qt::WindowType type = w->windowType();
      if (type == Qt::Popup || type == Qt::ToolTip) continue;
      windows << w;
    }
    return windows;
  }

 private slots:
  void initTestCase() {
    test::ProgramRun::Prepare();
    // The simulator lays its panel out for the client area it gets, not for
    // the size the window tests pin.
    TForm1::ClientSizeOverride = QSize();
    QVERIFY(run.Start());
  }

  void cleanupTestCase() { run.Stop(); }

  void everyControlIsWithinReachOnSmallScreens() {
    // A large screen too, where the design has room.
    const QList<QSize> clients = SmallClientAreas() << QSize(1920, 1080);
    QStringList faults;
    const QList<QWidget*> windows = Windows();
    // The program makes its twelve windows once, all of them here.
    QCOMPARE(windows.size(), 12);
    for (QWidget* window : windows) {
      for (QWidget* other : windows) other->hide();
      for (const QSize& client : clients) {
        // The simulator's panel is not laid out below its smallest client
        // area, under its menu bar; every small screen above has room for it.
        auto* form = qobject_cast<TForm1*>(window);
        if (form && client.height() < kSmallestPanelClient.height() + form->menuBar()->sizeHint().height()) continue;
        ShowAt(window, client);
        faults << Unreachable(window, client);
      }
      window->hide();
    }
    // One line per fault: the test's own message would be cut short.
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " unreachable, first: " + faults.value(0)));
  }
};

QTEST_MAIN(tst_SmallScreens)
#include "tst_smallscreens.moc"
