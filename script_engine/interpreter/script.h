#pragma once
// TscScript: a compiled script program together with its name space.
//
// The name space is a list of (name, item) entries, names compared without regard to case. An
// entry added under a name already present comes before the earlier ones, so lookups find the
// latest. Lookups fall back to the parent script. Procedures have local scripts whose parent is
// the script that declared them.
//
// Run flags: FTerminated stops every statement list at its next statement, FExitCalled ends the
// current procedure (or the main program), FBreakCalled and FContinueCalled end the current loop
// body. Every procedure entry and every finally part saves, clears and restores them, so a flag
// never leaks out of the place that set it.
#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "script_engine/interpreter/value.h"
#include "script_engine/interpreter/var_type.h"
#include "script_engine/interpreter/variables.h"

class QIODevice;
class TscClassVariable;
class TscCreatedObjects;
class TscCustomEvent;
class TscHostClass;
class TscHostObject;
class TscILParser;
class TscMethodHelper;
class TscProcVariable;
class TscRTTIModule;
class TscScript;
class TscStatement;

// Handlers of registered functions and methods (see TscMethodHelper).
using TscCallMethod = std::function<ScriptValue(TscHostObject* instance, const TscHostClass* classRef,
                                                const QString& methodName,
                                                std::vector<ScriptValue>& args)>;
using TscCallMethodNew = std::function<ScriptValue(TscHostObject* instance,
                                                   const TscHostClass* classRef,
                                                   const QString& methodName,
                                                   TscMethodHelper& caller)>;

// Called before statements run, with the statement's unit and line:column position.
using TscRunLineEvent =
    std::function<void(TscScript& script, const QString& unitName, const QString& position)>;

// Every statement asks which script's line hook to call. Each script remembers the answer until
// a hook, a quiet flag or a parent changes anywhere, which this process-wide generation counts.
inline std::atomic<unsigned> scLineHookGeneration{1};
inline void scLineHooksChanged() { scLineHookGeneration.fetch_add(1, std::memory_order_relaxed); }

// A script's line hook: a TscRunLineEvent that counts its changes.
class TscLineHook {
 public:
  TscLineHook() = default;
  TscLineHook(const TscLineHook&) = delete;
  TscLineHook& operator=(const TscLineHook&) = delete;
  template <class Hook>
  TscLineHook& operator=(Hook&& hook) {
    FHook = std::forward<Hook>(hook);
    scLineHooksChanged();
    return *this;
  }
  explicit operator bool() const noexcept { return static_cast<bool>(FHook); }
  void operator()(TscScript& script, const QString& unitName, const QString& position) const {
    FHook(script, unitName, position);
  }

 private:
  TscRunLineEvent FHook;
};

// The second phase of the compiler: builds the program tree of `script` from the intermediate
// form held by `parser`. It raises ScriptCompileError (message, position, unit) on an error.
using TscCompilerPhase2 = std::function<void(TscScript& script, TscILParser& parser)>;

// A registration module: created on a script by AddRTTI, registering names in its constructor.
class TscRTTIModule {
 public:
  explicit TscRTTIModule(TscScript* script) : FScript(script) {}
  virtual ~TscRTTIModule() = default;
  TscScript* FScript;
};
using TscRTTIModuleFactory = TscRTTIModule* (*)(TscScript* script);

// The process-wide list of registration modules, in registration order.
void scAddRTTIModule(TscRTTIModuleFactory factory);
// Puts a module at `position` of the list (at its end when the list is shorter); a module already
// listed stays where it is.
void scInsertRTTIModule(std::size_t position, TscRTTIModuleFactory factory);
void scRemoveRTTIModule(TscRTTIModuleFactory factory);

// The run flags of a script (see above), one record so that a procedure call saves, clears and
// restores them at once and a statement list tests them at once.
struct TscRunFlags {
  bool FTerminated = false;
  bool FExitCalled = false;
  bool FBreakCalled = false;
  bool FContinueCalled = false;
  // Whether any of the four is set (one load).
  bool AnyRunFlag() const {
    std::uint32_t bits;
    std::memcpy(&bits, this, sizeof bits);
    return bits != 0;
  }
};
static_assert(sizeof(TscRunFlags) == sizeof(std::uint32_t));

