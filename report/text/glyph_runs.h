#pragma once
// Characters' glyphs gathered into glyph runs, one per stretch of glyphs in the same font, so a
// line of characters placed one by one reaches the device in a few calls. A PDF device writes a
// whole text object, with its graphics state, for every call: one per character made the page
// content several times larger and slower to write.
#include <QPointF>

#include <vector>

#include "report/text/char_glyphs.h"

class QPainter;

class TrpGlyphRuns {
 public:
  // Adds the glyphs of a character whose origin on the baseline is at `origin`.
  void Add(const TrpCharGlyphs& glyphs, const QPointF& origin);
  // Draws the runs gathered so far with the painter's pen, and starts anew.
  void Draw(QPainter& canvas);

 private:
  std::vector<TrpCharGlyphs::Piece> FRuns;
};
