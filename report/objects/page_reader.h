#pragma once
// TrpPageReader: the store of prepared pages as the preview, printing and export read it: the
// pages, their sizes and drawing, the object under a point and the mouse over it, where anchors
// lead, the outline, and the cache of rebuilt pages. The store (report/store) implements it
// through TrpCustomPreviewPages.
#include <QSizeF>
#include <Qt>

#include <functional>

#include "report/units/report_units.h"

class QPainter;
class QString;
class QUrl;
class TrpComponent;
class TrpCustomOutline;
class TrpHyperlink;
class TrpReportPage;

// The mouse events the preview hands to MouseEventAt.
enum TrpPreviewMouseEvent { meMove, meDown, meUp, meClick, meDoubleClick };

// Where the hyperlinks of the pages lead; the preview installs them (SetLinkHandlers).
struct TrpPageLinkHandlers {
  // Anchors and page numbers: a 0-based page and a position in report units.
  std::function<void(int page, int top)> Navigate;
  // Web and mail addresses.
  std::function<void(const QUrl&)> OpenURL;
  // Another report (hkDetailReport) or a page of this one (hkDetailPage).
  std::function<void(const TrpHyperlink&)> DetailReport, DetailPage;
};

class TrpPageReader {
 public:
  virtual int GetCount() const = 0;
  // Page `index` rebuilt from its records; the store keeps ownership.
  virtual TrpReportPage* GetPage(int index) = 0;
  // Page `index`'s size in report units.
  virtual QSizeF GetPageSize(int index) = 0;
  // Draws page `index` at the given scale (device pixels per report unit) and offset (pixels).
  virtual void DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY,
                        Extended offsetX, Extended offsetY) = 0;
  // The object of page `index` under the point (pixels at `scale` and offset), or none.
  virtual TrpComponent* ObjectOver(int index, Extended x, Extended y, Extended scale,
                                   Extended offsetX, Extended offsetY) = 0;
  // A click at the point (as for ObjectOver): when it hits a drill-down group header, toggles
  // the header's key in the report's drill state and returns true; the caller then prepares the
  // report again.
  virtual bool ToggleDrillDown(int index, Extended x, Extended y, Extended scale,
                               Extended offsetX, Extended offsetY) = 0;
  // The preview's mouse event at the point (as for ObjectOver): mouse enter / leave / move / up /
  // click notifications to the object under the pointer (its own handlers and the report's), the
  // cursor to show over it, and the action of its hyperlink on a click (SetLinkHandlers). A click
  // handler that changed the object has the page stored again in full and sets `modified`, so
  // the preview redraws it. Returns the object under the pointer.
  virtual TrpComponent* MouseEventAt(int index, Extended x, Extended y, TrpPreviewMouseEvent event,
                                     Extended scale, Extended offsetX, Extended offsetY,
                                     Qt::CursorShape& cursor, bool* modified = nullptr,
                                     Qt::MouseButton button = Qt::LeftButton,
                                     Qt::KeyboardModifiers shift = {}) = 0;
  // Where a link to anchor `text` leads: a 0-based page and a position in report units; false,
  // leaving both, when there is no such anchor.
  virtual bool AnchorTarget(const QString& text, int& page, int& top) const = 0;
  // What following a hyperlink does. A way of opening addresses the store already has (a
  // program's, a test's) is kept.
  virtual void SetLinkHandlers(TrpPageLinkHandlers handlers) = 0;
  // The outline of the prepared pages, or none.
  virtual TrpCustomOutline* Outline() const = 0;
  // Drops the pages rebuilt for drawing; the print job calls it after every printed page so that
  // memory stays bounded however long the report is.
  virtual void ClearPageCache() {}

 protected:
  TrpPageReader() = default;
  ~TrpPageReader() = default;
};
