#include "script_engine/front/lexer.h"

#include <algorithm>

namespace {

// Character classes of the lexer. Codes 127 and above are identifier characters whatever the
// identifier set says, so letters of every script (Chinese included) form identifiers.
constexpr char32_t kMaxCode = 0x10FFFF;

bool isPunctuation(QChar c) {
  ushort u = c.unicode();
  return (u >= 33 && u <= 47) || (u >= 58 && u <= 64) || (u >= 91 && u <= 96) ||
         (u >= 123 && u <= 126);
}

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

int hexValue(QChar c) {
  ushort u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

bool isLineEnd(QChar c) { return c.unicode() == 10 || c.unicode() == 13; }

// Characters that end a string when met before its closing quote (the tab may stand inside).
bool endsString(QChar c) { return c.unicode() <= 31 && c.unicode() != 9; }

void appendCode(QString& out, char32_t code) {
  if (code > 0xFFFF) {
    out += QChar::highSurrogate(code);
    out += QChar::lowSurrogate(code);
  } else {
    out += QChar(static_cast<char16_t>(code));
  }
}

// Adds one digit to a character code; false once the code exceeds the last Unicode code point.
// The check comes before the multiplication, so no number of digits can overflow.
bool addDigit(char32_t& code, int digit, int base) {
  if (code > kMaxCode) return false;
  code = code * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
  return code <= kMaxCode;
}

}  // namespace

TscParser::TscParser() {
  Clear();
  SetText(QString());
}

void TscParser::Clear() {
  FKeywords.clear();
  FKeywordsLower.clear();
  FCaseSensitive = false;
  FSpecStrChar = false;
  FSkipEOL = true;
  FSkipSpace = true;
  FSkipChar.clear();
  FCommentLine1 = QStringLiteral("//");
  FCommentLine2.clear();
  SetCommentBlock1(QStringLiteral("{,}"));
  SetCommentBlock2(QStringLiteral("(*,*)"));
  FStringQuotes = QStringLiteral("'");
  FHexSequence = QStringLiteral("$");
  ConstructCharset(QStringLiteral(
      "_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
}

void TscParser::SetText(const QString& text) {
  FText = text + QChar(0);
  FSize = text.size();
  FPosition = FLastPosition = 1;
  FYList.assign(1, 0);
  for (int i = 0; i < FSize; ++i)
    if (text[i].unicode() == 10) FYList.push_back(i + 1);
}

static void splitPair(const QString& text, QString& first, QString& second) {
  int comma = text.indexOf(QLatin1Char(','));
  first = comma < 0 ? text : text.left(comma);
  second = comma < 0 ? QString() : text.mid(comma + 1);
}

void TscParser::SetCommentBlock1(const QString& s) { splitPair(s, FCommentBlock11, FCommentBlock12); }
void TscParser::SetCommentBlock2(const QString& s) { splitPair(s, FCommentBlock21, FCommentBlock22); }

void TscParser::ConstructCharset(const QString& chars) {
  FIdentifierCharset.reset();
  for (QChar c : chars) FIdentifierCharset.set(c.unicode() & 0xFF);
}

void TscParser::AddIdentChars(int from, int to) {
  for (int c = std::max(from, 0); c <= std::min(to, 255); ++c) FIdentifierCharset.set(c);
}

void TscParser::AddKeyword(const QString& word) {
  FKeywords.insert(word);
  FKeywordsLower.insert(word.toLower());
}

bool TscParser::IsKeyWord(const QString& s) const {
  if (s.isEmpty()) return false;
  if (FKeywords.contains(s)) return true;
  return !FCaseSensitive && FKeywordsLower.contains(s.toLower());
}

bool TscParser::startsWithAt(int p, const QString& s) const {
  if (s.isEmpty() || p < 1 || p - 1 + s.size() > FSize) return false;
  return QStringView(FText).mid(p - 1, s.size()) == s;
}

bool TscParser::isWhite(QChar c) const {
  ushort u = c.unicode();
  return u <= 32 && !(u == 13 && !FSkipEOL);
}

bool TscParser::isIdentChar(QChar c) const {
  ushort u = c.unicode();
  return u >= 127 || FIdentifierCharset.test(u);
}

// The continuation character followed by blanks and a line end: all of it is skipped. A
// continuation character followed by anything else is left alone, so that it can still begin an
// identifier.
bool TscParser::skipContinuation() {
  if (FSkipChar.isEmpty() || !startsWithAt(FPosition, FSkipChar)) return false;
  int p = FPosition + FSkipChar.size();
  while (p <= FSize && (at(p).unicode() == ' ' || at(p).unicode() == 9)) ++p;
  if (p <= FSize && !isLineEnd(at(p))) return false;
  while (p <= FSize && isLineEnd(at(p))) ++p;
  FPosition = p;
  return true;
}

// A line comment opener at the position. An opener that is a word ("rem") must stand as a whole
// word, so that a name like "remark" is not read as the start of a comment.
bool TscParser::isLineComment(const QString& opener) const {
  if (!startsWithAt(FPosition, opener)) return false;
  return !isIdentChar(opener.back()) || !isIdentChar(at(FPosition + opener.size())) ||
         FPosition + opener.size() > FSize;
}

// One comment at the position, if any; true when something was skipped.
bool TscParser::skipComment() {
  if (FPosition >= FSize) return false;
  bool line = isLineComment(FCommentLine1) || isLineComment(FCommentLine2);
  if (line) {
    // With significant line ends, a comment after code stops before the CR so that the grammar
    // still sees the line end; a comment on a line of its own disappears with its line end.
    bool beginsLine = FPosition == 1 || at(FPosition - 1).unicode() == 10;
    bool keepEOL = !FSkipEOL && !beginsLine;
    while (FPosition <= FSize && at(FPosition).unicode() != 10 &&
           !(keepEOL && at(FPosition).unicode() == 13))
      ++FPosition;
    return true;
  }
  const QString* closer = nullptr;
  int openerSize = 0;
  if (startsWithAt(FPosition, FCommentBlock11)) {
    closer = &FCommentBlock12;
    openerSize = FCommentBlock11.size();
  } else if (startsWithAt(FPosition, FCommentBlock21)) {
    closer = &FCommentBlock22;
    openerSize = FCommentBlock21.size();
  } else {
    return false;
  }
  FPosition += openerSize;
  while (FPosition <= FSize && !startsWithAt(FPosition, *closer)) ++FPosition;
  if (FPosition <= FSize) FPosition += closer->size();
  return true;
}

void TscParser::SkipSpaces() {
  for (;;) {
    while (FPosition <= FSize && isWhite(at(FPosition))) ++FPosition;
    if (skipContinuation() || skipComment()) continue;
    break;
  }
  FLastPosition = FPosition;
}

// Token readers skip white space and comments first unless told not to.
void TscParser::skipBeforeToken() {
  if (FSkipSpace) SkipSpaces();
  else FLastPosition = FPosition;
}

bool TscParser::GetEOL() {
  skipBeforeToken();
  if (!isLineEnd(at(FPosition)) || FPosition > FSize) return false;
  while (FPosition <= FSize && isLineEnd(at(FPosition))) ++FPosition;
  return true;
}

QString TscParser::ident() {
  skipBeforeToken();
  QChar first = at(FPosition);
  if (FPosition > FSize || isDigit(first) || !isIdentChar(first)) return QString();
  while (FPosition <= FSize && isIdentChar(at(FPosition))) ++FPosition;
  return FText.mid(FLastPosition - 1, FPosition - FLastPosition);
}

QString TscParser::GetWord() { return ident(); }

QString TscParser::GetIdent() {
  QString word = ident();
  return IsKeyWord(word) ? QString() : word;
}

QString TscParser::GetChar() {
  QChar c = at(FPosition);
  if (FPosition > FSize || !isPunctuation(c)) return QString();
  ++FPosition;
  return QString(c);
}

// Reads hexadecimal digits at p into code; false when there are none or the code is too large.
bool TscParser::readHexCode(int& p, char32_t& code) const {
  code = 0;
  bool valid = true;
  int start = p;
  for (int v; p <= FSize && (v = hexValue(at(p))) >= 0; ++p) valid = addDigit(code, v, 16) && valid;
  return valid && p > start;
}

// "#" and a character code, decimal or after the hexadecimal prefix. On success p moves past it.
bool TscParser::readCodePart(int& p, QString& out) const {
  if (at(p).unicode() != '#' || p > FSize) return false;
  int q = p + 1;
  char32_t code = 0;
  if (startsWithAt(q, FHexSequence) && hexValue(at(q + FHexSequence.size())) >= 0) {
    q += FHexSequence.size();
    if (!readHexCode(q, code)) return false;
  } else {
    if (!isDigit(at(q))) return false;
    bool valid = true;
    for (; q <= FSize && isDigit(at(q)); ++q) valid = addDigit(code, at(q).unicode() - '0', 10) && valid;
    if (!valid) return false;
  }
  appendCode(out, code);
  p = q;
  return true;
}

// A quoted part starting at p (on the quote). Returns the position after it, or 0 when the part
// is invalid (unterminated, or an escape code too large); out is then unchanged.
int TscParser::readQuotedPart(int p, QString& out) const {
  const QChar quote = FStringQuotes.isEmpty() ? QChar('\'') : FStringQuotes[0];
  QString content;
  for (int q = p + 1; q <= FSize;) {
    QChar c = at(q);
    if (FSpecStrChar && c.unicode() == '\\') {
      QChar e = at(q + 1);
      if (q + 1 > FSize || endsString(e)) return 0;
      q += 2;
      switch (e.unicode()) {
        case 'n': case 'N': content += QChar(10); break;
        case 'r': case 'R': content += QChar(13); break;
        case 'x': case 'X': {
          if (hexValue(at(q)) < 0 || q > FSize) break;  // "\x" without digits gives nothing
          char32_t code;
          if (!readHexCode(q, code)) return 0;
          appendCode(content, code);
          break;
        }
        default: content += e;
      }
      continue;
    }
    if (c == quote) {
      if (!FSpecStrChar && at(q + 1) == quote && q + 1 <= FSize) {
        content += quote;
        q += 2;
        continue;
      }
      out += content;
      return q + 1;
    }
    if (endsString(c)) return 0;
    content += c;
    ++q;
  }
  return 0;
}

QString TscParser::GetString() {
  skipBeforeToken();
  const QChar quote = FStringQuotes.isEmpty() ? QChar('\'') : FStringQuotes[0];
  QString content;
  bool any = false;
  for (;;) {
    if (at(FPosition) == quote && FPosition <= FSize) {
      int next = readQuotedPart(FPosition, content);
      if (next == 0) break;  // the position stays on the opening quote
      FPosition = next;
    } else if (!readCodePart(FPosition, content)) {
      break;
    }
    any = true;
  }
  return any ? QLatin1Char('\'') + content + QLatin1Char('\'') : QString();
}

QString TscParser::GetNumber() {
  skipBeforeToken();
  int p = FPosition;
  if (startsWithAt(p, FHexSequence) && hexValue(at(p + FHexSequence.size())) >= 0) {
    p += FHexSequence.size();
    while (p <= FSize && hexValue(at(p)) >= 0) ++p;
    FPosition = p;
    return QLatin1Char('$') + FText.mid(FLastPosition - 1 + FHexSequence.size(),
                                        p - FLastPosition - FHexSequence.size());
  }
  if (!isDigit(at(p)) || p > FSize) return QString();
  while (p <= FSize && isDigit(at(p))) ++p;
  // A fraction needs a digit after the point, so that 1..5 reads the integer 1.
  if (at(p).unicode() == '.' && isDigit(at(p + 1)) && p + 1 <= FSize) {
    p += 2;
    while (p <= FSize && isDigit(at(p))) ++p;
  }
  // A scale factor counts only when complete.
  if (at(p).unicode() == 'e' || at(p).unicode() == 'E') {
    int q = p + 1;
    if (at(q).unicode() == '+' || at(q).unicode() == '-') ++q;
    if (isDigit(at(q)) && q <= FSize) {
      while (q <= FSize && isDigit(at(q))) ++q;
      p = q;
    }
  }
  FPosition = p;
  return FText.mid(FLastPosition - 1, p - FLastPosition);
}

QString TscParser::GetFRString() {
  int start = FPosition;
  int depth = 1;
  bool inDouble = false, inSingle = false;
  int p = FPosition;
  for (; p <= FSize; ++p) {
    ushort c = at(p).unicode();
    if (c == '"' && !inSingle) {
      inDouble = !inDouble;
    } else if (c == '\'' && !inDouble) {
      inSingle = !inSingle;
    } else if (!inDouble && !inSingle) {
      if (c == '<' || c == '[') ++depth;
      if (c == '>' || c == ']') --depth;
      if (depth == 0) break;
    }
  }
  FPosition = p;
  return FText.mid(start - 1, p - start);
}

QString TscParser::XYPosition(int position) const {
  auto it = std::lower_bound(FYList.begin(), FYList.end(), position);
  int line = static_cast<int>(it - FYList.begin());  // entries smaller than position
  if (line == 0) line = 1;                            // positions below 1 count as the first line
  int column = position - FYList[line - 1];
  return QString::number(line) + QLatin1Char(':') + QString::number(column);
}

int TscParser::GetPlainPosition(const QPoint& xy) const {
  int index = xy.y() - 1;
  if (index < 0 || index >= static_cast<int>(FYList.size())) return -1;
  return xy.x() + FYList[index];
}

QString scJoinLines(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QLatin1String("\r\n");
  }
  return text;
}

QStringList scSplitLines(const QString& text) {
  QStringList lines;
  int start = 0;
  for (int i = 0; i < text.size(); ++i) {
    ushort c = text[i].unicode();
    if (c != 10 && c != 13) continue;
    lines << text.mid(start, i - start);
    if (c == 13 && i + 1 < text.size() && text[i + 1].unicode() == 10) ++i;
    start = i + 1;
  }
  if (start < text.size()) lines << text.mid(start);
  return lines;
}
