// TscScript: the name space and the registration of names.
#include "script_engine/interpreter/script.h"

#include <algorithm>

#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/created_objects.h"
#include "script_engine/interpreter/events.h"
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/method_syntax.h"
#include "script_engine/interpreter/procedure.h"
#include "script_engine/interpreter/statements.h"

namespace {

const char kModuleMarker = 0;

// The modules every script receives; the standard modules (scInstallStandardModules) lead it.
std::vector<TscRTTIModuleFactory>& moduleList() {
  static std::vector<TscRTTIModuleFactory> modules;
  return modules;
}

}  // namespace

const void* scModuleMarker() { return &kModuleMarker; }

void scInsertRTTIModule(std::size_t position, TscRTTIModuleFactory factory) {
  auto& list = moduleList();
  if (std::find(list.begin(), list.end(), factory) != list.end()) return;
  list.insert(list.begin() + std::ptrdiff_t(std::min(position, list.size())), factory);
}

void scAddRTTIModule(TscRTTIModuleFactory factory) {
  scInsertRTTIModule(moduleList().size(), factory);
}

void scRemoveRTTIModule(TscRTTIModuleFactory factory) {
  auto& list = moduleList();
  list.erase(std::remove(list.begin(), list.end(), factory), list.end());
}

TscScript::TscScript(TscScript* parent) : FParent(parent) {
  FStatement = std::make_unique<TscStatement>(this);
}

TscScript::~TscScript() {
  scLineHooksChanged();  // no script may remember this one as its line hook's
  clearItems();
  FCreatedObjects.reset();
  FModules.clear();
  FEvents.clear();
}

void TscScript::clearItems() {
  for (std::size_t i = FItems.size(); i-- > 0;)
    if (i < FItems.size()) freeEntry(i);
  FStatement->Clear();
}

// --- name space ---

std::vector<TscScript::Entry>::const_iterator TscScript::lowerBound(const QString& key) const {
  return std::lower_bound(FItems.begin(), FItems.end(), key,
                          [](const Entry& e, const QString& k) { return e.key < k; });
}

void TscScript::Add(const QString& name, TscCustomVariable* item, bool owned) {
  if (!item) return;
  item->FAddedBy = FAddedBy;
  QString key = name.toUpper();
  // Before every entry of the same name, so that lookups find the latest.
  auto at = lowerBound(key);
  FItems.insert(FItems.begin() + (at - FItems.begin()), Entry{key, item, owned});
  ++FVersion;
}

void TscScript::Remove(TscCustomVariable* item) {
  auto it = std::find_if(FItems.begin(), FItems.end(),
                         [item](const Entry& e) { return e.item == item; });
  if (it != FItems.end()) {
    FItems.erase(it);
    ++FVersion;
    if (FProcedure) FProcedure->LocalRemoved(item);
  }
}

