// Edit masks applied to a text.
#include "script_engine/modules/format_mask.h"

#include <QStringList>

#include "script_engine/modules/system_locale.h"

namespace {

bool isInput(QChar c) {
  return QStringLiteral("09#LlAaCc").contains(c);
}

// Whether the value character fits the input picture character.
bool accepts(QChar picture, QChar c) {
  switch (picture.unicode()) {
    case '0': case '9': return c.isDigit() || c == QLatin1Char(' ');
    case '#': return c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char(' ');
    case 'L': case 'l': return c.isLetter() || c == QLatin1Char(' ');
    case 'A': case 'a': return c.isLetterOrNumber() || c == QLatin1Char(' ');
    default: return true;
  }
}

struct Mask {
  QString picture;
  bool keepLiterals = true;
  QChar blank = QLatin1Char(' ');
};

// The picture's fields: a ";" quoted by "\" belongs to the picture.
Mask split(const QString& editMask) {
  Mask m;
  int cut = -1, second = -1;
  for (int i = 0; i < editMask.size(); ++i) {
    if (editMask[i] == QLatin1Char('\\')) { ++i; continue; }
    if (editMask[i] == QLatin1Char(';')) {
      if (cut < 0) cut = i;
      else if (second < 0) second = i;
    }
  }
  m.picture = cut < 0 ? editMask : editMask.left(cut);
  if (cut >= 0) {
    const QString keep = editMask.mid(cut + 1, second < 0 ? -1 : second - cut - 1);
    m.keepLiterals = keep.trimmed() != QLatin1String("0");
  }
  if (second >= 0 && second + 1 < editMask.size()) m.blank = editMask[second + 1];
  return m;
}

}  // namespace

QString scFormatMaskText(const QString& editMask, const QString& value, const TscLocaleFormat& locale) {
  const Mask m = split(editMask);
  if (m.picture.isEmpty()) return value;
  QString out;
  int v = 0;
  int caseMode = 0;  // 1 upper, -1 lower
  for (int i = 0; i < m.picture.size(); ++i) {
    const QChar p = m.picture[i];
    if (p == QLatin1Char('<') && i + 1 < m.picture.size() && m.picture[i + 1] == QLatin1Char('>')) {
      caseMode = 0;
      ++i;
      continue;
    }
    if (p == QLatin1Char('>')) { caseMode = 1; continue; }
    if (p == QLatin1Char('<')) { caseMode = -1; continue; }
    if (p == QLatin1Char('!')) continue;
    if (isInput(p)) {
      // Skip value characters that do not fit, then take one (or a blank when none is left).
      while (v < value.size() && !accepts(p, value[v])) ++v;
      QChar c = v < value.size() ? value[v++] : m.blank;
      if (c == QLatin1Char(' ')) c = m.blank;
      out += caseMode > 0 ? c.toUpper() : caseMode < 0 ? c.toLower() : c;
      continue;
    }
    QChar literal = p;
    if (p == QLatin1Char('\\') && i + 1 < m.picture.size()) literal = m.picture[++i];
    else if (p == QLatin1Char('/')) literal = locale.DateSeparator;
    else if (p == QLatin1Char(':')) literal = locale.TimeSeparator;
    else if (p == QLatin1Char('_')) literal = QLatin1Char(' ');
    out += literal;
    // A value that carries the literals has it at this place too.
    if (m.keepLiterals && v < value.size() && value[v] == literal) ++v;
  }
  return out;
}
