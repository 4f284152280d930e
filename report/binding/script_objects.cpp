#include "report/binding/script_objects.h"

#include <QMap>
#include <QMutex>

#include "report/component/report.h"
#include "report/datasets/custom_db_data_set.h"
#include "report/memo/styles.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/collection.h"
#include "report/objects/component.h"
#include "report/objects/custom_engine.h"
#include "report/objects/property_value.h"
#include "report/objects/variables.h"
#include "report/views/glass_fill.h"
#include "report/views/gradient_fill.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/interpreter/value_ops.h"
#include "script_engine/modules/classes_module.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

TrpScriptObject& scriptObject(TscHostObject& object) { return static_cast<TrpScriptObject&>(object); }

TscPropertyKind scriptKind(TrpPropertyKind kind) {
  switch (kind) {
    case TrpPropertyKind::Float: return TscPropertyKind::Float;
    case TrpPropertyKind::Boolean: return TscPropertyKind::Boolean;
    case TrpPropertyKind::String:
    case TrpPropertyKind::Strings: return TscPropertyKind::String;
    case TrpPropertyKind::Object: return TscPropertyKind::Class;
    // References may name objects of any class: their value is an object, members after it
    // are bound late.
    case TrpPropertyKind::Reference: return TscPropertyKind::Variant;
    // A set takes a set constructor ([fsBold, fsItalic]) as well as its bits.
    case TrpPropertyKind::Set: return TscPropertyKind::Set;
    default: return TscPropertyKind::Integer;
  }
}

ScriptValue readProperty(const TrpPropertyDescriptor& p, TrpScriptObject& self) {
  const QVariant value = p.Get(self.Object());
  switch (p.Kind) {
    case TrpPropertyKind::Float: return ScriptValue(static_cast<double>(rpVariantToFloat(value)));
    case TrpPropertyKind::Boolean: return ScriptValue(value.toBool());
    case TrpPropertyKind::String: return ScriptValue(value.toString());
    case TrpPropertyKind::Strings: return ScriptValue(value.toStringList().join(kLineBreak));
    case TrpPropertyKind::Object:
      return self.Owner().ValueOf(rpVariantToObject(value), self.Owner().OwnerOf(self));
    case TrpPropertyKind::Reference: return self.Owner().ValueOf(rpVariantToObject(value));
    default: return ScriptValue(rpVariantToInt(value));
  }
}

void writeProperty(const TrpPropertyDescriptor& p, TrpScriptObject& self, const ScriptValue& value) {
  switch (p.Kind) {
    case TrpPropertyKind::Float: p.Set(self.Object(), QVariant::fromValue<Extended>(value.ToDouble())); break;
    case TrpPropertyKind::Boolean: p.Set(self.Object(), QVariant(value.ToBool())); break;
    case TrpPropertyKind::String: p.Set(self.Object(), QVariant(value.ToText())); break;
    case TrpPropertyKind::Strings: {
      QString text = value.ToText();
      text.replace(kLineBreak, QStringLiteral("\n"));
      p.Set(self.Object(), QVariant(text.split(u'\n')));
      break;
    }
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Reference:
      p.Set(self.Object(), QVariant::fromValue<TrpPersistent*>(TrpScriptObjects::ObjectOf(value)));
      break;
    case TrpPropertyKind::Set: p.Set(self.Object(), QVariant(ValueOps::SetBits(value))); break;
    default: p.Set(self.Object(), QVariant(value.ToInt32())); break;
  }
}

bool hasProperty(const TrpClassInfo* info, const char* name) {
  return info && info->FindProperty(QLatin1String(name)) != nullptr;
}

