#pragma once
// What Qt's PDF writer cannot put into a document, added afterwards through qpdf: bookmarks (the
// report's outline, nested as it is), link annotations (web addresses, and jumps to a place on
// a page of the document), and the document's author. Positions are PDF points, measured from
// the bottom-left corner of the page.
#include <QByteArray>
#include <QRectF>
#include <QString>

#include <vector>

// A place in the document: a 0-based page and the height on it.
struct TrpPdfPlace {
  int Page = 0;
  double Top = 0;
};

struct TrpPdfLink {
  int Page = 0;  // the page the link lies on
  QRectF Rect;   // points; top() is the lower edge
  QString URL;   // a web or mail address, or empty for a jump to Target
  TrpPdfPlace Target;
};

struct TrpPdfBookmark {
  QString Title;
  TrpPdfPlace Target;
  std::vector<TrpPdfBookmark> Children;
};

struct TrpPdfAdditions {
  QString Author;
  std::vector<TrpPdfLink> Links;
  std::vector<TrpPdfBookmark> Outline;
};

// `pdf` with `additions` written into it. False with `error` set when the document could not be
// read or written.
bool rpAddToPdf(const QByteArray& pdf, const TrpPdfAdditions& additions, QByteArray& result, QString& error);
