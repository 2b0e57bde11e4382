#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrlQuery>

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

}  // namespace tvx
