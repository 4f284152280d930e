#pragma once
// A line of width n drawn as n parallel one-pixel lines, offset across its main direction
// (vertically for a line that runs more across than down, horizontally otherwise), so a thick
// diagonal keeps the same pixels at every zoom.
#include <QColor>
#include <QPoint>

class QPainter;

void rpDrawParallelLines(QPainter& canvas, QPoint from, QPoint to, int width, const QColor& color);
