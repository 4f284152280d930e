#pragma once
// A collection of styles as a script object: the report's own ("Report.Styles") or one a script
// creates (TrpStyles.Create(Report)), which the script then owns. Its items are the styles' own
// script objects; a style the collection drops (Clear, LoadFromFile) is never used again.
#include <memory>

#include "script_engine/modules/classes_module.h"

class TrpScriptObjects;
class TrpStyles;

class TrpStylesScriptObject : public TscCollectionObject {
 public:
  TrpStylesScriptObject(TrpStyles& styles, TrpScriptObjects& objects);
  TrpStylesScriptObject(std::unique_ptr<TrpStyles> owned, TrpScriptObjects& objects);
  ~TrpStylesScriptObject() override;

  const TscHostClass* HostClass() const override;
  int CollectionCount() const override;
  ScriptValue CollectionItem(int index) override;
  void CollectionClear() override;
  void Release() override;  // a script frees its own collection: the styles go

  TrpStyles& Styles() const { return FStyles; }
  TrpScriptObjects& Objects() const { return FObjects; }

  // Registers "TrpStyles" with its members in `script`, unless known; `objects` hands out the
  // styles' own script objects.
  static void RegisterClass(TscScript& script, TrpScriptObjects& objects);

 private:
  std::unique_ptr<TrpStyles> FOwned;
  TrpStyles& FStyles;
  TrpScriptObjects& FObjects;
};
