#include "report/text/char_glyphs.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <QTextOption>

TrpCharGlyphs rpShapeCharacter(const QFont& font, const QString& character) {
  // Laid out as QPainter::drawText lays out a text at a point: left to right, unwrapped.
  QTextLayout layout(character, font);
  QTextOption option;
  option.setTextDirection(Qt::LeftToRight);
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  const QPointF baseline(0, line.ascent());
  TrpCharGlyphs glyphs;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    TrpCharGlyphs::Piece piece{run.rawFont(), run.glyphIndexes(), run.positions()};
    for (QPointF& position : piece.Positions) position -= baseline;
    glyphs.Pieces.push_back(std::move(piece));
  }
  return glyphs;
}
