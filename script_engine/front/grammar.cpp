#include "script_engine/front/grammar.h"

#include "script_engine/front/lexer.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"

namespace {

struct BuiltIn {
  const char* name;
  GrammarKind kind;
};

constexpr BuiltIn kBuiltIns[] = {
    {"char", GrammarKind::Char},           {"keyword", GrammarKind::Keyword},
    {"ident", GrammarKind::Ident},         {"number", GrammarKind::Number},
    {"string", GrammarKind::String},       {"frstring", GrammarKind::FRString},
    {"eol", GrammarKind::Eol},             {"sequence", GrammarKind::Sequence},
    {"switch", GrammarKind::Switch},       {"optionalswitch", GrammarKind::OptionalSwitch},
    {"optional", GrammarKind::Optional},   {"loop", GrammarKind::Loop},
    {"optionalloop", GrammarKind::OptionalLoop},
};

bool isBuiltIn(const QString& lowerName, GrammarKind& kind) {
  for (const BuiltIn& b : kBuiltIns)
    if (lowerName == QLatin1String(b.name)) {
      kind = b.kind;
      return true;
    }
  return false;
}

// The lexer settings of a parser section. Switches change only on the exact value that turns the
// default around ("1" for escapes and case, "0" for line ends).
struct LexerSetting {
  const char* name;
  void (*apply)(TscParser& parser, const QString& text);
};

const LexerSetting kLexerSettings[] = {
    {"commentline1", [](TscParser& p, const QString& t) { p.SetCommentLine1(t); }},
    {"commentline2", [](TscParser& p, const QString& t) { p.SetCommentLine2(t); }},
    {"commentblock1", [](TscParser& p, const QString& t) { p.SetCommentBlock1(t); }},
    {"commentblock2", [](TscParser& p, const QString& t) { p.SetCommentBlock2(t); }},
    {"stringquotes", [](TscParser& p, const QString& t) { p.SetStringQuotes(t); }},
    {"hexsequence", [](TscParser& p, const QString& t) { p.SetHexSequence(t); }},
    {"specstrchar", [](TscParser& p, const QString& t) { if (t == QLatin1String("1")) p.SetSpecStrChar(true); }},
    {"casesensitive", [](TscParser& p, const QString& t) { if (t == QLatin1String("1")) p.SetCaseSensitive(true); }},
    {"skipeol", [](TscParser& p, const QString& t) { if (t == QLatin1String("0")) p.SetSkipEOL(false); }},
    {"skipchar", [](TscParser& p, const QString& t) { p.SetSkipChar(t); }},
    {"identchars", [](TscParser& p, const QString& t) { p.ConstructCharset(t); }},
};

// Children of the language element that are not rules.
bool isSection(const QString& lowerName) {
  return lowerName == QLatin1String("parser") || lowerName == QLatin1String("types");
}

}  // namespace

TscGrammar::TscGrammar(const QString& grammarText) {
  FDocument.LoadFromString(grammarText);
  const TscXMLItem* root = FDocument.Root();
  int types = root->Find(QStringLiteral("types"));
  FTypes = types >= 0 ? root->Items(types) : &FEmptyTypes;

  int parser = root->Find(QStringLiteral("parser"));
  if (parser >= 0) {
    int declare = root->Items(parser)->Find(QStringLiteral("declarevars"));
    if (declare >= 0 && root->Items(parser)->Items(declare)->Prop(QStringLiteral("text")) == QLatin1String("0"))
      FNeedDeclareVars = false;
  }

  // Rules first, so that references resolve whatever the order of definition.
  std::vector<std::pair<const TscXMLItem*, GrammarElement*>> defs;
  for (int i = 0; i < root->Count(); ++i) {
    const TscXMLItem* item = root->Items(i);
    QString lower = item->Name().toLower();
    if (isSection(lower)) continue;
    FPool.push_back(std::make_unique<GrammarElement>());
    GrammarElement* rule = FPool.back().get();
    rule->kind = GrammarKind::Rule;
    rule->name = item->Name();
    FRules.emplace_back(lower, rule);
    defs.emplace_back(item, rule);
  }
  for (auto& [item, rule] : defs) {
    for (int i = 0; i < item->Count(); ++i) rule->children.push_back(build(*item->Items(i), 1));
    rule->node = item->Prop(QStringLiteral("node"));
    rule->usesNode = rule->node.compare(QLatin1String("uses"), Qt::CaseInsensitive) == 0;
    rule->exprNode = rule->node.compare(QLatin1String("expr"), Qt::CaseInsensitive) == 0;
  }
  FProgram = findRule(QStringLiteral("program"));
}