namespace {

// Compares an upper-cased key with an ASCII name as if the name were upper-cased, without
// making the upper-cased copy: lookups happen at every host call of a script function.
int compareWithAsciiName(const QString& key, const QString& name) {
  const qsizetype n = std::min(key.size(), name.size());
  for (qsizetype i = 0; i < n; ++i) {
    char16_t c = name[i].unicode();
    if (c >= u'a' && c <= u'z') c = char16_t(c - (u'a' - u'A'));
    const char16_t k = key[i].unicode();
    if (k != c) return k < c ? -1 : 1;
  }
  return key.size() < name.size() ? -1 : key.size() > name.size() ? 1 : 0;
}

bool isAscii(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

}  // namespace

TscCustomVariable* TscScript::FindLocal(const QString& name) const {
  if (!isAscii(name)) {
    QString key = name.toUpper();
    auto at = lowerBound(key);
    return at != FItems.end() && at->key == key ? at->item : nullptr;
  }
  auto at = std::lower_bound(FItems.begin(), FItems.end(), name, [](const Entry& e, const QString& n) {
    return compareWithAsciiName(e.key, n) < 0;
  });
  return at != FItems.end() && compareWithAsciiName(at->key, name) == 0 ? at->item : nullptr;
}

TscCustomVariable* TscScript::Find(const QString& name) const {
  for (const TscScript* s = this; s; s = s->FParent)
    if (TscCustomVariable* v = s->FindLocal(name)) return v;
  return nullptr;
}

TscClassVariable* TscScript::FindClass(const QString& name) const {
  return dynamic_cast<TscClassVariable*>(Find(name));
}

void TscScript::freeEntry(std::size_t index) {
  Entry e = FItems[index];
  FItems.erase(FItems.begin() + std::ptrdiff_t(index));
  ++FVersion;
  if (e.owned) delete e.item;
}

// Freeing items or statements while they run would leave the running code pointing at freed
// memory; a script is cleared only while it is not running.
void TscScript::checkNotRunning() const {
  if (FIsRunning)
    throw ScriptError(QStringLiteral("A running script cannot be cleared"));
}

void TscScript::RemoveItems(const void* owner) {
  checkNotRunning();
  for (std::size_t i = FItems.size(); i-- > 0;)
    if (i < FItems.size() && FItems[i].item->FAddedBy == owner) freeEntry(i);
}

void TscScript::Clear() {
  checkNotRunning();
  for (std::size_t i = FItems.size(); i-- > 0;)
    if (i < FItems.size() && FItems[i].item->FAddedBy != scModuleMarker()) freeEntry(i);
  FStatement->Clear();
  if (FCreatedObjects) FCreatedObjects->Clear();  // nothing refers to them any more
  FUnitLines.clear();
  FErrorMsg.clear();
  FErrorPos.clear();
  FErrorUnit.clear();
}

void TscScript::ClearItems(const void* owner) {
  RemoveItems(owner);
  FStatement->Clear();
  FUnitLines.clear();
}

// --- registration ---

TscVarType TscScript::TypeOf(const QString& typeName, QString* resolvedName, bool* known) const {
  if (known) *known = true;
  if (resolvedName) *resolvedName = typeName;
  TscCustomVariable* v = Find(typeName);
  if (auto* t = dynamic_cast<TscTypeVariable*>(v)) {
    if (resolvedName) *resolvedName = t->FTypeName;
    return t->FTyp;
  }
  if (auto* c = dynamic_cast<TscClassVariable*>(v)) {
    if (resolvedName) *resolvedName = c->FName;
    return fvtClass;
  }
  if (known) *known = false;
  return fvtVariant;
}

TscCustomVariable* TscScript::CreateVariable(const QString& name, TscVarType typ,
                                             const QString& typeName) {
  if (typ == fvtString || typ == fvtChar) return new TscStringVariable(name, typ, typeName);
  return new TscVariable(name, typ, typeName);
}

void TscScript::AddType(const QString& name, TscVarType typ) {
  if (Find(name)) return;
  Add(name, new TscTypeVariable(name, typ, name));
}

TscClassVariable* TscScript::AddClass(const TscHostClass* hostClass, const QString& ancestor) {
  if (!hostClass || Find(hostClass->ClassName())) return nullptr;
  auto* c = new TscClassVariable(hostClass, ancestor, this);
  Add(hostClass->ClassName(), c);
  return c;
}

void TscScript::addNamed(const QString& name, const QString& typeName, const ScriptValue& value,
                         bool readOnly) {
  if (Find(name)) return;
  QString resolved;
  TscVarType typ = TypeOf(typeName, &resolved);
  TscCustomVariable* v = CreateVariable(name, typ, resolved);
  v->SetValue(value);
  v->FIsReadOnly = readOnly;
  if (!readOnly) v->FOnGetVarValue = FOnGetVarValue;
  Add(name, v);
}

void TscScript::AddConst(const QString& name, const QString& typeName, const ScriptValue& value) {
  addNamed(name, typeName, value, true);
}

void TscScript::AddVariable(const QString& name, const QString& typeName,
                            const ScriptValue& value) {
  addNamed(name, typeName, value, false);
}

void TscScript::AddObject(const QString& name, TscHostObject* object) {
  QString className = object && object->HostClass() ? object->HostClass()->ClassName() : QString();
  AddVariable(name, className, ScriptValue(static_cast<ScriptObject*>(object)));
}

void TscScript::addEnumValues(const QString& typeName, const QString& names, bool asSet) {
  AddType(typeName, fvtEnum);
  int value = asSet ? 1 : 0;
  for (const QString& part : names.split(QLatin1Char(','))) {
    QString name = part.trimmed();
    if (name.isEmpty()) continue;
    if (!Find(name)) {
      auto* c = new TscVariable(name, fvtEnum, typeName);
      c->FValue = ScriptValue(value);
      c->FIsReadOnly = true;
      Add(name, c);
    }
    value = asSet ? value * 2 : value + 1;
  }
}

void TscScript::AddEnum(const QString& typeName, const QString& names) {
  addEnumValues(typeName, names, false);
}

void TscScript::AddEnumSet(const QString& typeName, const QString& names) {
  addEnumValues(typeName, names, true);
}

TscMethodHelper* TscScript::addMethod(const QString& syntax, const QString& category,
                                      const QString& description) {
  TscMethodHelper* m = scCreateMethodHelper(syntax, this);
  m->FCategory = category;
  m->FDescription = description.isEmpty() ? m->FName : description;
  m->FProgram = this;
  Add(m->FName, m);
  return m;
}

TscMethodHelper* TscScript::AddMethod(const QString& syntax, TscCallMethod handler,
                                      const QString& category, const QString& description) {
  TscMethodHelper* m = addMethod(syntax, category, description);
  m->FOnCall = std::move(handler);
  return m;
}

TscMethodHelper* TscScript::AddMethod(const QString& syntax, TscCallMethodNew handler,
                                      const QString& category, const QString& description) {
  TscMethodHelper* m = addMethod(syntax, category, description);
  m->FOnCallNew = std::move(handler);
  return m;
}

void TscScript::AddComponent(TscHostObject* component) {
  if (!component || !component->HostClass()) return;
  const TscHostClass* hostClass = component->HostClass();
  TscClassVariable* c = FindClass(hostClass->ClassName());
  if (!c) {
    // Only form-like classes are registered here; other unregistered classes are left out.
    static const char* const kFormLike[] = {"TForm", "TDataModule", "TFrame"};
    for (const char* ancestor : kFormLike)
      if (hostClass->InheritsFrom(QString::fromLatin1(ancestor))) {
        c = AddClass(hostClass, QString::fromLatin1(ancestor));
        break;
      }
  }
  if (c)
    for (int i = 0; i < component->ComponentCount(); ++i)
      if (TscHostObject* owned = component->Component(i)) c->AddComponent(owned);
  AddObject(component->ObjectName(), component);
}

void TscScript::AddRTTI() {
  if (FRTTIAdded) return;
  FRTTIAdded = true;
  const void* was = FAddedBy;
  FAddedBy = scModuleMarker();
  for (TscRTTIModuleFactory factory : moduleList()) FModules.emplace_back(factory(this));
  FAddedBy = was;
}

void TscScript::ClearRTTI() {
  if (!FRTTIAdded) return;
  RemoveItems(scModuleMarker());
  FModules.clear();
  FRTTIAdded = false;
}

void TscScript::AddEvent(TscCustomEvent* event) { FEvents.emplace_back(event); }

TscCreatedObjects& TscScript::CreatedObjects() {
  if (!FCreatedObjects) FCreatedObjects = std::make_unique<TscCreatedObjects>();
  return *FCreatedObjects;
}

// --- executable lines ---

void TscScript::AddCodeLine(const QString& unitName, const QString& position) {
  bool ok = false;
  int line = position.section(QLatin1Char(':'), 0, 0).toInt(&ok);
  if (!ok) return;
  QList<int>& lines = FUnitLines[unitName];
  auto at = std::lower_bound(lines.begin(), lines.end(), line);
  if (at == lines.end() || *at != line) lines.insert(at, line);
}

bool TscScript::IsExecutableLine(int line, const QString& unitName) const {
  auto it = FUnitLines.find(unitName);
  return it != FUnitLines.end() && std::binary_search(it->begin(), it->end(), line);
}
