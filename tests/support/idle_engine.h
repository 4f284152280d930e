#pragma once
// An engine that lays out nothing: every layout call does nothing and every height and aggregate
// is empty. Tests that only need the report to have an engine derive from it and write Run (and
// whatever else they watch).
#include "report/objects/custom_engine.h"

class IdleEngine : public TrpCustomEngine {
 public:
  using TrpCustomEngine::TrpCustomEngine;
  Extended GetPageHeight() const override { return 0; }
  void EndPage() override {}
  void BreakAllKeep() override {}
  void NewColumn() override {}
  void NewPage() override {}
  void ShowBand(TrpBand&) override {}
  void ShowBand(const TrpClassInfo&) override {}
  Extended HeaderHeight() const override { return 0; }
  Extended FooterHeight() const override { return 0; }
  Extended FreeSpace() const override { return 0; }
  ScriptValue GetAggregateValue(const QString&, const QString&, TrpBand*, int) override { return {}; }
};
