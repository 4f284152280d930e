// The script classes TscXMLItem and TscXMLDocument over the engine's own XML tree.
//
// A script's item object stands for one item of a tree (one object per item, made when the script
// first reaches the item). The item tells its object when it is freed, with its tree or alone, and
// the object then counts as freed. An item a script creates (TscXMLItem.Create) belongs to its
// object until it is added to another item; freeing the object of an item in a tree deletes the
// item from the tree, except a document's root, which stays with its document.
#include <QBuffer>

#include "script_engine/front/xml.h"
#include "script_engine/interpreter/created_objects.h"
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/classes_module.h"
#include "script_engine/modules/script_streams.h"

namespace {

class ItemObject : public TscHostObject, public TscXMLItemWatcher {
 public:
  // created: the script made the item (TscXMLItem.Create); otherwise it is in a document's tree.
  ItemObject(TscXMLItem* item, bool created) : FItem(item), FCreated(created) {
    item->SetWatcher(this);
  }
  ~ItemObject() override {
    if (!FItem) return;
    FItem->SetWatcher(nullptr);
    if (ownsItem()) delete FItem;
  }
  const TscHostClass* HostClass() const override { return &scGeneralClasses().XMLItem; }

  void ItemGone() override {
    FItem = nullptr;
    Retire();
  }
  void Release() override {
    TscXMLItem* item = FItem;
    if (!item) return;
    if (TscXMLItem* parent = item->Parent()) {
      parent->Delete(indexIn(*parent, item));  // tells this object through ItemGone
    } else if (FCreated) {
      delete item;
    } else {  // a document's root stays with its document
      item->SetWatcher(nullptr);
      FItem = nullptr;
    }
  }

  TscXMLItem& Item() const {
    if (!FItem) throw ScriptError(QStringLiteral("The object has been freed"));
    return *FItem;
  }
  // A root that is not the script's own is a document's.
  bool IsDocumentRoot() const { return FItem && !FItem->Parent() && !FCreated; }
  int Data = 0;

 private:
  bool ownsItem() const { return FCreated && FItem && !FItem->Parent(); }
  static int indexIn(const TscXMLItem& parent, const TscXMLItem* item) {
    for (int i = 0; i < parent.Count(); ++i)
      if (parent.Items(i) == item) return i;
    return -1;
  }

