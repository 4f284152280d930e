#include "script_engine/front/il_parser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "script_engine/front/grammar.h"
#include "script_engine/front/grammar_cache.h"
#include "script_engine/front/languages.h"
#include "script_engine/front/script_error.h"

TscILParser::TscILParser(TscCompileOptions options) : FOptions(std::move(options)) {}

TscILParser::~TscILParser() = default;

void TscILParser::SelectLanguage(const QString& name) {
  std::shared_ptr<const TscGrammar> grammar = scSharedGrammar(scGetLanguage(name));
  grammar->ConfigureLexer(FParser, FOptions.extendedCharset);
  FNeedDeclareVars = grammar->NeedDeclareVars();
  FGrammar = std::move(grammar);
  FLangName = name;
}

void TscILParser::setError(const QString& message, const QString& position, const QString& unit) {
  FErrorMsg = message;
  FErrorPos = position;
  FErrorUnit = unit;
}

// A text starting with "#language <name>" selects its own syntax; matching then starts on the
// next line. Returns the position to start matching at.
int TscILParser::languageHeader(const QString& text) {
  if (!text.startsWith(QLatin1Char('#'))) return 1;
  FParser.SetPosition(2);
  if (FParser.GetWord().compare(QLatin1String("language"), Qt::CaseInsensitive) != 0) return 1;
  int nameStart = FParser.Position() - 1;
  int cr = text.indexOf(QLatin1Char('\r'), nameStart);
  int nameEnd = cr < 0 ? text.size() : cr;
  SelectLanguage(text.mid(nameStart, nameEnd - nameStart).trimmed());
  FParser.SetText(text);
  return cr < 0 ? text.size() + 1 : cr + 3;
}

bool TscILParser::MakeILScript(const QString& text) {
  setError(QString(), QString(), QString());
  FILScript.Clear();
  FProgramText.clear();
  try {
    if (!FGrammar) SelectLanguage(QStringLiteral("PascalScript"));
    FParser.SetText(text);
    FParser.SetPosition(languageHeader(text));
    TscMatcher matcher(*FGrammar, FParser, this, FDepthBase);
    if (!matcher.MatchProgram()) {
      setError(matcher.ErrorText(), matcher.ErrorPos(), QString());
      return false;
    }
    FProgramText = programText(matcher.Output());
    FILScript.LoadFromString(QStringLiteral("<?xml version=\"1.0\"?>\n") + FProgramText);
    FILScript.Root()->Add()->Assign(FGrammar->Types());
    return true;
  } catch (const ScriptCompileError& e) {
    setError(e.Message(), e.Position(), e.Unit());
  } catch (const ScriptError& e) {
    setError(e.Message(), FParser.GetXYPosition(), FUnitName);
  }
  FILScript.Clear();
  return false;
}

QString TscILParser::programText(const std::vector<ILLine>& lines) const {
  QString text = QStringLiteral("<program>\n");
  for (const ILLine& line : lines) {
    text += line.text;
    text += QLatin1Char('\n');
  }
  text += QLatin1String("</program>");
  return text;
}

// The text of an included file: from the host when it supplies units, else from the first
// directory of the include path that holds the file. Line ends are normalised as for the main text.
QString TscILParser::unitText(const QString& unitName) const {
  QString text;
  if (FOptions.onGetUnit) {
    FOptions.onGetUnit(unitName, text);
  } else {
    QString path = unitName;
    const QStringList dirs = FOptions.includePath.isEmpty() ? QStringList{QString()} : FOptions.includePath;
    for (const QString& dir : dirs) {
      path = dir.isEmpty() || dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))
                 ? dir + unitName
                 : dir + QLatin1Char('/') + unitName;
      if (QFileInfo(path).isFile()) break;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      throw ScriptError(QStringLiteral("Cannot open file \"%1\": %2").arg(path, file.errorString()));
    text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  }
  return scJoinLines(scSplitLines(text));
}

void TscILParser::IncludeUnits(std::vector<ILLine>& output, int firstLine, int depth) {
  QStringList files;
  for (int i = static_cast<int>(output.size()) - 1; i >= firstLine; --i) {
    if (output[std::size_t(i)].file.isNull()) continue;
    files << output[std::size_t(i)].file;  // last to first
    output.erase(output.begin() + i);
  }
  int at = firstLine;
  for (const QString& name : files) {
    if (FUsesList.contains(name)) continue;  // each file once; this also ends circular inclusion
    FUsesList << name;
    QString included;
    const QString text = unitText(name);
    if (!text.trimmed().isEmpty()) {
      TscILParser unit(FOptions);
      unit.FDepthBase = depth;
      unit.FUnitName = name;
      unit.FUsesList = FUsesList;
      unit.SelectLanguage(FLangName);
      if (!unit.MakeILScript(text))
        throw ScriptCompileError(unit.ErrorMsg(), unit.ErrorPos(),
                                 unit.ErrorUnit().isEmpty() ? name : unit.ErrorUnit());
      FUsesList = unit.FUsesList;
      included = unit.FProgramText;
    }
    QString open = QStringLiteral("<uses unit=\"") + scStrToXML(name) + QStringLiteral("\">");
    output.insert(output.begin() + at, {ILLine{open, QString()}, ILLine{included, QString()},
                                        ILLine{QStringLiteral("</uses>"), QString()}});
    at += 3;
  }
}
