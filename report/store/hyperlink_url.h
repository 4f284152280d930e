#pragma once
// Which hyperlink addresses the preview opens. A prepared-report file comes from anywhere, and the
// system's URL handler would run whatever a file:, javascript: or custom scheme names; only web
// pages and mail addresses are opened.
#include <QString>
#include <QUrl>

// True for a well-formed http or https address with a host, or a mailto address.
bool rpIsSafeHyperlinkURL(const QString& value);
// Opens `url` with the system's default handler.
void rpOpenURLWithSystem(const QUrl& url);
