// The page's background: a picture object of the page's own that carries the picture, the
// background colour and the page frame, drawn inside the margins.
#include <QPainter>

#include "report/pages/report_page.h"
#include "report/text/draw_text.h"
#include "report/views/frame.h"
#include "report/views/picture_view.h"

QImage TrpReportPage::BackPicture() const { return FBackPicture->PictureImage(); }

void TrpReportPage::SetBackPicture(const QImage& value) {
  if (value.isNull())
    FBackPicture->ClearPicture();
  else
    FBackPicture->SetPictureImage(value);
}

TColor TrpReportPage::Color() const { return FBackPicture->Color(); }

void TrpReportPage::SetColor(TColor value) { FBackPicture->SetColor(value); }

TrpFrame* TrpReportPage::Frame() const { return FBackPicture->Frame(); }

void TrpReportPage::SetFrame(const TrpFrame& value) { FBackPicture->SetFrame(value); }

void TrpReportPage::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                         Extended offsetY) {
  TrpPictureView& back = *FBackPicture;
  if (FBackPictureStretched)
    back.SetBounds(0, 0, PrintableWidth() * rp01cm, PrintableHeight() * rp01cm);
  else
    back.SetBounds(0, 0, back.Picture().Width(), back.Picture().Height());
  if (!FBackPictureVisible) return;
  if (!FBackPicturePrintable && TrpDrawText::IsPrinter(&canvas)) return;
  back.Draw(canvas, scaleX, scaleY, offsetX + scaleX * FLeftMargin * rp01cm,
            offsetY + scaleY * FTopMargin * rp01cm);
}
