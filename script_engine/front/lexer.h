#pragma once
// TscParser, the script engine's lexer. It keeps no token stream: the grammar matcher asks, at the
// current position, for one token of a stated kind and moves the position back when a match fails.
// Its settings (comments, quotes, hexadecimal prefix, escapes, case, line ends, keywords) come from
// the selected grammar's parser section.
//
// Positions are 1-based indexes into the source text; position Size()+1 is the end. A line:column
// text names a position for messages: the line-feed character belongs to the line it ends.
#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>

#include <bitset>
#include <vector>

class TscParser {
 public:
  TscParser();

  // Restores every setting to its default and empties the keyword list.
  void Clear();

  void SetText(const QString& text);
  QString Text() const { return FText.left(FSize); }
  int Size() const { return FSize; }
  int Position() const { return FPosition; }
  int LastPosition() const { return FLastPosition; }
  void SetPosition(int p) { FPosition = FLastPosition = p; }

  // --- settings ---
  void SetCommentLine1(const QString& s) { FCommentLine1 = s; }
  void SetCommentLine2(const QString& s) { FCommentLine2 = s; }
  void SetCommentBlock1(const QString& s);  // "opener,closer"
  void SetCommentBlock2(const QString& s);
  void SetStringQuotes(const QString& s) { FStringQuotes = s; }
  void SetHexSequence(const QString& s) { FHexSequence = s; }
  void SetSpecStrChar(bool on) { FSpecStrChar = on; }
  void SetCaseSensitive(bool on) { FCaseSensitive = on; }
  void SetSkipEOL(bool on) { FSkipEOL = on; }
  void SetSkipSpace(bool on) { FSkipSpace = on; }
  void SetSkipChar(const QString& s) { FSkipChar = s; }
  bool CaseSensitive() const { return FCaseSensitive; }
  bool SkipEOL() const { return FSkipEOL; }
  // The identifier set becomes exactly the low bytes of the given characters.
  void ConstructCharset(const QString& chars);
  // Adds the codes from..to (within 0..255) to the identifier set.
  void AddIdentChars(int from, int to);
  void AddKeyword(const QString& word);
  bool IsKeyWord(const QString& s) const;

  // --- token readers: each returns empty (or false) when no such token stands here ---
  void SkipSpaces();
  bool GetEOL();
  QString GetIdent();     // an identifier that is no keyword
  QString GetWord();      // an identifier, keywords included
  QString GetChar();      // one punctuation character; white space is not skipped
  QString GetString();    // the content, always wrapped in apostrophes
  QString GetNumber();    // the token text, with the hexadecimal prefix written as "$"
  QString GetFRString();  // body of a <...> report reference after its "<"

  // --- positions ---
  QString GetXYPosition() const { return XYPosition(FPosition); }
  QString XYPosition(int position) const;
  // X = column, Y = line; -1 when the line does not exist.
  int GetPlainPosition(const QPoint& xy) const;

 private:
  QChar at(int p) const { return p >= 1 && p <= FText.size() ? FText[p - 1] : QChar(0); }
  bool startsWithAt(int p, const QString& s) const;
  bool isWhite(QChar c) const;
  bool isIdentChar(QChar c) const;
  void skipBeforeToken();
  bool skipContinuation();
  bool skipComment();
  bool isLineComment(const QString& opener) const;
  QString ident();
  bool readCodePart(int& p, QString& out) const;
  int readQuotedPart(int p, QString& out) const;
  bool readHexCode(int& p, char32_t& code) const;

  QString FText;  // the source plus one character 0
  int FSize = 0;
  int FPosition = 1;
  int FLastPosition = 1;
  std::vector<int> FYList;  // 0, then the 1-based position of every line feed

  QSet<QString> FKeywords;       // as written
  QSet<QString> FKeywordsLower;  // lower-cased, for case-insensitive lookup
  bool FCaseSensitive = false;
  bool FSpecStrChar = false;
  bool FSkipEOL = true;
  bool FSkipSpace = true;
  QString FSkipChar;
  QString FCommentLine1, FCommentLine2;
  QString FCommentBlock11, FCommentBlock12, FCommentBlock21, FCommentBlock22;
  QString FStringQuotes;
  QString FHexSequence;
  std::bitset<256> FIdentifierCharset;
};

// Source lines joined as the compiler reads them: every line, the last one included, ends with
// CR LF, whatever line ends the text had before.
QString scJoinLines(const QStringList& lines);
// Splits a text at CR LF, LF or CR. A line end at the very end does not start another line.
QStringList scSplitLines(const QString& text);
