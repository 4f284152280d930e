#pragma once
// The drawing surface of a printer. Between the printer's BeginPage and EndPage it is bound to
// the page's painter; whenever it hands the painter out, the current font is resolved against
// the printer's resolution, so text comes out at its point size on paper.
#include <QFont>

class QPainter;
class TrpCustomPrinter;

class TrpPrinterCanvas {
 public:
  explicit TrpPrinterCanvas(TrpCustomPrinter* APrinter) : FPrinter(APrinter) {}

  TrpCustomPrinter* Printer() const { return FPrinter; }
  // The page's painter with the font refreshed, or nullptr outside a page.
  QPainter* Painter();
  bool IsBound() const { return FPainter != nullptr; }
  // True when `painter` is this canvas's painter: drawing goes to the printer.
  bool Owns(const QPainter* painter) const { return painter && painter == FPainter; }

  QFont Font() const;
  void SetFont(const QFont& font);

  // Called by the printer when a page starts (painter) and ends (nullptr).
  void Bind(QPainter* painter);
  void Refresh();

 private:
  TrpCustomPrinter* FPrinter;
  QPainter* FPainter = nullptr;
  QFont FFont;
};
