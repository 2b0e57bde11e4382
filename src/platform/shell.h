#pragma once
// Opening documents, folders, web pages and prepared mails with the programs
// the desktop chooses. Every opening goes through ShellService, so that tests
// can replace it with a recorder that opens nothing.
#include <QList>
#include <QString>
#include <QUrl>

namespace tvx {

class ShellService {
 public:
  virtual ~ShellService() = default;
  // Opens `url` (file, folder, web page or mail link); false when nothing
  // could open it.
  virtual bool Open(const QUrl& url) = 0;
};

// The service in use; the real one over QDesktopServices unless a test installed another.
ShellService& Shell();
// Installs `service` (not owned); nullptr brings the real one back.
void SetShellService(ShellService* service);

// A document or a folder of the disk, by its path.
bool OpenPath(const QString& path);
// A web page in the default browser.
bool OpenWebPage(const QString& address);
// The default mail program with a new message; the subject and body are
// encoded for the mail link.
bool OpenMail(const QString& subject, const QString& body);
// The mail link OpenMail hands to the shell.
QUrl MailLink(const QString& subject, const QString& body);

// The openings the user asks for with a button or a menu item: when nothing
// could open the file, folder, page or mail, a message says so and names it
// (false then). A file that is not there is not handed to the desktop at all:
// the desktop's opener would start, fail and show nothing.
bool OpenPathOrSay(const QString& path);
bool OpenWebPageOrSay(const QString& address);
bool OpenMailOrSay(const QString& subject, const QString& body);

// The texts of those messages: `what` is a path as the user reads it, an
// address, or the mail.
QString NothingOpensMessage(const QString& what);
QString MissingFileMessage(const QString& path);

// Records what was asked for and opens nothing.
class RecordingShell : public ShellService {
 public:
  bool Open(const QUrl& url) override {
    opened << url;
    return result;
  }
  QList<QUrl> opened;
  bool result = true;
};

// Installs a recorder for the lifetime of a scope.
class ScopedRecordingShell : public RecordingShell {
 public:
  ScopedRecordingShell() { SetShellService(this); }
  ~ScopedRecordingShell() override { SetShellService(nullptr); }
};

}  // namespace tvx
