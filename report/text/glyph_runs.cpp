#include "report/text/glyph_runs.h"

#include <QGlyphRun>
#include <QPainter>

void TrpGlyphRuns::Add(const TrpCharGlyphs& glyphs, const QPointF& origin) {
  for (const TrpCharGlyphs::Piece& piece : glyphs.Pieces) {
    if (FRuns.empty() || FRuns.back().Font != piece.Font) FRuns.push_back({piece.Font, {}, {}});
    TrpCharGlyphs::Piece& run = FRuns.back();
    run.Glyphs.append(piece.Glyphs);
    for (const QPointF& position : piece.Positions) run.Positions.append(origin + position);
  }
}

void TrpGlyphRuns::Draw(QPainter& canvas) {
  for (const TrpCharGlyphs::Piece& run : FRuns) {
    QGlyphRun glyphs;
    glyphs.setRawFont(run.Font);
    glyphs.setGlyphIndexes(run.Glyphs);
    glyphs.setPositions(run.Positions);
    canvas.drawGlyphRun(QPointF(), glyphs);
  }
  FRuns.clear();
}
