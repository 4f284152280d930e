#include "report/store/hyperlink_url.h"

#include <QDesktopServices>

bool rpIsSafeHyperlinkURL(const QString& value) {
  const QUrl url(value.trimmed(), QUrl::StrictMode);
  if (!url.isValid()) return false;
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) return !url.host().isEmpty();
  return scheme == QLatin1String("mailto") && !url.path().isEmpty();
}

void rpOpenURLWithSystem(const QUrl& url) { QDesktopServices::openUrl(url); }
