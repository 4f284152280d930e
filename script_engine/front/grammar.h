#pragma once
// A grammar document read into the form the matcher walks: every element of every rule becomes a
// GrammarElement whose kind, texts and flags are decoded once, and rule references point at their
// rules. The grammar also configures the lexer from its parser section.
#include <QString>

#include <memory>
#include <vector>

#include "script_engine/front/xml.h"

class TscParser;

enum class GrammarKind {
  Rule,            // a rule definition; its children are matched as a sequence
  Char, Keyword, Ident, Number, String, FRString, Eol,
  Sequence, Switch, OptionalSwitch, Optional, Loop, OptionalLoop,
  Reference,       // the name of a rule
  Undefined        // neither built in nor a rule: matching it fails the compilation
};

struct GrammarElement {
  GrammarKind kind = GrammarKind::Undefined;
  QString name;          // the element name as written
  bool hasText = false;
  QString text;          // token text, lower-cased; for loops the separator
  QString node;          // wrap what matched in an element of this name
  QString add;           // write a leaf of this name
  bool hasAddText = false;
  QString addText;
  bool hasError = false;
  QString errorText;     // the message the err attribute names
  bool term = false;     // term="1": this element's error may end a loop quietly
  bool skipSpaces = true;    // char: skip="0" reads the character where it stands
  bool discardErrors = false;  // loop: skip="1"
  bool usesNode = false;  // node is "uses": include handling instead of wrapping
  bool exprNode = false;  // node is "expr": the element also records where it ends
  const GrammarElement* rule = nullptr;  // Reference: the rule definition
  std::vector<const GrammarElement*> children;
};

class TscGrammar {
 public:
  // Reads a grammar text; raises ScriptError for malformed XML.
  explicit TscGrammar(const QString& grammarText);
  ~TscGrammar();

  QString Name() const;  // the language element's text
  // Resets the lexer and applies the parser section's settings and keywords. With the extended
  // character set the codes 128..255 become identifier characters as well.
  void ConfigureLexer(TscParser& parser, bool extendedCharset) const;
  bool NeedDeclareVars() const { return FNeedDeclareVars; }
  // The start rule; raises "Invalid language definition" when the grammar has none.
  const GrammarElement* Program() const;
  // The types element (an empty item when the grammar has none).
  const TscXMLItem& Types() const { return *FTypes; }
  // The text of an error id of the errors section ("err3"), or empty.
  QString ErrorText(const QString& id) const;

 private:
  const GrammarElement* build(const TscXMLItem& item, int depth);
  const GrammarElement* findRule(const QString& name) const;

  TscXMLDocument FDocument;
  const TscXMLItem* FTypes = nullptr;
  TscXMLItem FEmptyTypes{QStringLiteral("types")};
  std::vector<std::unique_ptr<GrammarElement>> FPool;
  std::vector<std::pair<QString, GrammarElement*>> FRules;  // lower-cased name, definition
  const GrammarElement* FProgram = nullptr;
  bool FNeedDeclareVars = true;
};
