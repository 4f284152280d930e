#pragma once
// TrpExportFilter: what every export filter of the system shares: the options dialog (the pages
// to export and the filter's own options), reading the page selection, and where a page's
// objects lie on its paper.
#include <QPointF>
#include <QSizeF>

#include "report/objects/custom_export_filter.h"

class TrpExportOptionsDialog;

// Which pages the options dialog exports.
enum TrpExportRange { erAll, erCurrent, erPages };

class TrpExportFilter : public TrpCustomExportFilter {
 public:
  TModalResult ShowModal() override;
  // erCurrent exports CurPage; otherwise PageNumbers is read as a print range ("1,3-5,8-"),
  // every page when empty. A selection that names no page is an error.
  bool SelectPages(int count, QList<int>& pages) override;

  TrpExportRange Range() const { return FRange; }
  void SetRange(TrpExportRange value) { FRange = value; }
  // The filter's own options, added to the options dialog.
  virtual void AddOptions(TrpExportOptionsDialog& dialog) { (void)dialog; }

  // Where the printable area of page `index` begins on its paper (report units): what the
  // objects' AbsLeft and AbsTop count from. Odd pages of mirrored margins swap left and right.
  static QPointF PageOrigin(const TrpReportPage& page, int index);
  // The paper of `page` in report units.
  static QSizeF PaperSize(const TrpReportPage& page);

 private:
  TrpExportRange FRange = erAll;
};
