#include "fake_preview_pages.h"

#include "report/component/report.h"

#include <QFont>
#include <QPainter>

FakePreviewPages::FakePreviewPages(TrpReport& report) : IdlePreviewPages(report) {}

FakePreviewPages::~FakePreviewPages() = default;  // the report owns the pages

TrpReportPage& FakePreviewPages::AddTestPage(int paper, TPrinterOrientation orientation,
                                             Extended width, Extended height) {
  auto* page = new TrpReportPage(&Report());
  page->SetOrientation(orientation);
  if (paper == 256) {
    page->SetPaperWidth(width);
    page->SetPaperHeight(height);
  } else {
    page->SetPaperSize(paper);
  }
  FPages.append(page);
  return *page;
}

void FakePreviewPages::AddTestPages(int count, int paper) {
  for (int i = 0; i < count; ++i) AddTestPage(paper);
}

QSizeF FakePreviewPages::GetPageSize(int index) {
  const TrpReportPage* page = FPages.value(index);
  if (!page) return {};
  return QSizeF(static_cast<double>(page->PaperWidth() * rp01cm),
                static_cast<double>(page->PaperHeight() * rp01cm));
}

// The page's frame in device pixels, and its label in the top-left corner.
void FakePreviewPages::DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY,
                                Extended offsetX, Extended offsetY) {
  if (BeforeDraw) BeforeDraw(index);
  Draws.append({index, CopyNo(), scaleX, scaleY, offsetX, offsetY, PrintScale()});
  const QSizeF size = GetPageSize(index);
  const QRectF frame(static_cast<double>(offsetX), static_cast<double>(offsetY),
                     size.width() * static_cast<double>(scaleX),
                     size.height() * static_cast<double>(scaleY));
  canvas.setPen(Qt::black);
  canvas.setBrush(Qt::NoBrush);
  canvas.drawRect(frame);
  canvas.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
  canvas.drawText(frame.topLeft() + QPointF(100, 200),
                  QStringLiteral("p%1c%2").arg(index + 1).arg(CopyNo()));
}
