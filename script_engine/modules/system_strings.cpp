// String functions of the system module. Positions are 1-based; out-of-range positions and
// counts are clamped as a user expects (Copy past the end gives the rest, never an error).
#include <QString>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/system_module.h"

namespace {

using Args = std::vector<ScriptValue>;

// The largest string (characters) and array (elements, 32 bytes each) SetLength builds.
constexpr int kMaxStringLength = 256 * 1024 * 1024;
constexpr qint64 kMaxArrayElements = 16 * 1024 * 1024;

QString text(const Args& a, std::size_t i) { return a[i].ToText(); }
int integer(const Args& a, std::size_t i) { return a[i].ToInt32(); }

// The start (0-based) and length of the part [from, from+count) clamped to a text of size n.
std::pair<int, int> clampedRange(int n, int from, int count) {
  if (from < 1) from = 1;
  if (from > n || count <= 0) return {n, 0};
  const qint64 end = std::min<qint64>(qint64(from) - 1 + count, n);
  return {from - 1, int(end - (from - 1))};
}

ScriptValue length(Args& a) {
  if (a[0].IsArray()) {
    const ArrayBound b = a[0].ArrayBounds(0);
    return ScriptValue(b.high - b.low + 1);
  }
  return ScriptValue(int(a[0].ToText().size()));
}

ScriptValue copy(Args& a) {
  const QString s = text(a, 0);
  auto [start, n] = clampedRange(int(s.size()), integer(a, 1), integer(a, 2));
  return ScriptValue(s.mid(start, n));
}

// An empty text is found nowhere.
ScriptValue pos(Args& a) {
  const QString sub = text(a, 0);
  return ScriptValue(sub.isEmpty() ? 0 : int(text(a, 1).indexOf(sub)) + 1);
}

ScriptValue deleteStr(Args& a) {
  QString s = text(a, 0);
  auto [start, n] = clampedRange(int(s.size()), integer(a, 1), integer(a, 2));
  s.remove(start, n);
  a[0] = ScriptValue(s);
  return ScriptValue::Null();
}

ScriptValue insert(Args& a) {
  QString target = text(a, 1);
  const int at = std::clamp(integer(a, 2), 1, int(target.size()) + 1);
  target.insert(at - 1, text(a, 0));
  a[1] = ScriptValue(target);
  return ScriptValue::Null();
}

ScriptValue upper(Args& a) { return ScriptValue(text(a, 0).toUpper()); }
ScriptValue lower(Args& a) { return ScriptValue(text(a, 0).toLower()); }

ScriptValue trim(Args& a) {
  const QString s = text(a, 0);
  int first = 0, last = int(s.size()) - 1;
  while (first <= last && s[first].unicode() <= ' ') ++first;
  while (last >= first && s[last].unicode() <= ' ') --last;
  return ScriptValue(s.mid(first, last - first + 1));
}

// Everything lower case; the first character and each one after a space at the second position
// or later upper case.
ScriptValue nameCase(Args& a) {
  QString s = text(a, 0).toLower();
  for (int i = 0; i < s.size(); ++i)
    if (i == 0 || (i >= 2 && s[i - 1] == QLatin1Char(' '))) s[i] = s[i].toUpper();
  return ScriptValue(s);
}

ScriptValue compareText(Args& a) {
  const int c = QString::compare(text(a, 0), text(a, 1), Qt::CaseInsensitive);
  return ScriptValue(c < 0 ? -1 : c > 0 ? 1 : 0);
}

ScriptValue chr(Args& a) {
  const int code = integer(a, 0);
  if (code < 0 || code > 0xFFFF)
    throw ScriptError(QStringLiteral("Chr: character code %1 is out of range 0..65535").arg(code));
  return ScriptValue(QString(QChar(char16_t(code))));
}

// An empty text has no first character: its code is 0.
ScriptValue ord(Args& a) {
  const QString s = text(a, 0);
  return ScriptValue(s.isEmpty() ? 0 : int(s[0].unicode()));
}

// A string is cut or lengthened with spaces; an array (or an unassigned variable) gets the high
// bound L - 1.
ScriptValue setLength(Args& a) {
  const int l = integer(a, 1);
  if (l < 0) throw ScriptError(QStringLiteral("SetLength: negative length %1").arg(l));
  if (a[0].IsString()) {
    if (l > kMaxStringLength) throw ScriptError(QStringLiteral("SetLength: length %1 is too large").arg(l));
    QString s = text(a, 0);
    if (l <= s.size()) s.truncate(l);
    else s += QString(l - s.size(), QLatin1Char(' '));
    a[0] = ScriptValue(s);
  } else if (a[0].IsArray()) {
    if (a[0].ArrayDimCount() != 1)
      throw ScriptError(QStringLiteral("SetLength: the array has more than one dimension"));
    const ArrayBound b = a[0].ArrayBounds(0);
    if (qint64(l) - b.low > kMaxArrayElements)
      throw ScriptError(QStringLiteral("SetLength: length %1 is too large").arg(l));
    a[0].ArraySetHigh(std::max(l - 1, b.low - 1));
  } else if (a[0].IsEmptyOrNull()) {
    if (l > kMaxArrayElements) throw ScriptError(QStringLiteral("SetLength: length %1 is too large").arg(l));
    a[0] = ScriptValue::CreateArray({ArrayBound{0, l - 1}});
  } else {
    throw ScriptError(QStringLiteral("SetLength: the value is neither a string nor an array"));
  }
  return ScriptValue::Null();
}

constexpr TscSysFunction kFunctions[] = {
    {"function Length(s: Variant): Integer", "ctString", length},
    {"function Copy(s: String; from, count: Integer): String", "ctString", copy},
    {"function Pos(substr, s: String): Integer", "ctString", pos},
    {"procedure Delete(var s: String; from, count: Integer)", "ctString", deleteStr},
    {"procedure DeleteStr(var s: String; from, count: Integer)", "ctString", deleteStr},
    {"procedure Insert(s: String; var s2: String; pos: Integer)", "ctString", insert},
    {"function Uppercase(s: String): String", "ctString", upper},
    {"function Lowercase(s: String): String", "ctString", lower},
    {"function Trim(s: String): String", "ctString", trim},
    {"function NameCase(s: String): String", "ctString", nameCase},
    {"function CompareText(s, s1: String): Integer", "ctString", compareText},
    {"function Chr(i: Integer): Char", "ctString", chr},
    {"function Ord(ch: Char): Integer", "ctString", ord},
    {"procedure SetLength(var S: Variant; L: Integer)", "ctString", setLength},
};

}  // namespace

std::span<const TscSysFunction> scStringFunctions() { return kFunctions; }
