#pragma once
// The general classes module: the base classes every script knows (TObject, TPersistent,
// TComponent), lists, collections, string lists, streams and the XML item and document classes,
// with their constants and enumerations. Objects a script creates with them belong to the script
// (TscScript::CreatedObjects): freed by it or with it, never used after that.
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/script.h"

// The host classes of the module; other modules derive theirs from these.
struct TscGeneralClasses {
  TscHostClass Object{QStringLiteral("TObject"), nullptr};
  TscHostClass Persistent{QStringLiteral("TPersistent"), &Object};
  TscHostClass CollectionItem{QStringLiteral("TCollectionItem"), &Persistent};
  TscHostClass Collection{QStringLiteral("TCollection"), &Persistent};
  TscHostClass List{QStringLiteral("TList"), &Object};
  TscHostClass Strings{QStringLiteral("TStrings"), &Persistent};
  TscHostClass StringList{QStringLiteral("TStringList"), &Strings};
  TscHostClass Stream{QStringLiteral("TStream"), &Object};
  TscHostClass FileStream{QStringLiteral("TFileStream"), &Stream};
  TscHostClass MemoryStream{QStringLiteral("TMemoryStream"), &Stream};
  TscHostClass Component{QStringLiteral("TComponent"), &Persistent};
  TscHostClass XMLItem{QStringLiteral("TscXMLItem"), &Object};
  TscHostClass XMLDocument{QStringLiteral("TscXMLDocument"), &Object};
};
const TscGeneralClasses& scGeneralClasses();

// An object TPersistent.Assign can copy into: false when it cannot take the source's kind.
class TscPersistentObject : public TscHostObject {
 public:
  virtual bool AssignFrom(TscHostObject& source) = 0;
};

// A host collection as TCollection shows it to scripts (the report's variables, styles, ...).
class TscCollectionObject : public TscPersistentObject {
 public:
  virtual int CollectionCount() const = 0;
  virtual ScriptValue CollectionItem(int index) = 0;  // raises for an index out of range
  virtual void CollectionClear() = 0;
  bool AssignFrom(TscHostObject&) override { return false; }
};

TscRTTIModule* scCreateClassesModule(TscScript* script);

// A TList that `owner` owns, for hosts that hand lists to scripts; and its items replaced (false
// when the list is no longer there: the script freed it).
ScriptValue scNewList(TscScript& owner);
bool scSetListItems(const ScriptValue& list, std::vector<ScriptValue> items);

// The parts of the module, one registration function each.
void scRegisterBaseClasses(TscScript& script);
void scRegisterStringClasses(TscScript& script);
void scRegisterStreamClasses(TscScript& script);
void scRegisterXMLClasses(TscScript& script);

