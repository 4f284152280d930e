#include "report/export/pdf_export.h"

#include <QBuffer>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "report/component/report.h"
#include "report/export/export_options_dialog.h"
#include "report/export/pdf_document.h"
#include "report/objects/custom_outline.h"
#include "report/objects/page_reader.h"
#include "report/options/report_options.h"
#include "report/pages/report_page.h"
#include "report/store/hyperlink_url.h"
#include "report/views/hyperlink.h"
#include "report/views/view.h"
#include "script_engine/files/whole_file.h"

namespace {

constexpr double kPointsPerUnit = 72.0 / 96.0;

// The paper of `page`, upright with the orientation its sides give.
QPageLayout LayoutOf(const TrpReportPage& page) {
  const double width = static_cast<double>(page.PaperWidth()), height = static_cast<double>(page.PaperHeight());
  const bool landscape = width > height;
  const QSizeF upright = landscape ? QSizeF(height, width) : QSizeF(width, height);
  return QPageLayout(QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

// A link whose target is a report page, before it is known where that page lands in the file.
struct PendingLink {
  TrpPdfLink Link;
  int TargetIndex = -1;  // the report's 0-based page; -1 for a web address
  double TargetTop = 0;  // report units from the top of the target's printable area
  bool PaperTop = false; // the top of the target's paper instead
};

// Where a page of the document stands: its height in points and its top margin in units.
struct PagePlace {
  double Height = 0;
  double Margin = 0;
};

}  // namespace

struct TrpPDFExport::Document {
  QByteArray Bytes;
  QBuffer Buffer{&Bytes};
  std::unique_ptr<QPdfWriter> Writer;
  QPainter Painter;
  // Report page index -> page of the document (the first time it was exported).
  QHash<int, int> PageOf;
  std::vector<PagePlace> Places;  // per page of the document
  int Pages = 0;
  // The page being exported: its height in points and where its objects count from.
  double PageHeight = 0;
  QPointF Origin;
  std::vector<PendingLink> Links;

  // Points from the bottom of the current page for a height in units from the paper's top.
  double Up(double units) const { return PageHeight - units * kPointsPerUnit; }
};

TrpPDFExport::TrpPDFExport() = default;
TrpPDFExport::~TrpPDFExport() = default;

void TrpPDFExport::AddOptions(TrpExportOptionsDialog& dialog) {
  dialog.AddCheck(QStringLiteral("Outline"), FOutline);
  dialog.AddCheck(QStringLiteral("Hyperlinks"), FLinks);
}

bool TrpPDFExport::Start() {
  d = std::make_unique<Document>();
  d->Buffer.open(QIODevice::WriteOnly);
  d->Writer = std::make_unique<QPdfWriter>(&d->Buffer);
  d->Writer->setResolution(Resolution);
  d->Writer->setCreator(QStringLiteral("Stroval"));
  if (Report()) d->Writer->setTitle(Report()->ReportOptions().Name());
  return true;
}

void TrpPDFExport::StartPage(TrpReportPage& page, int index) {
  d->Writer->setPageLayout(LayoutOf(page));
  const bool first = !d->Painter.isActive();
  if (first ? !d->Painter.begin(d->Writer.get()) : !d->Writer->newPage()) {
    SetError(QStringLiteral("Cannot start page %1 of the PDF").arg(index + 1));
    return;
  }
  if (!d->PageOf.contains(index)) d->PageOf.insert(index, d->Pages);
  ++d->Pages;
  d->PageHeight = static_cast<double>(page.PaperHeight()) * 72.0 / 25.4;
  d->Origin = PageOrigin(page, index);
  d->Places.push_back({d->PageHeight, d->Origin.y()});
  const Extended scale = Extended(Resolution) / 96;
  PreviewPages()->DrawPage(index, d->Painter, scale, scale, 0, 0);
}

void TrpPDFExport::ExportObject(TrpComponent& object) {
  const auto* view = dynamic_cast<const TrpView*>(&object);
  if (!FLinks || !view || !d->Painter.isActive()) return;
  const TrpHyperlink& hyperlink = *view->Hyperlink();
  const QString value = hyperlink.Value().trimmed();
  if (value.isEmpty()) return;
  PendingLink pending;
  const double left = d->Origin.x() + static_cast<double>(view->AbsLeft());
  const double top = d->Origin.y() + static_cast<double>(view->AbsTop());
  pending.Link.Page = d->Pages - 1;
  pending.Link.Rect = QRectF(QPointF(left * kPointsPerUnit, d->Up(top + static_cast<double>(view->Height()))),
                             QPointF((left + static_cast<double>(view->Width())) * kPointsPerUnit, d->Up(top)));
  TrpPageReader* pages = PreviewPages();
  switch (hyperlink.Kind()) {
    case hkURL:
      // The same addresses the preview opens: web pages and mail.
      if (!rpIsSafeHyperlinkURL(value)) return;
      pending.Link.URL = value;
      break;
    case hkAnchor: {
      int page = 0, top = 0;
      if (!pages || !pages->AnchorTarget(value, page, top)) return;
      pending.TargetIndex = page;
      pending.TargetTop = top;
      break;
    }
    case hkPageNumber: {
      bool ok = false;
      pending.TargetIndex = value.toInt(&ok) - 1;
      pending.PaperTop = true;
      if (!ok) return;
      break;
    }
    default:
      return;  // detail reports and pages open only in the preview
  }
  d->Links.push_back(pending);
}

void TrpPDFExport::FinishPage(TrpReportPage&, int) {}

namespace {

// The outline's current level and below, for the pages in `pageOf`; an item on a page that was
// not exported is left out with its children.
void ReadOutline(TrpCustomOutline& outline, const QHash<int, int>& pageOf, std::vector<TrpPdfBookmark>& marks,
                 int depth) {
  constexpr int kMaxDepth = 256;  // as deep as the preview's outline tree goes
  if (depth > kMaxDepth) return;
  for (int i = 0; i < outline.GetCount(); ++i) {
    QString title;
    int page = 0, top = 0;
    outline.GetItem(i, title, page, top);
    if (!pageOf.contains(page)) continue;
    TrpPdfBookmark mark;
    mark.Title = title;
    mark.Target.Page = pageOf.value(page);
    mark.Target.Top = top;  // units here; points once the pages are known
    outline.LevelDown(i);
    ReadOutline(outline, pageOf, mark.Children, depth + 1);
    outline.LevelUp();
    marks.push_back(std::move(mark));
  }
}

}  // namespace

bool TrpPDFExport::Finish() {
  if (!d || !d->Painter.isActive()) {
    if (Error().isEmpty()) SetError(QStringLiteral("No page was exported"));
    return false;
  }
  if (!Error().isEmpty()) return false;
  if (!d->Painter.end()) {
    SetError(QStringLiteral("The PDF could not be completed"));
    return false;
  }
  d->Writer.reset();
  // Points from the page's bottom for units below the top of its printable area (or its paper).
  const std::vector<PagePlace>& places = d->Places;
  const auto pointsFromTop = [&places](int page, double units, bool paperTop = false) {
    const PagePlace& place = places.at(static_cast<size_t>(page));
    return place.Height - (units + (paperTop ? 0 : place.Margin)) * kPointsPerUnit;
  };
  TrpPdfAdditions additions;
  if (Report()) additions.Author = Report()->ReportOptions().Author();
  for (PendingLink& pending : d->Links) {
    if (pending.TargetIndex >= 0) {
      if (!d->PageOf.contains(pending.TargetIndex)) continue;  // a page left out of the export
      pending.Link.Target.Page = d->PageOf.value(pending.TargetIndex);
      pending.Link.Target.Top = pointsFromTop(pending.Link.Target.Page, pending.TargetTop, pending.PaperTop);
    }
    additions.Links.push_back(pending.Link);
  }
  if (TrpCustomOutline* outline = FOutline ? PreviewPages()->Outline() : nullptr) {
    outline->LevelRoot();
    ReadOutline(*outline, d->PageOf, additions.Outline, 0);
    outline->LevelRoot();
    std::function<void(std::vector<TrpPdfBookmark>&)> place = [&](std::vector<TrpPdfBookmark>& marks) {
      for (TrpPdfBookmark& mark : marks) {
        mark.Target.Top = pointsFromTop(mark.Target.Page, mark.Target.Top);
        place(mark.Children);
      }
    };
    place(additions.Outline);
  }
  QByteArray document;
  QString error;
  if (!rpAddToPdf(d->Bytes, additions, document, error)) {
    SetError(QStringLiteral("The PDF could not be completed: %1").arg(error));
    return false;
  }
  d.reset();
  if (scWriteWholeFile(FileName(), [&document](QIODevice& file) { file.write(document); }, error)) return true;
  SetError(QStringLiteral("Cannot write %1: %2").arg(FileName(), error));
  return false;
}

void TrpPDFExport::Abort() {
  if (d && d->Painter.isActive()) d->Painter.end();
  d.reset();
}
