// Drawing a prepared page at any scale: the page's background, then every view of the page that
// the visible area reaches and that is meant for this kind of device.
#include "report/store/preview_pages.h"

#include "report/memo/memo_view.h"
#include "report/pages/report_page.h"
#include "report/text/draw_text.h"
#include "report/views/view.h"

#include <QPaintEngine>
#include <QPainter>

namespace {

// Swaps the left and right margins of a page for one drawing, and back.
class MirroredMargins {
 public:
  MirroredMargins(TrpReportPage& page, bool on) : FPage(page), FOn(on) { Swap(); }
  ~MirroredMargins() { Swap(); }
  MirroredMargins(const MirroredMargins&) = delete;
  MirroredMargins& operator=(const MirroredMargins&) = delete;

 private:
  void Swap() {
    if (!FOn) return;
    const Extended left = FPage.LeftMargin();
    FPage.SetLeftMargin(FPage.RightMargin());
    FPage.SetRightMargin(left);
  }
  TrpReportPage& FPage;
  bool FOn;
};

// The device rectangle of a view grown by 20 units on each side.
QRectF reach(const TrpView& view, Extended scaleX, Extended scaleY, Extended offsetX, Extended offsetY) {
  constexpr Extended kGrow = 20;
  return QRectF(static_cast<double>((view.AbsLeft() - kGrow) * scaleX + offsetX),
                static_cast<double>((view.AbsTop() - kGrow) * scaleY + offsetY),
                static_cast<double>((view.Width() + 2 * kGrow) * scaleX),
                static_cast<double>((view.Height() + 2 * kGrow) * scaleY));
}

}  // namespace

void TrpPreviewPages::DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                               Extended offsetY) {
  const std::shared_ptr<TrpReportPage> page = GetPageShared(index);
  if (!page) return;
  const bool printer = TrpDrawText::IsPrinter(&canvas);
  MirroredMargins mirrored(*page, page->MirrorMargins() && index % 2 == 1);
  canvas.save();
  // On paper, and on a PDF page (whose media box is the paper), nothing outside the paper shows;
  // a clip there would be written out again by the PDF engine at every state restore.
  const bool pdf = canvas.paintEngine() && canvas.paintEngine()->type() == QPaintEngine::Pdf;
  if (!printer && !pdf) {
    const QRect paper(QPoint(static_cast<int>(rpRound(offsetX)), static_cast<int>(rpRound(offsetY))),
                      QPoint(static_cast<int>(rpRound(page->PaperWidth() * rp01cm * scaleX + offsetX)) - 1,
                             static_cast<int>(rpRound(page->PaperHeight() * rp01cm * scaleY + offsetY)) - 1));
    canvas.setClipRect(paper, canvas.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  }
  page->Draw(canvas, scaleX, scaleY, offsetX, offsetY);
  const Extended x = offsetX + page->LeftMargin() * rp01cm * scaleX;
  const Extended y = offsetY + page->TopMargin() * rp01cm * scaleY;
  const bool clipped = canvas.hasClipping();
  const QRectF visible = clipped ? canvas.clipBoundingRect() : QRectF();
  const TrpVisibilityType wanted = printer ? vsPrint : FExporting ? vsExport : vsPreview;
  for (TrpComponent* object : page->AllObjects()) {
    auto* view = dynamic_cast<TrpView*>(object);
    if (!view || !view->Visibility().Has(wanted)) continue;
    if (clipped && !reach(*view, scaleX, scaleY, x, y).intersects(visible)) continue;
    if (auto* memo = dynamic_cast<TrpCustomMemoView*>(view)) {
      memo->TotalPages = GetCount();
      memo->CopyNo = CopyNo();
      memo->PrintScale = PrintScale();
    }
    view->SetIsPrinting(printer);
    view->Draw(canvas, scaleX, scaleY, x, y);
    view->SetIsPrinting(false);
  }
  canvas.restore();
}
