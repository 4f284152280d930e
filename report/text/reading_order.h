#pragma once
// Where each character of an output line sits along the line, in the reading direction.
#include <QString>

#include <vector>

// Offsets from the line's start of every character of `line`, whose advances are `advances`.
// Left to right, a character follows the one before it. Right to left the line is laid out from
// its far end backwards: the first character ends where the line ends, each next one sits before
// it, while a run of left-to-right characters (Latin words, numbers) keeps its own order inside
// the place it takes. A surrogate pair counts as one character; its low half gets the same offset.
std::vector<int> rpLineOffsets(const QString& line, const std::vector<int>& advances, bool rightToLeft);

// The character drawn for `c`: right to left, brackets and the like are mirrored.
QChar rpReadingGlyph(QChar c, bool rightToLeft);