class TscScript : public TscRunFlags {
 public:
  explicit TscScript(TscScript* parent = nullptr);
  TscScript(const TscScript&) = delete;
  TscScript& operator=(const TscScript&) = delete;
  ~TscScript();

  // --- name space ---
  // Adds item under name (empty for unnamed items). owned: the script frees the item.
  void Add(const QString& name, TscCustomVariable* item, bool owned = true);
  int Count() const { return static_cast<int>(FItems.size()); }
  TscCustomVariable* Items(int index) const { return FItems[std::size_t(index)].item; }
  void Remove(TscCustomVariable* item);  // without freeing
  TscCustomVariable* Find(const QString& name) const;
  TscCustomVariable* FindLocal(const QString& name) const;
  TscClassVariable* FindClass(const QString& name) const;
  // These free items and statements: they raise ScriptError while the script runs.
  void Clear();
  void ClearItems(const void* owner);
  void RemoveItems(const void* owner);
  // Grows whenever an item is added or removed (procedures rebuild their frame lists from it).
  int Version() const { return FVersion; }

  // --- registration ---
  void AddType(const QString& name, TscVarType typ);
  TscClassVariable* AddClass(const TscHostClass* hostClass, const QString& ancestor);
  void AddConst(const QString& name, const QString& typeName, const ScriptValue& value);
  void AddVariable(const QString& name, const QString& typeName, const ScriptValue& value);
  void AddObject(const QString& name, TscHostObject* object);
  void AddEnum(const QString& typeName, const QString& names);
  void AddEnumSet(const QString& typeName, const QString& names);
  TscMethodHelper* AddMethod(const QString& syntax, TscCallMethod handler,
                             const QString& category = QString(),
                             const QString& description = QString());
  TscMethodHelper* AddMethod(const QString& syntax, TscCallMethodNew handler,
                             const QString& category = QString(),
                             const QString& description = QString());
  void AddComponent(TscHostObject* component);
  void AddForm(TscHostObject* form) { AddComponent(form); }
  void AddRTTI();
  void ClearRTTI();
  bool HasRTTI() const { return FRTTIAdded; }
  // The type code and type name that a type name stands for: a registered type, else a
  // registered class, else Variant (known = false).
  TscVarType TypeOf(const QString& typeName, QString* resolvedName = nullptr,
                    bool* known = nullptr) const;
  // A variable of the kind its type calls for (a string variable for Char and String).
  static TscCustomVariable* CreateVariable(const QString& name, TscVarType typ,
                                           const QString& typeName);
  void AddEvent(TscCustomEvent* event);  // owned, lives as long as the script
  // The objects this script's program created; they go with the script (or its Clear).
  TscCreatedObjects& CreatedObjects();

  // --- compiling and running ---
  bool Compile();
  void Execute();
  bool Run();
  bool GetILCode(QIODevice& stream);
  bool SetILCode(QIODevice& stream);
  static void SetCompilerPhase2(TscCompilerPhase2 phase2);
  static bool HasCompilerPhase2();

  ScriptValue CallFunction(const QString& name, const ScriptValue& args, bool global = false);
  ScriptValue CallFunction1(const QString& name, ScriptValue& args, bool global = false);
  ScriptValue CallFunction2(TscProcVariable* proc, const ScriptValue& args);
  ScriptValue Evaluate(const QString& expression);

  ScriptValue Variable(const QString& name) const;
  void SetVariable(const QString& name, const ScriptValue& value);

  const QStringList& Lines() const { return FLines; }
  void SetLines(const QStringList& lines) { FLines = lines; }
  const QString& SyntaxType() const { return FSyntaxType; }
  void SetSyntaxType(const QString& syntax) { FSyntaxType = syntax; }

  void Terminate();
  void AddCodeLine(const QString& unitName, const QString& position);
  bool IsExecutableLine(int line, const QString& unitName = QString()) const;

