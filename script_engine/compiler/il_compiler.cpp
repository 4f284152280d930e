// TscILCompiler: errors and positions, the whole-program entry, late binding and installation.
#include "script_engine/compiler/il_compiler.h"

#include "script_engine/compiler/compiler.h"
#include "script_engine/front/grammar.h"
#include "script_engine/front/il_parser.h"
#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"
#include "script_engine/front/xml.h"
#include "script_engine/interpreter/designator.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/statements.h"
#include "script_engine/interpreter/type_compat.h"
#include "script_engine/modules/standard_modules.h"

TscILCompiler::TscILCompiler(TscScript* program, bool needDeclareVars,
                             const TscXMLItem* grammarTypes, const TscParser* source)
    : FProgram(program), FNeedDeclareVars(needDeclareVars), FGrammarTypes(grammarTypes),
      FSource(source) {}

TscILCompiler::Nesting::Nesting(TscILCompiler* c) : FCompiler(c) {
  if (++c->FDepth > kMaxDepth) {
    --c->FDepth;
    c->fail(QStringLiteral("Program is nested too deeply"));
  }
}

// --- errors and positions ---

void TscILCompiler::fail(const QString& message) const {
  throw ScriptCompileError(message, FErrorPos, FUnitName);
}

void TscILCompiler::failNamed(const char* messageName, const QString& name) const {
  fail(scMessages::Text(QString::fromLatin1(messageName)) + QLatin1Char('\'') + name +
       QLatin1Char('\''));
}

void TscILCompiler::failTypes(TscVarType target, const QString& targetName, TscVarType value,
                              const QString& valueName) const {
  fail(scMessages::Text(QStringLiteral("SIncompatibleTypes")) + QStringLiteral(": '") +
       scTypeToString(target, targetName) + QStringLiteral("', '") +
       scTypeToString(value, valueName) + QLatin1Char('\''));
}

// Every element examined moves the error position to itself, so an error is reported at the
// innermost element being compiled.
void TscILCompiler::takePos(const TscXMLItem& e) {
  QString pos = e.Prop(QStringLiteral("pos"));
  if (!pos.isEmpty()) FErrorPos = pos;
}

void TscILCompiler::checkAssignable(const TscCustomVariable* target,
                                    const TscCustomVariable* value) const {
  if (!scAssignCompatible(target->FTyp, target->FTypeName, value->FTyp, value->FTypeName,
                          FProgram))
    failTypes(target->FTyp, target->FTypeName, value->FTyp, value->FTypeName);
}

// --- entry points ---

// Any error raised while compiling (a value conversion while evaluating a constant, a file that
// cannot be read) is reported at the element being compiled, like the compiler's own errors.
void TscILCompiler::CompileProgram(const TscXMLItem& root) {
  FWithList.clear();
  FUnitName.clear();
  FErrorPos.clear();
  try {
    compileProgram(root, FProgram, FProgram->Statement());
  } catch (const ScriptCompileError&) {
    throw;
  } catch (const ScriptError& e) {
    throw ScriptCompileError(e.Message(), FErrorPos, FUnitName);
  } catch (const std::bad_alloc&) {
    throw ScriptCompileError(QStringLiteral("Out of memory"), FErrorPos, FUnitName);
  }
}

// The kept form is a designator element; its attributes carry what the compilation knew then:
// whether names must be declared, the unit, and the with-variables that were active.
std::unique_ptr<TscDesignator> TscILCompiler::BindLate(const TscXMLItem& kept, TscScript* script) {
  FRunTime = true;
  FNeedDeclareVars = kept.Prop(QStringLiteral("declare")) != QLatin1String("0");
  FUnitName = kept.Prop(QStringLiteral("unit"));
  FWithList.clear();
  const QStringList withNames =
      kept.Prop(QStringLiteral("with")).split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& name : withNames)
    if (TscCustomVariable* v = script->Find(name)) FWithList.push_back(WithEntry{v});
  return std::unique_ptr<TscDesignator>(DoDesignator(kept, script, emNone));
}

namespace {

void phase2(TscScript& script, TscILParser& parser) {
  // Positions of the main text refer to the lexer's text; after SetILCode it has none.
  const TscParser* source = parser.Parser().Size() > 0 ? &parser.Parser() : nullptr;
  const TscXMLItem* types = parser.Grammar() ? &parser.Grammar()->Types() : nullptr;
  TscILCompiler compiler(&script, parser.NeedDeclareVars(), types, source);
  script.FErrorUnit.clear();
  compiler.CompileProgram(*parser.ILScript().Root());
}

std::unique_ptr<TscDesignator> lateBinder(TscDesignator& d) {
  TscScript* root = d.FProgram;
  while (root && root->Parent()) root = root->Parent();
  TscILCompiler compiler(root, true, nullptr, nullptr);
  return compiler.BindLate(*d.FLateBindingXmlSource, d.FProgram);
}

}  // namespace

void scInstallCompiler() {
  scInstallStandardModules();
  TscScript::SetCompilerPhase2(phase2);
  TscDesignator::SetLateBinder(lateBinder);
}
