#pragma once
// The backtracking matcher of the compiler's first phase: it runs a grammar's rules over the
// source with the lexer and writes the intermediate form as XML text, line by line.
//
// Invariant of the output: every entry at index >= L0 was written while matching an element
// that started when the output had L0 entries. Wrapping an element therefore prepends its opening
// tag to entry L0 (or appends it when nothing was written) and appends its closing tag, and
// undoing an element truncates the output to L0.
#include <QString>

#include <vector>

#include "script_engine/front/grammar.h"

class TscParser;

struct ILLine {
  QString text;
  QString file;  // for a "file" leaf of a uses clause: the named file, without apostrophes
};

// Resolves the files named by a uses clause that has just matched: replaces the file leaves
// written since firstLine by the included units.
class TscIncludeHandler {
 public:
  virtual ~TscIncludeHandler() = default;
  virtual void IncludeUnits(std::vector<ILLine>& output, int firstLine, int depth) = 0;
};

class TscMatcher {
 public:
  // Deeper nesting of grammar elements than this is a compile error, not a stack overflow.
  static constexpr int kMaxDepth = 3000;
  static QString NestingMessage();

  TscMatcher(const TscGrammar& grammar, TscParser& parser, TscIncludeHandler* includes,
             int depthBase = 0);

  // Matches the program rule from the lexer's position. True when it matched with no error
  // recorded; otherwise ErrorText and ErrorPos tell why and where. Raises ScriptCompileError for
  // errors that end the compilation at once (nesting, undefined grammar elements, includes).
  bool MatchProgram();

  const std::vector<ILLine>& Output() const { return FOutput; }
  const QString& ErrorText() const { return FErrorText; }
  const QString& ErrorPos() const { return FErrorPos; }

 private:
  bool match(const GrammarElement& e, bool isRuleDefinition);
  bool matchToken(const GrammarElement& e, QString& token);
  bool matchSwitch(const GrammarElement& e, int p0);
  bool matchOptional(const GrammarElement& e, int p0);
  bool matchLoop(const GrammarElement& e, int p0);
  bool accept(const GrammarElement& e, const QString& token) const;
  void recordError(const GrammarElement& e, int p0);
  void noteFailure(int position);
  bool restIsBlank();

  QString xyAfterSpaces(int position);
  void wrap(const QString& node, bool isExpr, int l0, int p0);
  void writeLeaf(const QString& name, const QString& text);
  void writeReference(const QString& body);
  void truncate(int l0);

  const TscGrammar& FGrammar;
  TscParser& FParser;
  TscIncludeHandler* FIncludes;
  std::vector<ILLine> FOutput;
  int FDepth;
  bool FHasError = false;
  bool FTermError = false;  // the recorded error came from an element with term="1"
  QString FErrorText;
  QString FErrorPos;
  int FFarthest = 1;  // farthest position at which a token was expected and missing
};