  TscXMLItem* FItem;
  bool FCreated;
};

class DocumentObject : public TscHostObject {
 public:
  const TscHostClass* HostClass() const override { return &scGeneralClasses().XMLDocument; }
  void Release() override { Document.Clear(); }
  TscXMLDocument Document;
};

// The script's object for an item: the one it has, else a new one the script owns.
ScriptValue objectFor(TscScript& script, TscXMLItem* item) {
  if (!item) return ScriptValue(0);
  if (auto* known = dynamic_cast<ItemObject*>(item->Watcher()))
    return ScriptValue(static_cast<ScriptObject*>(known));
  return script.CreatedObjects().Adopt(std::make_unique<ItemObject>(item, false));
}

// The item an argument stands for, checked to be one that may go under `parent`.
TscXMLItem& childArgument(const ScriptValue& v, TscXMLItem& parent, const char* member) {
  auto& object = scArgumentAs<ItemObject>(v, scGeneralClasses().XMLItem, QString::fromLatin1(member));
  TscXMLItem& item = object.Item();
  if (object.IsDocumentRoot())
    throw ScriptError(QStringLiteral("%1: a document's root item cannot be moved").arg(QLatin1String(member)));
  for (const TscXMLItem* p = &parent; p; p = p->Parent())
    if (p == &item)
      throw ScriptError(QStringLiteral("%1: an item cannot go under itself").arg(QLatin1String(member)));
  return item;
}

ScriptValue none() { return ScriptValue::Null(); }

void registerItemMethods(TscClassVariable* c, TscScript& script) {
  using Self = ItemObject;
  scBindConstructor(c, "constructor Create", script, [](const TscHostClass&, TscMethodHelper&) {
    return std::make_unique<ItemObject>(new TscXMLItem, true);
  });
  scBindMethod<Self>(c, "procedure AddItem(Item: TscXMLItem)", [](Self& s, TscArgs& a) {
    TscXMLItem& parent = s.Item();
    parent.InsertItem(parent.Count(), &childArgument(a[0], parent, "AddItem"));
    return none();
  });
  scBindMethod<Self>(c, "procedure InsertItem(Index: Integer; Item: TscXMLItem)", [](Self& s, TscArgs& a) {
    TscXMLItem& parent = s.Item();
    const int index = a[0].ToInt32();
    if (index < 0 || index > parent.Count())
      throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
    parent.InsertItem(index, &childArgument(a[1], parent, "InsertItem"));
    return none();
  });
  scBindMethod<Self>(c, "procedure Clear", [](Self& s, TscArgs&) {
    s.Item().Clear();
    return none();
  });
  scBindMethod<Self>(c, "function Add: TscXMLItem", [&script](Self& s, TscArgs&) {
    return objectFor(script, s.Item().Add());
  });
  scBindMethod<Self>(c, "function Find(const Name: String): Integer",
                     [](Self& s, TscArgs& a) { return ScriptValue(s.Item().Find(a[0].ToText())); });
  scBindMethod<Self>(c, "function FindItem(const Name: String): TscXMLItem", [&script](Self& s, TscArgs& a) {
    return objectFor(script, s.Item().FindItem(a[0].ToText()));
  });
  scBindMethod<Self>(c, "function Root: TscXMLItem", [&script](Self& s, TscArgs&) {
    TscXMLItem* root = &s.Item();
    while (root->Parent()) root = root->Parent();
    return objectFor(script, root);
  });
}

void registerItemProperties(TscClassVariable* c, TscScript& script) {
  using Self = ItemObject;
  scBindProperty<Self>(
      c, "Data", "Integer", [](Self& s) { return s.Data; },
      [](Self& s, const ScriptValue& v) { s.Data = v.ToInt32(); });
  scBindProperty<Self>(c, "Count", "Integer", [](Self& s) { return s.Item().Count(); });
  scBindIndexProperty<Self>(c, "Items", "Integer", "TscXMLItem", true,
                            [&script](Self& s, TscArgs& a, bool setting) {
                              if (setting) throw ScriptError(QStringLiteral("TscXMLItem.Items is read-only"));
                              const int index = a[0].ToInt32();
                              if (index < 0 || index >= s.Item().Count())
                                throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
                              return objectFor(script, s.Item().Items(index));
                            });
  scBindIndexProperty<Self>(c, "Prop", "String", "String", false, [](Self& s, TscArgs& a, bool setting) {
    if (setting) s.Item().SetProp(a[0].ToText(), a[1].ToText());
    return s.Item().Prop(a[0].ToText());
  });
  scBindProperty<Self>(
      c, "Name", "String", [](Self& s) { return s.Item().Name(); },
      [](Self& s, const ScriptValue& v) { s.Item().SetName(v.ToText()); });
  scBindProperty<Self>(c, "Parent", "TscXMLItem",
                       [&script](Self& s) { return objectFor(script, s.Item().Parent()); });
  scBindProperty<Self>(
      c, "Text", "String", [](Self& s) { return s.Item().Text(); },
      [](Self& s, const ScriptValue& v) { s.Item().SetText(v.ToText()); });
}

TscStreamObject& streamArgument(const ScriptValue& v, const char* member) {
  return scArgumentAs<TscStreamObject>(v, scGeneralClasses().Stream, QString::fromLatin1(member));
}

void registerDocument(TscClassVariable* c, TscScript& script) {
  using Self = DocumentObject;
  scBindConstructor(c, "constructor Create", script, [](const TscHostClass&, TscMethodHelper&) {
    return std::make_unique<DocumentObject>();
  });
  scBindMethod<Self>(c, "procedure SaveToStream(Stream: TStream)", [](Self& s, TscArgs& a) {
    streamArgument(a[0], "SaveToStream").WriteBytes(s.Document.SaveToUtf8());
    return none();
  });
  scBindMethod<Self>(c, "procedure LoadFromStream(Stream: TStream)", [](Self& s, TscArgs& a) {
    s.Document.LoadFromUtf8(streamArgument(a[0], "LoadFromStream").ReadAll());
    return none();
  });
  scBindMethod<Self>(c, "procedure SaveToFile(const FileName: String)", [](Self& s, TscArgs& a) {
    scWriteFile(a[0].ToText(), s.Document.SaveToUtf8());
    return none();
  });
  scBindMethod<Self>(c, "procedure LoadFromFile(const FileName: String)", [](Self& s, TscArgs& a) {
    s.Document.LoadFromUtf8(scReadFile(a[0].ToText()));
    return none();
  });
  scBindProperty<Self>(c, "Root", "TscXMLItem", [&script](Self& s) {
    return objectFor(script, s.Document.Root());
  });
}

}  // namespace

void scRegisterXMLClasses(TscScript& script) {
  const TscGeneralClasses& classes = scGeneralClasses();
  if (TscClassVariable* item = script.AddClass(&classes.XMLItem, QStringLiteral("TObject"))) {
    registerItemMethods(item, script);
    registerItemProperties(item, script);
  }
  if (TscClassVariable* document = script.AddClass(&classes.XMLDocument, QStringLiteral("TObject")))
    registerDocument(document, script);
}
