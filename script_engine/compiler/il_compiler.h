#pragma once
// TscILCompiler, the second phase of the compiler (private to the engine; hosts use compiler.h).
//
// It walks the intermediate document: declarations become variables, constants and procedures of
// the script being compiled (or of a procedure's local script), statements become statement
// objects, expressions become expression trees, names are resolved and types checked. The first
// error ends the compilation with a ScriptCompileError carrying the position of the innermost
// element examined (FErrorPos) and the unit being compiled (FUnitName).
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "script_engine/interpreter/var_type.h"

class TscCustomVariable;
class TscDesignator;
class TscExpression;
class TscParser;
class TscProcVariable;
class TscScript;
class TscSetExpression;
class TscStatement;
class TscXMLItem;

enum TscEmitOp { emNone, emCreate, emFree };

class TscILCompiler {
 public:
  // Deeper nesting of elements is refused: a hand-written intermediate form must not exhaust the
  // stack. Forms that phase 1 writes stay far below it.
  static constexpr int kMaxDepth = 1500;

  // program: the script compiled into; it also records the executable lines. source: the lexer
  // holding the main text, for the source texts of expressions (null when not at hand).
  TscILCompiler(TscScript* program, bool needDeclareVars, const TscXMLItem* grammarTypes,
                const TscParser* source);

  // Compiles a whole intermediate document's root into the program and its main list.
  void CompileProgram(const TscXMLItem& root);
  // Compiles a late-bound designator's kept form when it first runs.
  std::unique_ptr<TscDesignator> BindLate(const TscXMLItem& kept, TscScript* script);

  TscDesignator* DoDesignator(const TscXMLItem& e, TscScript* s, TscEmitOp emitOp);
  TscExpression* DoExpression(const TscXMLItem& e, TscScript* s);
  void DoStmt(const TscXMLItem& e, TscScript* s, TscStatement* list);

 private:
  struct DsgnState;
  struct WithEntry {
    TscCustomVariable* variable;  // the hidden variable holding the with-object
  };

  // Counts one level of nesting for as long as it lives.
  class Nesting {
   public:
    explicit Nesting(TscILCompiler* c);
    ~Nesting() { --FCompiler->FDepth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    TscILCompiler* FCompiler;
  };

  // --- errors and positions (il_compiler.cpp) ---
  [[noreturn]] void fail(const QString& message) const;
  [[noreturn]] void failNamed(const char* messageName, const QString& name) const;
  [[noreturn]] void failTypes(TscVarType target, const QString& targetName, TscVarType value,
                              const QString& valueName) const;
  void takePos(const TscXMLItem& e);
  void checkAssignable(const TscCustomVariable* target, const TscCustomVariable* value) const;

  // --- programs and declarations (il_compiler_decl.cpp) ---
  void compileProgram(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void declareProcedures(const TscXMLItem& e, TscScript* s);
  void declareProcedure(const TscXMLItem& e, TscScript* s);
  void declareParameters(const TscXMLItem& e, TscProcVariable* proc);
  void compileProcedure(const TscXMLItem& e, TscScript* s);
  void compileUses(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileConst(const TscXMLItem& e, TscScript* s);
  void compileVar(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void checkIdent(TscScript* s, const QString& name) const;
  void resolveType(TscScript* s, const QString& written, TscVarType& typ, QString& typeName);
  void makeArray(const TscXMLItem& e, TscScript* s, TscCustomVariable* v);

  // --- designators (il_compiler_designator.cpp) ---
  void firstItem(DsgnState& st, const QString& name, const QString& pos, TscEmitOp emitOp);
  void laterItem(DsgnState& st, const QString& name, const QString& pos);
  bool fromWith(DsgnState& st, const QString& name, const QString& pos);
  void classMember(DsgnState& st, const QString& name, const QString& pos);
  void variantPart(DsgnState& st, const QString& name, const QString& pos);
  void markLate(DsgnState& st, TscCustomVariable* withVariable);
  void checkArguments(TscDesignator* d);
  TscCustomVariable* sharedHelper(TscScript* s, const QString& name);

  // --- expressions and statements (il_compiler_statements.cpp) ---
  TscSetExpression* doSet(const TscXMLItem& e, TscScript* s);
  void addExprChildren(TscExpression* x, const TscXMLItem& e, TscScript* s);
  void compileAssign(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileCall(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileIf(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileCase(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileFor(const TscXMLItem& e, TscScript* s, TscStatement* list, bool basic);
  void compileCppFor(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileWhile(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileRepeat(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileTry(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileReturn(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileWith(const TscXMLItem& e, TscScript* s, TscStatement* list);
  void compileDelete(const TscXMLItem& e, TscScript* s, TscStatement* list);
  TscCustomVariable* loopVariable(const TscXMLItem& ident, TscScript* s);
  QString sourceText(const QString& from, const QString& to) const;
  TscStatement* stamp(TscStatement* statement, const TscXMLItem& e) const;

  TscScript* FProgram;
  bool FNeedDeclareVars;
  bool FRunTime = false;
  int FDepth = 0;  // binding late while the script runs
  const TscXMLItem* FGrammarTypes;
  const TscXMLItem* FProgRoot = nullptr;
  const TscParser* FSource;
  QString FUnitName;
  QString FErrorPos;
  std::vector<WithEntry> FWithList;
};
