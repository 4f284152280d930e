#include "script_engine/front/matcher.h"

#include "script_engine/front/lexer.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/front/xml.h"

namespace {

// Keeps the nesting count of match() calls; the limit turns runaway nesting into a compile error.
class DepthGuard {
 public:
  DepthGuard(int& depth, TscParser& parser) : FDepth(depth) {
    if (++FDepth > TscMatcher::kMaxDepth) {
      --FDepth;
      throw ScriptCompileError(TscMatcher::NestingMessage(), parser.GetXYPosition());
    }
  }
  ~DepthGuard() { --FDepth; }

 private:
  int& FDepth;
};

// Appends  name="value"  with the value encoded. Most values need no encoding; they are copied
// as they stand without building a temporary.
void appendAttr(QString& out, const char* name, const QString& value) {
  out += QLatin1Char(' ');
  out += QLatin1String(name);
  out += QLatin1String("=\"");
  bool plain = true;
  for (QChar c : value) {
    ushort u = c.unicode();
    if (u == '"' || u == '&' || u == '<' || u == '>' || u == 10 || u == 13) {
      plain = false;
      break;
    }
  }
  out += plain ? value : scStrToXML(value);
  out += QLatin1Char('"');
}

QString attr(const char* name, const QString& value) {
  QString out;
  appendAttr(out, name, value);
  return out;
}

}  // namespace

QString TscMatcher::NestingMessage() { return QStringLiteral("Program is nested too deeply"); }

TscMatcher::TscMatcher(const TscGrammar& grammar, TscParser& parser, TscIncludeHandler* includes,
                       int depthBase)
    : FGrammar(grammar), FParser(parser), FIncludes(includes), FDepth(depthBase) {}

bool TscMatcher::MatchProgram() {
  const GrammarElement* program = FGrammar.Program();
  bool ok = match(*program, true);
  // A program that does not end in a terminator character must use up the whole text; anything
  // left over would otherwise be dropped without a word.
  bool terminated = !program->children.empty() && program->children.back()->kind == GrammarKind::Char;
  if (ok && !FHasError && !terminated && !restIsBlank()) {
    FHasError = true;
    FErrorPos = FParser.GetXYPosition();
  } else if (!ok && !FHasError) {
    FHasError = true;
    FErrorPos = FParser.XYPosition(FFarthest);
  }
  if (FHasError && FErrorText.isEmpty()) {
    FErrorText = FGrammar.ErrorText(QStringLiteral("err3"));
    if (FErrorText.isEmpty()) FErrorText = QStringLiteral("Syntax error");
  }
  return ok && !FHasError;
}

bool TscMatcher::restIsBlank() {
  do FParser.SkipSpaces();
  while (FParser.GetEOL());
  return FParser.Position() > FParser.Size();
}

// --- matching ---

bool TscMatcher::match(const GrammarElement& e, bool isRuleDefinition) {
  DepthGuard guard(FDepth, FParser);
  const int p0 = FParser.Position();
  const int l0 = static_cast<int>(FOutput.size());
  bool ok = true;
  QString token;
  switch (e.kind) {
    case GrammarKind::Rule:
    case GrammarKind::Sequence:
      break;  // the children follow below
    case GrammarKind::Switch:
    case GrammarKind::OptionalSwitch:
      return matchSwitch(e, p0);
    case GrammarKind::Optional:
      return matchOptional(e, p0);
    case GrammarKind::Loop:
    case GrammarKind::OptionalLoop:
      return matchLoop(e, p0);
    case GrammarKind::Reference:
      ok = match(*e.rule, true);
      break;
    case GrammarKind::Undefined:
      throw ScriptCompileError(scMessages::Text(QStringLiteral("SInvalidLanguage")),
                               FParser.GetXYPosition());
    default:
      ok = matchToken(e, token);
  }
  const bool isComposite = isRuleDefinition || e.kind == GrammarKind::Sequence;
  if (ok && isComposite) {
    for (const GrammarElement* child : e.children)
      if (!match(*child, false)) {
        ok = false;
        break;
      }
  }
  if (ok) {
    if (!e.node.isEmpty()) {
      if (e.usesNode && FIncludes) FIncludes->IncludeUnits(FOutput, l0, FDepth);
      else if (!e.usesNode) wrap(e.node, e.exprNode, l0, p0);
    }
    if (!e.add.isEmpty()) writeLeaf(e.add, e.hasAddText ? e.addText : token);
    return true;
  }
  FParser.SetPosition(p0);
  if (isRuleDefinition && !e.node.isEmpty()) truncate(l0);
  recordError(e, p0);
  return false;
}

bool TscMatcher::matchToken(const GrammarElement& e, QString& token) {
  switch (e.kind) {
    case GrammarKind::Char:
      if (e.skipSpaces) FParser.SkipSpaces();
      token = FParser.GetChar();
      break;
    case GrammarKind::Keyword: token = FParser.GetWord(); break;
    case GrammarKind::Ident: token = FParser.GetIdent(); break;
    case GrammarKind::Number: token = FParser.GetNumber(); break;
    case GrammarKind::String: token = FParser.GetString(); break;
    case GrammarKind::FRString:
      token = FParser.GetFRString();
      if (!token.isEmpty()) writeReference(token);
      break;
    case GrammarKind::Eol:
      if (FParser.GetEOL()) return true;
      noteFailure(FParser.LastPosition());
      return false;
    default:
      return false;
  }
  if (accept(e, token)) return true;
  noteFailure(e.kind == GrammarKind::Char && !e.skipSpaces ? FParser.Position()
                                                           : FParser.LastPosition());
  return false;
}