// A sub-object property is typed with the class of `sample`'s sub-object, so that the compiler
// binds the members after it ("Font.Size") when it compiles the expression.
std::vector<TscPublishedProperty> ownProperties(const TrpClassInfo& info, const TrpPersistent& sample) {
  std::vector<TscPublishedProperty> properties;
  for (const TrpPropertyDescriptor& p : info.Properties()) {
    if (p.Kind == TrpPropertyKind::Picture || hasProperty(info.Parent(), p.Name)) continue;
    TscPublishedProperty property;
    property.Name = QString::fromLatin1(p.Name);
    property.Kind = scriptKind(p.Kind);
    if (p.Kind == TrpPropertyKind::Object) {
      const TrpPersistent* sub = p.Object ? p.Object(sample) : nullptr;
      if (sub)
        property.TypeName = QString::fromLatin1(sub->ClassInfo().ClassName());
      else
        property.Kind = TscPropertyKind::Variant;
    }
    const TrpPropertyDescriptor* d = &p;
    property.Get = [d](TscHostObject& o) { return readProperty(*d, scriptObject(o)); };
    if (!p.IsReadOnly())
      property.Set = [d](TscHostObject& o, const ScriptValue& v) { writeProperty(*d, scriptObject(o), v); };
    properties.push_back(std::move(property));
  }
  return properties;
}

// Enumeration and set names become integer constants: an enumeration value is its ordinal, a
// set element its bit.
void registerEnumNames(TscScript& script, const TrpClassInfo& info) {
  for (const TrpPropertyDescriptor& p : info.Properties()) {
    if (!p.Enum) continue;
    for (const TrpEnumValue& v : p.Enum->Values) {
      const int value = p.Kind == TrpPropertyKind::Set ? (1 << v.Value) : v.Value;
      script.AddConst(QString::fromLatin1(v.Name), QStringLiteral("Integer"), ScriptValue(value));
    }
  }
}

}  // namespace

// --- TrpScriptObject ------------------------------------------------------------------------------

TrpScriptObject::TrpScriptObject(TrpPersistent& object, TrpScriptObjects& owner)
    : FObject(object), FOwner(owner) {}

const TscHostClass* TrpScriptObject::HostClass() const {
  return &TrpScriptObjects::HostClassOf(FObject.ClassInfo(), FObject);
}

QString TrpScriptObject::ObjectName() const {
  const auto* component = dynamic_cast<const TrpComponent*>(&FObject);
  return component ? component->Name() : QString();
}

void TrpScriptObject::FreeByScript() {
  auto* component = dynamic_cast<TrpComponent*>(&FObject);
  auto* report = component ? dynamic_cast<TrpReport*>(component->Report()) : nullptr;
  if (!component || component == report || !report) TscHostObject::FreeByScript();
  if (report->Engine() && report->Engine()->Running())
    throw ScriptError(QStringLiteral("%1 cannot be freed while the report is prepared").arg(component->Name()));
  delete component;  // the report tells its script, which forgets this object
}

// --- TrpScriptObjects -----------------------------------------------------------------------------

namespace {

// The script engine's class a report class without a report ancestor derives from: report objects
// are components, their sub-objects (fonts, frames, fills, ...) persistent objects. So every report
// object has what TObject gives (ClassName, Free) and goes where a TObject is asked for.
const TscHostClass& rootParent(const TrpClassInfo& info) {
  const TscGeneralClasses& classes = scGeneralClasses();
  return &info == &TrpComponent::StaticClassInfo() ? classes.Component : classes.Persistent;
}

}  // namespace

const TscHostClass& TrpScriptObjects::HostClassOf(const TrpClassInfo& info, const TrpPersistent& sample) {
  static QMutex lock;
  static QMap<const TrpClassInfo*, std::shared_ptr<TscHostClass>> classes;
  QMutexLocker locker(&lock);
  if (const auto it = classes.constFind(&info); it != classes.constEnd()) return **it;
  locker.unlock();
  const TscHostClass* parent = info.Parent() ? &HostClassOf(*info.Parent(), sample) : &rootParent(info);
  auto made = std::make_shared<TscHostClass>(QString::fromLatin1(info.ClassName()), parent,
                                             ownProperties(info, sample));
  locker.relock();
  return **classes.insert(&info, made);
}

