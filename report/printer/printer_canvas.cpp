#include "report/printer/printer_canvas.h"

#include <QPaintDevice>
#include <QPainter>

QPainter* TrpPrinterCanvas::Painter() {
  Refresh();
  return FPainter;
}

QFont TrpPrinterCanvas::Font() const { return FPainter ? FPainter->font() : FFont; }

void TrpPrinterCanvas::SetFont(const QFont& font) {
  FFont = font;
  if (FPainter) FPainter->setFont(font);
  Refresh();
}

// A new page's painter starts with the canvas's font.
void TrpPrinterCanvas::Bind(QPainter* painter) {
  FPainter = painter;
  if (FPainter) FPainter->setFont(FFont);
  Refresh();
}

// A font constructed for the painter's device keeps its point size and takes the device's
// resolution as its pixels per inch, whatever device the font was made for.
void TrpPrinterCanvas::Refresh() {
  if (!FPainter || !FPainter->device()) return;
  FPainter->setFont(QFont(FPainter->font(), FPainter->device()));
}
