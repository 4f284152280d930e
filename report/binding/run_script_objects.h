#pragma once
// The script objects "Engine" and "Outline": the report's layout engine and the outline of its
// prepared pages, as expressions and scripts reach them. Both follow the report: they act on the
// engine and outline the report has when a member is used, so they stay valid however the
// report's parts change.
#include "script_engine/interpreter/host_class.h"

class TrpReport;
class TscScript;

class TrpEngineScriptObject : public TscHostObject {
 public:
  explicit TrpEngineScriptObject(TrpReport& report) : FReport(report) {}
  const TscHostClass* HostClass() const override;
  QString ObjectName() const override { return QStringLiteral("Engine"); }
  // Registers the class "TrpCustomEngine" with its members in `script`, unless known.
  static void RegisterClass(TscScript& script);
  TrpReport& Report() const { return FReport; }

 private:
  TrpReport& FReport;
};

class TrpOutlineScriptObject : public TscHostObject {
 public:
  explicit TrpOutlineScriptObject(TrpReport& report) : FReport(report) {}
  const TscHostClass* HostClass() const override;
  QString ObjectName() const override { return QStringLiteral("Outline"); }
  // Registers the class "TrpCustomOutline" with its members in `script`, unless known.
  static void RegisterClass(TscScript& script);
  TrpReport& Report() const { return FReport; }

 private:
  TrpReport& FReport;
};