void TrpScriptObjects::RegisterClass(const TrpClassInfo& info, const TrpPersistent& sample) {
  const QString name = QString::fromLatin1(info.ClassName());
  if (FScript.Find(name)) return;
  if (info.Parent()) RegisterClass(*info.Parent(), sample);
  registerEnumNames(FScript, info);
  // The classes of the sub-objects too, so that their members can be compiled.
  for (const TrpPropertyDescriptor& p : info.Properties())
    if (p.Kind == TrpPropertyKind::Object && p.Object)
      if (const TrpPersistent* sub = p.Object(sample)) RegisterClass(sub->ClassInfo(), *sub);
  FScript.AddClass(&HostClassOf(info, sample), info.Parent()
                                                   ? QString::fromLatin1(info.Parent()->ClassName())
                                                   : rootParent(info).ClassName());
}

void TrpScriptObjects::RegisterAllClasses() {
  for (const TrpClassInfo* info : rpRegisteredClasses()) {
    if (FScript.Find(QString::fromLatin1(info->ClassName()))) continue;
    // An object of the class tells the classes of its sub-objects; it is made for that alone.
    std::unique_ptr<TrpComponent> sample(rpCreateObject(QString::fromLatin1(info->ClassName()), nullptr));
    if (sample) RegisterClass(*info, *sample);
  }
  // Classes no report object has by default: the other fills, the items of the report's lists
  // and the base of data-base data sets.
  const TrpGradientFill gradient;
  RegisterClass(gradient.ClassInfo(), gradient);
  const TrpGlassFill glass;
  RegisterClass(glass.ClassInfo(), glass);
  const TrpVariable variable;
  RegisterClass(variable.ClassInfo(), variable);
  const TrpStyleItem style;
  RegisterClass(style.ClassInfo(), style);
  const TrpCustomDBDataSet dataSet(nullptr);
  RegisterClass(dataSet.ClassInfo(), dataSet);
}

TrpScriptObjects::TrpScriptObjects(TscScript& script) : FScript(script) {
  FItemListener = TrpCollectionItem::AddDestroyedListener(
      [this](const TrpCollectionItem* item) { ForgetObject(item); });
}

TrpScriptObjects::~TrpScriptObjects() { TrpCollectionItem::RemoveDestroyedListener(FItemListener); }

TrpScriptObject* TrpScriptObjects::Wrap(TrpPersistent* object, TrpComponent* owner) {
  if (!object) return nullptr;
  if (auto it = FObjects.find(object); it != FObjects.end()) return it->second.Object.get();
  auto* component = dynamic_cast<TrpComponent*>(object);
  Entry entry;
  entry.Object = std::make_unique<TrpScriptObject>(*object, *this);
  entry.Component = component ? component : owner;
  if (!component && owner) FSubObjects[owner].push_back(object);
  RegisterClass(object->ClassInfo(), *object);
  return FObjects.emplace(object, std::move(entry)).first->second.Object.get();
}

ScriptValue TrpScriptObjects::ValueOf(TrpPersistent* object, TrpComponent* owner) {
  return ScriptValue(static_cast<ScriptObject*>(Wrap(object, owner)));
}

TrpComponent* TrpScriptObjects::OwnerOf(const TrpScriptObject& object) const {
  const auto it = FObjects.find(&object.Object());
  return it == FObjects.end() ? nullptr : it->second.Component;
}

TrpPersistent* TrpScriptObjects::ObjectOf(const ScriptValue& value) {
  auto* object = dynamic_cast<TrpScriptObject*>(scTryObjectOf(value));
  return object ? &object->Object() : nullptr;
}

void TrpScriptObjects::Forget(TrpComponent* component) {
  if (const auto it = FSubObjects.find(component); it != FSubObjects.end()) {
    for (const TrpPersistent* sub : it->second) FObjects.erase(sub);
    FSubObjects.erase(it);
  }
  FObjects.erase(component);
}

void TrpScriptObjects::Clear() {
  FObjects.clear();
  FSubObjects.clear();
}