  // Calls the line hook of the nearest script (this one or a parent) that has one.
  void RunLine(const QString& unitName, const QString& position);
  // That script, or none when there is no hook or a quiet script comes first. Inline and
  // remembered, as every statement asks before it runs.
  TscScript* LineHookScript() {
    if (FLineHookGeneration != scLineHookGeneration.load(std::memory_order_relaxed))
      return rememberLineHookScript();
    return FLineHookScript;
  }
  // The line hook is not called for this script's own statements, nor for those of scripts
  // below it.
  bool QuietLines() const { return FQuietLines; }
  void SetQuietLines(bool quiet) {
    FQuietLines = quiet;
    scLineHooksChanged();
  }

  TscScript* Parent() const { return FParent; }
  // The parent is changed only here, so that remembered line hooks are looked up again.
  void SetParent(TscScript* parent) {
    FParent = parent;
    scLineHooksChanged();
  }
  TscStatement* Statement() const { return FStatement.get(); }
  // The nearest script, this one or a parent, that is a main program.
  TscScript* MainProgram() {
    TscScript* s = this;
    while (!s->FMainProg && s->FParent) s = s->FParent;
    return s;
  }

  // --- state (public fields, as the compiler and the bindings fill them) ---
  TscScript* FParent;
  TscScript* FProgRunning = nullptr;
  // The procedure whose locals this script holds, if any: told when a variable is removed.
  TscProcVariable* FProcedure = nullptr;
  QStringList FLines;
  QString FSyntaxType = QStringLiteral("PascalScript");
  QStringList FIncludePath{QString()};
  QStringList FMacros;
  QMap<QString, QList<int>> FUnitLines;
  std::unique_ptr<TscStatement> FStatement;
  QString FErrorMsg, FErrorPos, FErrorUnit;
  bool FExtendedCharset = false;
  bool FUseClassLateBinding = false;
  bool FEvaluteRiseError = false;
  bool FIsRunning = false;
  bool FMainProg = true;
  bool FRTTIAdded = false;
  const void* FAddedBy = nullptr;
  std::function<void(TscScript&, const QString& unitName, QString& unitText)> FOnGetUnit;
  std::function<void(TscScript&, const QString& unitName, QString& ilText)> FOnGetILUnit;
  TscGetVarValueEvent FOnGetVarValue;
  TscLineHook FOnRunLine;

 private:
  TscScript* findLineHookScript();
  // Finds the line hook's script again and remembers it for the current generation; apart
  // from LineHookScript, so that a statement keeps nothing across the search.
  [[gnu::noinline]] TscScript* rememberLineHookScript();

  bool FQuietLines = false;
  unsigned FLineHookGeneration = 0;
  TscScript* FLineHookScript = nullptr;

  struct Entry {
    QString key;  // upper-cased name
    TscCustomVariable* item;
    bool owned;
  };
  std::vector<Entry>::const_iterator lowerBound(const QString& key) const;
  void freeEntry(std::size_t index);
  void checkNotRunning() const;
  void clearItems();  // every item, module items too
  void addNamed(const QString& name, const QString& typeName, const ScriptValue& value,
                bool readOnly);
  void addEnumValues(const QString& typeName, const QString& names, bool asSet);
  TscMethodHelper* addMethod(const QString& syntax, const QString& category,
                             const QString& description);
  void runPhase2(TscILParser& parser);

  TscProcVariable* findLocalProc(const QString& name);

  std::vector<Entry> FItems;
  // The procedure CallFunction found last by name in this script, valid while FVersion stays
  // FCallCacheVersion: a host calling one function many times looks it up once.
  QString FCallCacheName;
  TscProcVariable* FCallCacheProc = nullptr;
  int FCallCacheVersion = -1;
  std::vector<std::unique_ptr<TscRTTIModule>> FModules;
  std::vector<std::unique_ptr<TscCustomEvent>> FEvents;
  std::unique_ptr<TscCreatedObjects> FCreatedObjects;
  int FVersion = 0;
};

// The marker stamped (as FAddedBy) on every item a registration module adds.
const void* scModuleMarker();