TscGrammar::~TscGrammar() = default;

QString TscGrammar::ErrorText(const QString& id) const {
  const TscXMLItem* root = FDocument.Root();
  int parser = root->Find(QStringLiteral("parser"));
  if (parser < 0) return QString();
  int errors = root->Items(parser)->Find(QStringLiteral("errors"));
  if (errors < 0) return QString();
  const TscXMLItem* list = root->Items(parser)->Items(errors);
  int i = list->Find(id);
  return i < 0 ? QString() : list->Items(i)->Prop(QStringLiteral("text"));
}

QString TscGrammar::Name() const { return FDocument.Root()->Prop(QStringLiteral("text")); }

const GrammarElement* TscGrammar::findRule(const QString& name) const {
  QString lower = name.toLower();
  for (const auto& [ruleName, rule] : FRules)
    if (ruleName == lower) return rule;
  return nullptr;
}

const GrammarElement* TscGrammar::Program() const {
  if (!FProgram) throw ScriptError(scMessages::Text(QStringLiteral("SInvalidLanguage")));
  return FProgram;
}

// Grammar elements nest only a few levels; a document nested deeper than this is no grammar.
constexpr int kMaxGrammarDepth = 200;

const GrammarElement* TscGrammar::build(const TscXMLItem& item, int depth) {
  if (depth > kMaxGrammarDepth) throw ScriptError(scMessages::Text(QStringLiteral("SInvalidLanguage")));
  FPool.push_back(std::make_unique<GrammarElement>());
  GrammarElement* e = FPool.back().get();
  e->name = item.Name();
  QString lower = item.Name().toLower();
  if (!isBuiltIn(lower, e->kind)) {
    e->rule = findRule(lower);
    e->kind = e->rule ? GrammarKind::Reference : GrammarKind::Undefined;
  }
  e->hasText = item.PropExists(QStringLiteral("text"));
  e->text = item.Prop(QStringLiteral("text"));
  if (e->kind == GrammarKind::Char || e->kind == GrammarKind::Keyword) e->text = e->text.toLower();
  e->node = item.Prop(QStringLiteral("node"));
  e->usesNode = e->node.compare(QLatin1String("uses"), Qt::CaseInsensitive) == 0;
  e->exprNode = e->node.compare(QLatin1String("expr"), Qt::CaseInsensitive) == 0;
  e->add = item.Prop(QStringLiteral("add"));
  e->hasAddText = item.PropExists(QStringLiteral("addtext"));
  e->addText = item.Prop(QStringLiteral("addtext"));
  QString err = item.Prop(QStringLiteral("err"));
  // An id that the errors section does not define records nothing.
  e->errorText = err.isEmpty() ? QString() : ErrorText(err);
  e->hasError = !e->errorText.isEmpty();
  e->term = item.Prop(QStringLiteral("term")) == QLatin1String("1");
  QString skip = item.Prop(QStringLiteral("skip"));
  e->skipSpaces = skip != QLatin1String("0");
  e->discardErrors = skip == QLatin1String("1");
  for (int i = 0; i < item.Count(); ++i) e->children.push_back(build(*item.Items(i), depth + 1));
  return e;
}

void TscGrammar::ConfigureLexer(TscParser& parser, bool extendedCharset) const {
  parser.Clear();
  const TscXMLItem* root = FDocument.Root();
  int section = root->Find(QStringLiteral("parser"));
  for (int i = 0; section >= 0 && i < root->Items(section)->Count(); ++i) {
    const TscXMLItem* s = root->Items(section)->Items(i);
    QString name = s->Name().toLower();
    if (name == QLatin1String("keywords")) {
      for (int k = 0; k < s->Count(); ++k) parser.AddKeyword(s->Items(k)->Name());
      continue;
    }
    for (const LexerSetting& setting : kLexerSettings)
      if (name == QLatin1String(setting.name)) setting.apply(parser, s->Prop(QStringLiteral("text")));
  }
  if (extendedCharset) parser.AddIdentChars(128, 255);
}