// Token comparison: the grammar's text is lower-cased; a case-sensitive syntax must match it
// exactly (so the grammar's "IF" matches only "if"), the others ignore case.
bool TscMatcher::accept(const GrammarElement& e, const QString& token) const {
  if (token.isEmpty()) return false;
  if (!e.hasText) return true;
  if (FParser.CaseSensitive()) return token == e.text;
  return token.compare(e.text, Qt::CaseInsensitive) == 0;
}

// The first child that matches is the whole result; the switch's own node and add do not apply.
bool TscMatcher::matchSwitch(const GrammarElement& e, int p0) {
  for (const GrammarElement* child : e.children)
    if (match(*child, false)) return true;
  FParser.SetPosition(p0);
  if (e.kind == GrammarKind::OptionalSwitch) return true;
  recordError(e, p0);
  return false;
}

// What the children that matched wrote stays, even when a later child fails.
bool TscMatcher::matchOptional(const GrammarElement& e, int p0) {
  for (const GrammarElement* child : e.children)
    if (!match(*child, false)) {
      FParser.SetPosition(p0);
      return true;
    }
  return true;
}

bool TscMatcher::matchLoop(const GrammarElement& e, int p0) {
  int iterations = 0;
  bool lastMatched = false;
  for (;;) {
    const int start = FParser.Position();
    ++iterations;
    lastMatched = true;
    for (const GrammarElement* child : e.children)
      if (!match(*child, false)) {
        lastMatched = false;
        break;
      }
    if (!lastMatched) break;
    if (e.hasText && !e.text.isEmpty()) {
      const int before = FParser.Position();
      FParser.SkipSpaces();
      if (FParser.GetChar() != e.text) {
        FParser.SetPosition(before);
        break;
      }
    }
    if (FParser.Position() == start) break;
  }
  if (iterations > 1) {
    // A failed later repetition usually just marks the end of the list: its error is dropped
    // when the loop says so, or when it came from an element marked as a possible list end.
    if (FHasError && (e.discardErrors || FTermError)) {
      FHasError = false;
      FErrorText.clear();
      FErrorPos.clear();
    }
    return true;
  }
  if (lastMatched) return true;
  if (e.kind == GrammarKind::OptionalLoop) {
    FParser.SetPosition(p0);
    return true;
  }
  recordError(e, p0);
  return false;
}

// The first recorded error wins until a loop discards it.
void TscMatcher::recordError(const GrammarElement& e, int p0) {
  if (!e.hasError || FHasError) return;
  FHasError = true;
  FErrorText = e.errorText;
  FErrorPos = xyAfterSpaces(p0);
  FTermError = e.term;
}

void TscMatcher::noteFailure(int position) {
  if (position > FFarthest) FFarthest = position;
}

// --- output ---

QString TscMatcher::xyAfterSpaces(int position) {
  const int saved = FParser.Position();
  FParser.SetPosition(position);
  FParser.SkipSpaces();
  QString xy = FParser.GetXYPosition();
  FParser.SetPosition(saved);
  return xy;
}

void TscMatcher::wrap(const QString& node, bool isExpr, int l0, int p0) {
  QString open;
  open.reserve(node.size() + 32);
  open += QLatin1Char('<');
  open += node;
  appendAttr(open, "pos", xyAfterSpaces(p0));
  if (isExpr) appendAttr(open, "pos1", FParser.GetXYPosition());
  open += QLatin1Char('>');
  if (l0 < static_cast<int>(FOutput.size())) {
    QString& first = FOutput[static_cast<std::size_t>(l0)].text;
    open += QLatin1Char('\n');
    first.prepend(open);
  } else {
    FOutput.push_back(ILLine{open, QString()});
  }
  FOutput.push_back(ILLine{QLatin1String("</") + node + QLatin1Char('>'), QString()});
}

void TscMatcher::writeLeaf(const QString& name, const QString& text) {
  ILLine line;
  line.text.reserve(name.size() + text.size() + 32);
  line.text += QLatin1Char('<');
  line.text += name;
  appendAttr(line.text, "text", text);
  appendAttr(line.text, "pos", FParser.GetXYPosition());
  line.text += QLatin1String("/>");
  if (name.compare(QLatin1String("file"), Qt::CaseInsensitive) == 0) {
    QString file = text;
    if (file.startsWith(QLatin1Char('\'')) && file.endsWith(QLatin1Char('\'')) && file.size() >= 2)
      file = file.mid(1, file.size() - 2);
    line.file = file;
  }
  FOutput.push_back(std::move(line));
}

// A report reference becomes a call of the function "Get" with the reference text as argument.
void TscMatcher::writeReference(const QString& body) {
  const QString pos = attr("pos", FParser.GetXYPosition());
  const QString text = QLatin1Char('\'') + body + QLatin1Char('\'');
  for (const QString& line :
       {QLatin1String("<dsgn") + pos + QLatin1Char('>'),
        QLatin1String("<node") + attr("text", QStringLiteral("Get")) + pos + QLatin1String("/>"),
        QLatin1String("<expr") + pos + attr("pos1", FParser.GetXYPosition()) + QLatin1Char('>'),
        QLatin1String("<string") + attr("text", text) + pos + QLatin1String("/>"),
        QStringLiteral("</expr>"), QStringLiteral("</dsgn>")})
    FOutput.push_back(ILLine{line, QString()});
}

void TscMatcher::truncate(int l0) { FOutput.resize(static_cast<std::size_t>(l0)); }
