#include "report/preview/text_match.h"

namespace {

// The code point before `end` in `text`, a surrogate pair read as one.
char32_t codePointBefore(const QString& text, qsizetype end) {
  const QChar c = text[end - 1];
  if (c.isLowSurrogate() && end >= 2 && text[end - 2].isHighSurrogate())
    return QChar::surrogateToUcs4(text[end - 2], c);
  return c.unicode();
}

char32_t firstCodePoint(const QString& text) {
  if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
    return QChar::surrogateToUcs4(text[0], text[1]);
  return text[0].unicode();
}

// Characters of scripts written without blanks between words, and the punctuation of the East
// Asian scripts: a line may break beside them without a blank to stand for.
bool writtenWithoutBlanks(char32_t c) {
  switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
    case QChar::Script_Yi:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
    case QChar::Script_Tibetan: return true;
    default: break;
  }
  return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool joinsWithBlank(const QString& before, const QString& after) {
  if (before.isEmpty() || after.isEmpty() || before.back().isSpace() || after.front().isSpace()) return false;
  return !writtenWithoutBlanks(codePointBefore(before, before.size())) && !writtenWithoutBlanks(firstCodePoint(after));
}

// One text object's runs read as one text, with the run each character came from.
struct ObjectText {
  QString Text;
  std::vector<int> Run;
};

ObjectText objectText(const std::vector<TrpTextRun>& runs, size_t first, size_t last) {
  ObjectText joined;
  for (size_t i = first; i <= last; ++i) {
    const int run = static_cast<int>(i);
    if (i > first && joinsWithBlank(runs[i - 1].Text, runs[i].Text)) {
      joined.Text += u' ';
      joined.Run.push_back(run - 1);
    }
    joined.Text += runs[i].Text;
    joined.Run.insert(joined.Run.end(), static_cast<size_t>(runs[i].Text.size()), run);
  }
  return joined;
}

}  // namespace

std::optional<TrpTextHit> rpFindInRuns(const std::vector<TrpTextRun>& runs, const QString& text, bool caseSensitive,
                                       int afterRecord) {
  if (text.isEmpty()) return std::nullopt;
  const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (size_t first = 0, last = 0; first < runs.size(); first = last + 1) {
    last = first;
    while (last + 1 < runs.size() && runs[last + 1].Object == runs[first].Object) ++last;
    if (static_cast<int>(last) <= afterRecord) continue;
    const ObjectText joined = objectText(runs, first, last);
    qsizetype from = 0;
    while (from < joined.Text.size() && joined.Run[static_cast<size_t>(from)] <= afterRecord) ++from;
    const qsizetype at = joined.Text.indexOf(text, from, cs);
    if (at < 0) continue;
    TrpTextHit hit;
    hit.Record = joined.Run[static_cast<size_t>(at)];
    QRectF bounds;
    for (int i = hit.Record; i <= joined.Run[static_cast<size_t>(at + text.size() - 1)]; ++i)
      bounds |= runs[static_cast<size_t>(i)].Bounds;
    hit.Bounds = bounds.toAlignedRect();
    return hit;
  }
  return std::nullopt;
}
