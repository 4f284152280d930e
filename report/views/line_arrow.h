#pragma once
// The head of an arrow at one end of a line: its tip and the two corners of its base.
#include <QPoint>

struct TrpArrowHead {
  QPoint Tip, Corner1, Corner2;
};

// The head with its tip at `tip`, on the line towards `other`: the base centre lies `length`
// pixels from the tip along the line, the corners `halfWidth` pixels to either side across it.
// Ends at most 8 pixels apart horizontally count as a vertical line; ends at the same height
// give corners straight above and below. Coordinates are rounded halves to even.
TrpArrowHead rpArrowHead(QPoint tip, QPoint other, double length, double halfWidth);
