#pragma once
// The character grid of text-mode (dot-matrix) reports: a cell is rp1CharX wide and rp1CharY
// high, positions and sizes of text-mode objects snap to whole cells, texts are laid out in
// cells (East Asian wide characters take two), and the printer's font styles change how a cell
// is drawn. The preview, the plain-text export and the engine all use these, so a text lands in
// the same cells everywhere.
#include <QString>
#include <QStringList>

#include <vector>

#include "report/objects/property_descriptor.h"
#include "report/objects/report_set.h"
#include "report/text/text_font.h"
#include "report/units/report_units.h"

class QColor;
class QPainter;
class QPointF;


enum TrpDMPFontStyle {
  fsxBold,
  fsxItalic,
  fsxUnderline,
  fsxSuperScript,
  fsxSubScript,
  fsxCondensed,
  fsxWide,
  fsx12cpi,
  fsx15cpi
};
using TrpDMPFontStyles = TrpSet<TrpDMPFontStyle>;
extern const TrpEnumType rpDMPFontStylesType;

// The face a text-mode page is drawn in: any monospace face serves, the printer has its own.
extern const char* const rpDMPFontName;

// A value in report units snapped to whole cells (halves to even).
Extended rpSnapToColumns(Extended value);
Extended rpSnapToRows(Extended value);
// The whole number of cells a value in report units spans (rounded, halves to even).
int rpColumnsOf(Extended value);
int rpRowsOf(Extended value);

// Whether `c` takes two cells.
bool rpIsWideChar(char32_t c);
// The number of cells `text` takes.
int rpCellWidth(const QString& text);
// `text` cut into lines of at most `width` cells, at spaces where it can be.
std::vector<QString> rpWrapToCells(const QString& text, int width);

// One line of a text laid out in cells: its row and column from the text's top-left cell.
struct TrpCellLine {
  int Row = 0;
  int Column = 0;
  QString Text;
};

// Lays paragraphs out in a box `width` cells wide: wrapped at `width` when `wordWrap`, each line
// moved right (haRight) or to the middle (haCenter) of the spare cells. Trailing empty
// paragraphs are dropped.
std::vector<TrpCellLine> rpLayOutCells(const QStringList& paragraphs, int width, TrpHAlign align,
                                       bool wordWrap);

// The width of one cell in report units in the pitch `styles` choose: 10 characters per inch,
// 12 or 15 with fsx12cpi / fsx15cpi, condensed about 17, doubled by fsxWide.
Extended rpDMPCellWidth(TrpDMPFontStyles styles);

// Draws `text` one character per cell from `origin` (device pixels), each cell `cellWidth` by
// `cellHeight` device pixels, in the monospace face with the font styles; a wide character
// takes two cells.
void rpDrawCellText(QPainter& canvas, const QPointF& origin, double cellWidth, double cellHeight,
                    const QString& text, TrpDMPFontStyles styles, const QColor& color);
