#include "platform/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

#include "platform/messages.h"

namespace tvx {

namespace {

class DesktopShell : public ShellService {
 public:
  bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

ShellService* g_shell = nullptr;

}  // namespace

ShellService& Shell() {
  static DesktopShell real;
  return g_shell ? *g_shell : real;
}

void SetShellService(ShellService* service) { g_shell = service; }

bool OpenPath(const QString& path) { return Shell().Open(QUrl::fromLocalFile(path)); }

bool OpenWebPage(const QString& address) { return Shell().Open(QUrl(address)); }

QUrl MailLink(const QString& subject, const QString& body) {
  QUrl url("mailto:");
  QUrlQuery query;
  // Mail programs read "+" literally: blanks and line ends are percent-encoded.
  query.addQueryItem("subject", QString::fromLatin1(QUrl::toPercentEncoding(subject)));
  query.addQueryItem("body", QString::fromLatin1(QUrl::toPercentEncoding(body)));
  url.setQuery(query.toString(QUrl::FullyEncoded), QUrl::StrictMode);
  return url;
}

bool OpenMail(const QString& subject, const QString& body) { return Shell().Open(MailLink(subject, body)); }

QString NothingOpensMessage(const QString& what) {
  return "ERROR: Cannot open " + what + ": no program on this computer opens it.";
}

QString MissingFileMessage(const QString& path) {
  return "ERROR: Cannot open " + QDir::toNativeSeparators(path) + ": the file is not there.";
}

namespace {

bool SayWhenNotOpened(bool opened, const QString& what) {
  if (!opened) Messages().ShowMessage(NothingOpensMessage(what));
  return opened;
}

}  // namespace

bool OpenPathOrSay(const QString& path) {
  if (!QFileInfo::exists(path)) {
    Messages().ShowMessage(MissingFileMessage(path));
    return false;
  }
  return SayWhenNotOpened(OpenPath(path), QDir::toNativeSeparators(path));
}

bool OpenWebPageOrSay(const QString& address) { return SayWhenNotOpened(OpenWebPage(address), address); }

bool OpenMailOrSay(const QString& subject, const QString& body) {
  return SayWhenNotOpened(OpenMail(subject, body), "a new mail (mailto:)");
}

}  // namespace tvx
