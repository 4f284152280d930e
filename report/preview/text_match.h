#pragma once
// Finding a search text in a page's recorded runs. The runs of one text object are read as one
// text, its lines joined by a blank, or by nothing where the break falls beside a character of a
// script written without blanks (Chinese, Japanese, Thai and the like), so that a phrase a line
// break divided is found as a reader sees it. A hit is named by the first run it touches and
// covers the bounds of every run it touches.
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

#include "report/preview/page_text_recording.h"

struct TrpTextHit {
  int Record = -1;  // index of the first run of the hit
  QRect Bounds;     // device pixels, grown to whole pixels
};

// The first hit of `text` that starts in a run after run `afterRecord`; none for an empty text.
std::optional<TrpTextHit> rpFindInRuns(const std::vector<TrpTextRun>& runs, const QString& text, bool caseSensitive,
                                       int afterRecord);
