#pragma once
// TscILParser, first phase: source text to the intermediate form. It selects a grammar from the
// language registry, configures the lexer from it, honours a "#language" header, runs the matcher
// and resolves included files. The intermediate form is an XML document whose root is "program";
// the second phase (intermediate form to program tree) builds on ILScript().
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "script_engine/front/lexer.h"
#include "script_engine/front/matcher.h"
#include "script_engine/front/xml.h"

class TscGrammar;

// What the first phase needs from the script it compiles for.
struct TscCompileOptions {
  // Directories searched for included files, in order; an empty entry is the current directory.
  QStringList includePath{QString()};
  // The character codes 128..255 count as identifier characters.
  bool extendedCharset = false;
  // Supplies the text of an included file (OnGetUnit). When set, the file system is not asked.
  std::function<void(const QString& unitName, QString& unitText)> onGetUnit;
};

class TscILParser : private TscIncludeHandler {
 public:
  explicit TscILParser(TscCompileOptions options = {});
  ~TscILParser() override;

  // Reads the grammar registered under name and configures the lexer from it. Raises ScriptError
  // ("Language '...' not found", or "Invalid file format" for a malformed grammar).
  void SelectLanguage(const QString& name);
  const QString& LangName() const { return FLangName; }
  bool NeedDeclareVars() const { return FNeedDeclareVars; }

  // Phase 1. Selects "PascalScript" first when no language was selected. On success ILScript()
  // holds the intermediate form; on failure ErrorMsg, ErrorPos (line:column) and ErrorUnit (the
  // included file the error lies in, empty for the main text) say why.
  bool MakeILScript(const QString& text);
  // The same for a script's lines, joined with CR LF after every line.
  bool MakeILScript(const QStringList& lines) { return MakeILScript(scJoinLines(lines)); }

  const QString& ErrorMsg() const { return FErrorMsg; }
  const QString& ErrorPos() const { return FErrorPos; }
  const QString& ErrorUnit() const { return FErrorUnit; }
  TscXMLDocument& ILScript() { return FILScript; }
  const TscGrammar* Grammar() const { return FGrammar.get(); }
  TscParser& Parser() { return FParser; }

  // The name of the included file this parser compiles (empty for the main text).
  const QString& UnitName() const { return FUnitName; }
  const QStringList& UsesList() const { return FUsesList; }

 private:
  void IncludeUnits(std::vector<ILLine>& output, int firstLine, int depth) override;
  QString programText(const std::vector<ILLine>& lines) const;
  QString unitText(const QString& unitName) const;
  int languageHeader(const QString& text);
  void setError(const QString& message, const QString& position, const QString& unit);

  TscCompileOptions FOptions;
  std::shared_ptr<const TscGrammar> FGrammar;  // shared by every parser (grammar_cache.h)
  TscParser FParser;
  TscXMLDocument FILScript;
  QString FLangName;
  bool FNeedDeclareVars = true;
  QString FUnitName;
  QStringList FUsesList;
  QString FProgramText;  // the program element as text, for inclusion into another program
  int FDepthBase = 0;
  QString FErrorMsg, FErrorPos, FErrorUnit;
};
