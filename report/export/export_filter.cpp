#include "report/export/export_filter.h"

#include "report/export/export_options_dialog.h"
#include "report/pages/report_page.h"
#include "report/print/page_numbers.h"

TModalResult TrpExportFilter::ShowModal() {
  TrpExportOptionsDialog dialog(*this);
  AddOptions(dialog);
  return dialog.Run();
}

bool TrpExportFilter::SelectPages(int count, QList<int>& pages) {
  pages.clear();
  if (FRange == erCurrent) {
    if (CurPage() >= 0 && CurPage() < count) pages.append(CurPage());
  } else {
    QStringList numbers;
    try {
      rpParsePageNumbers(PageNumbers(), numbers, count);
    } catch (const TrpPageRangeError& e) {
      SetError(e.Message());
      return false;
    }
    if (PageNumbers().trimmed().isEmpty())
      for (int i = 0; i < count; ++i) pages.append(i);
    for (const QString& number : numbers)
      if (const int page = number.toInt(); page >= 1 && page <= count) pages.append(page - 1);
  }
  if (!pages.isEmpty()) return true;
  SetError(QStringLiteral("The page selection names no page to export"));
  return false;
}

QPointF TrpExportFilter::PageOrigin(const TrpReportPage& page, int index) {
  const bool mirrored = page.MirrorMargins() && index % 2 == 1;
  const Extended left = mirrored ? page.RightMargin() : page.LeftMargin();
  return QPointF(static_cast<double>(left * rp01cm), static_cast<double>(page.TopMargin() * rp01cm));
}

QSizeF TrpExportFilter::PaperSize(const TrpReportPage& page) {
  return QSizeF(static_cast<double>(page.PaperWidth() * rp01cm), static_cast<double>(page.PaperHeight() * rp01cm));
}
