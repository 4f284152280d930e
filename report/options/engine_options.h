#pragma once
// EngineOptions of a report: how the layout engine runs and how errors are reported.
#include <QString>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"

class QThread;

enum TrpSilentMode { simMessageBoxes, simSilent, simReThrow };
extern const TrpEnumType rpSilentModeType;

class TrpEngineOptions : public TrpPersistent {
 public:
  TrpEngineOptions() = default;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Copies ConvertNulls, DoublePass, MaxMemSize, PrintIfEmpty, NewSilentMode, TempDir,
  // UseFileCache and IgnoreDevByZero of another engine option record.
  void Assign(const TrpPersistent& source) override;
  // The report's Clear: ConvertNulls true, DoublePass and IgnoreDevByZero false.
  void Clear();

  bool ConvertNulls() const { return FConvertNulls; }
  void SetConvertNulls(bool value) { FConvertNulls = value; }
  bool DestroyForms() const { return FDestroyForms; }
  void SetDestroyForms(bool value) { FDestroyForms = value; }
  bool DoublePass() const { return FDoublePass; }
  void SetDoublePass(bool value) { FDoublePass = value; }
  int MaxMemSize() const { return FMaxMemSize; }  // mebibytes
  void SetMaxMemSize(int value) { FMaxMemSize = value; }
  bool PrintIfEmpty() const { return FPrintIfEmpty; }
  void SetPrintIfEmpty(bool value) { FPrintIfEmpty = value; }
  QThread* ReportThread() const { return FReportThread; }
  void SetReportThread(QThread* value) { FReportThread = value; }
  bool EnableThreadSafe() const { return FEnableThreadSafe; }
  void SetEnableThreadSafe(bool value) { FEnableThreadSafe = value; }
  TrpSilentMode NewSilentMode() const { return FNewSilentMode; }
  void SetNewSilentMode(TrpSilentMode value) { FNewSilentMode = value; }
  // A Boolean view of NewSilentMode: true exactly when it is simSilent; setting true gives
  // simSilent, false gives simMessageBoxes.
  bool SilentMode() const { return FNewSilentMode == simSilent; }
  void SetSilentMode(bool value) { FNewSilentMode = value ? simSilent : simMessageBoxes; }
  const QString& TempDir() const { return FTempDir; }
  void SetTempDir(const QString& value) { FTempDir = value; }
  bool UseFileCache() const { return FUseFileCache; }
  void SetUseFileCache(bool value) { FUseFileCache = value; }
  bool UseGlobalDataSetList() const { return FUseGlobalDataSetList; }
  void SetUseGlobalDataSetList(bool value) { FUseGlobalDataSetList = value; }
  bool IgnoreDevByZero() const { return FIgnoreDevByZero; }
  void SetIgnoreDevByZero(bool value) { FIgnoreDevByZero = value; }

 private:
  bool FConvertNulls = true;
  bool FDestroyForms = true;
  bool FDoublePass = false;
  int FMaxMemSize = 10;
  bool FPrintIfEmpty = true;
  QThread* FReportThread = nullptr;
  bool FEnableThreadSafe = false;
  TrpSilentMode FNewSilentMode = simMessageBoxes;
  QString FTempDir;
  bool FUseFileCache = false;
  bool FUseGlobalDataSetList = true;
  bool FIgnoreDevByZero = false;
};
