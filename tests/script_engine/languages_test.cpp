// The language registry and the grammar documents it starts with.
#include <gtest/gtest.h>

#include "script_engine/front/grammar.h"
#include "script_engine/front/languages.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/xml.h"

namespace {

TEST(LanguageRegistry, FourSyntaxesAreRegisteredFromTheStart) {
  const QStringList names = scLanguageNames();
  for (const char* name : {"PascalScript", "C++Script", "BasicScript", "JScript"})
    EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
}

TEST(LanguageRegistry, NamesIgnoreCase) {
  EXPECT_EQ(scGetLanguage(QStringLiteral("pascalscript")), scGetLanguage(QStringLiteral("PascalScript")));
}

TEST(LanguageRegistry, UnknownNameRaisesFormattedMessage) {
  try {
    scGetLanguage(QStringLiteral("Fortran"));
    FAIL() << "no error raised";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Language 'Fortran' not found"));
  }
}

TEST(LanguageRegistry, RegisteringAgainReplacesGrammar) {
  scRegisterLanguage(QStringLiteral("TestScript"), QStringLiteral("first"));
  scRegisterLanguage(QStringLiteral("TESTSCRIPT"), QStringLiteral("second"));
  EXPECT_EQ(scGetLanguage(QStringLiteral("TestScript")), QStringLiteral("second"));
  EXPECT_EQ(scLanguageNames().count(QStringLiteral("TestScript")), 1);
}

TEST(LanguageRegistry, ReplacingPascalGrammarIsSeenByGetLanguage) {
  const QString original = scGetLanguage(QStringLiteral("PascalScript"));
  scRegisterLanguage(QStringLiteral("PascalScript"), QStringLiteral("replacement"));
  EXPECT_EQ(scGetLanguage(QStringLiteral("PascalScript")), QStringLiteral("replacement"));
  scRegisterLanguage(QStringLiteral("PascalScript"), original);
  EXPECT_EQ(scGetLanguage(QStringLiteral("PascalScript")), original);
}

// Each built-in grammar names itself, defines its start rule and every rule it refers to, and
// keeps the error texts its syntax reports.
struct GrammarCase {
  const char* syntax;
  QStringList keywords;  // a sample
  const char* err3;
  const char* err10;
  int errorCount;
};

TEST(BuiltInGrammars, AreCompleteDocuments) {
  const GrammarCase cases[] = {
      {"PascalScript", {"begin", "xor", "downto"}, "Statement expected", "'BEGIN' expected", 20},
      {"C++Script", {"define", "switch", "new"}, "Statement expected", "'{' expected", 18},
      {"BasicScript", {"addressof", "wend", "rem"}, "End of line expected", "'TO' expected", 28},
      {"JScript", {"function", "import", "var"}, "Statement expected", "'{' expected", 17},
  };
  for (const auto& c : cases) {
    const QString text = scGetLanguage(QString::fromLatin1(c.syntax));
    TscXMLDocument doc;
    doc.LoadFromString(text);
    EXPECT_EQ(doc.Root()->Name(), QStringLiteral("language"));
    EXPECT_EQ(doc.Root()->Prop(QStringLiteral("text")), QString::fromLatin1(c.syntax));
    TscXMLItem* parser = doc.Root()->FindItem(QStringLiteral("parser"));
    TscXMLItem* keywords = parser->FindItem(QStringLiteral("keywords"));
    for (const QString& k : c.keywords) EXPECT_GE(keywords->Find(k), 0) << c.syntax << " " << k.toStdString();
    TscXMLItem* errors = parser->FindItem(QStringLiteral("errors"));
    EXPECT_EQ(errors->Count(), c.errorCount) << c.syntax;
    TscGrammar grammar(text);
    EXPECT_EQ(grammar.ErrorText(QStringLiteral("err3")), QString::fromLatin1(c.err3));
    EXPECT_EQ(grammar.ErrorText(QStringLiteral("err10")), QString::fromLatin1(c.err10));
    ASSERT_NE(grammar.Program(), nullptr);
    // No rule element refers to a rule that does not exist.
    std::vector<const GrammarElement*> work{grammar.Program()};
    std::vector<const GrammarElement*> seen;
    while (!work.empty()) {
      const GrammarElement* e = work.back();
      work.pop_back();
      if (std::find(seen.begin(), seen.end(), e) != seen.end()) continue;
      seen.push_back(e);
      EXPECT_NE(e->kind, GrammarKind::Undefined) << c.syntax << " " << e->name.toStdString();
      if (e->rule) work.push_back(e->rule);
      for (const GrammarElement* child : e->children) work.push_back(child);
    }
  }
}

TEST(BuiltInGrammars, TypeMaps) {
  const struct { const char* syntax; const char* rendered; } cases[] = {
      {"PascalScript", ""},
      {"C++Script", "int=integer long=integer void=integer bool=boolean float=extended"},
      {"BasicScript", "decimal=extended"},
      {"JScript", ""},
  };
  for (const auto& c : cases) {
    TscGrammar grammar(scGetLanguage(QString::fromLatin1(c.syntax)));
    QStringList entries;
    for (int i = 0; i < grammar.Types().Count(); ++i)
      entries << grammar.Types().Items(i)->Name() + QLatin1Char('=') +
                     grammar.Types().Items(i)->Prop(QStringLiteral("type"));
    EXPECT_EQ(entries.join(QLatin1Char(' ')), QString::fromLatin1(c.rendered)) << c.syntax;
  }
}

}  // namespace
