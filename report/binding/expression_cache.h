#pragma once
// TrpExpressionCache: every distinct expression text is compiled once, in the report's script
// language, as one small function "rpf<N>" of a side script, and called each time the text is
// evaluated again. The side script's parent is the script the caller names, so the function sees
// every name the report registered.
#include <QMap>
#include <QString>

#include <memory>
#include <vector>

#include "script_engine/interpreter/value.h"

class TscCustomVariable;
class TscProcVariable;
class TscScript;

class TrpExpressionCache {
 public:
  explicit TrpExpressionCache(TscScript* mainScript = nullptr);
  ~TrpExpressionCache();
  TrpExpressionCache(const TrpExpressionCache&) = delete;
  TrpExpressionCache& operator=(const TrpExpressionCache&) = delete;

  // The value of `expression` evaluated with `script` as the parent of the cache's functions.
  // A failure sets `errorMsg` (empty on success) and returns an empty value: a compile failure
  // as "Error in expression '<expression>': <message>", a run-time error as its message.
  ScriptValue Calc(const QString& expression, QString& errorMsg, TscScript* script);
  // Whether `script` is the cache's side script or one of its functions' local scripts.
  bool IsOwnScript(const TscScript* script) const;
  // Forgets every compiled expression.
  void Clear();

  // Whether expressions differing only in letter case are different (off by default).
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);
  // The language new functions are written in.
  const QString& ScriptLanguage() const { return FScriptLanguage; }
  void SetScriptLanguage(const QString& value) { FScriptLanguage = value; }
  // The script whose main program is marked inactive while a function runs.
  TscScript* MainScript() const { return FMainScript; }
  void SetMainScript(TscScript* value) { FMainScript = value; }
  int Count() const { return static_cast<int>(FFunctions.size()); }

  // The text of function `number` returning `expression` in `language`.
  static QString FunctionText(const QString& language, int number, const QString& expression);

 private:
  QString Key(const QString& expression) const;
  TscProcVariable* Compile(const QString& expression, QString& errorMsg);
  void DiscardFailedCompilation();

  std::unique_ptr<TscScript> FScript;
  // Items of compilations that failed while a function ran; they go with the script.
  std::vector<std::unique_ptr<TscCustomVariable>> FDiscarded;
  TscScript* FMainScript;
  QMap<QString, TscProcVariable*> FFunctions;  // expression (key) -> function in FScript
  QString FScriptLanguage = QStringLiteral("PascalScript");
  bool FCaseSensitive = false;
};
