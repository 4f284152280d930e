#include "report/store/xml_serializer.h"

#include "report/component/report.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/component.h"
#include "report/objects/custom_report.h"
#include "report/objects/object_streamer.h"
#include "report/objects/property_descriptor.h"
#include "report/objects/report_error.h"
#include "report/res/resources.h"
#include "report/xml/xml_document.h"
#include "report/xml/xml_text.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>

namespace {

TrpComponent* scopeOf(TrpComponent* object) {
  if (!object) return nullptr;
  if (TrpCustomReport* report = object->Report()) return report;
  return object;
}

bool isReport(const TrpComponent& object) { return object.InheritsFrom(TrpCustomReport::StaticClassInfo()); }

}  // namespace

void TrpXMLSerializer::AddError(const QString& message) {
  const auto at = std::lower_bound(FErrors.begin(), FErrors.end(), message,
                                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  if (at != FErrors.end() && at->compare(message, Qt::CaseInsensitive) == 0) return;
  FErrors.insert(at, message);
}

const TrpComponent* TrpXMLSerializer::AncestorOf(const TrpComponent& object) const {
  return OnGetAncestor ? OnGetAncestor(object) : nullptr;
}

QString TrpXMLSerializer::ObjToXML(const TrpPersistent& object, const QString& prefix, const TrpPersistent* ancestor) {
  return rpObjToXML(object, prefix, ancestor, SerializeDefaultValues);
}

void TrpXMLSerializer::XMLToObj(const QString& text, TrpPersistent& object) {
  TrpAttributeList attributes(text);
  ApplyAttributes(attributes, object);
}

void TrpXMLSerializer::ApplyAttributes(TrpAttributeList& attributes, TrpPersistent& object) {
  QStringList errors;
  attributes.Apply(object, &errors, &FFixups, OldFormat);
  for (const QString& e : errors) AddError(e);
}

// ---------------------------------------------------------------- writing

void TrpXMLSerializer::WriteItem(const TrpComponent& object, TrpXMLItem& item, bool isRoot, bool saveChildren) {
  const TrpComponent* ancestor = AncestorOf(object);
  item.SetName(object.IsAncestor() && !SaveAncestorOnly ? QStringLiteral("inherited") : object.ClassName());
  QString text = ObjToXML(SaveAncestorOnly && ancestor ? static_cast<const TrpPersistent&>(*ancestor) : object,
                          QString(), SaveAncestorOnly ? nullptr : ancestor);
  if (!isRoot) text.prepend(QLatin1String(" Name=\"") + rpStrToXML(object.Name()) + u'"');
  item.SetText(text.trimmed());
  if (HandleNestedProperties && object.rpComponentStyle().Has(csHandlesNestedProperties))
    object.WriteNestedProperties(item, ancestor);
  if (!saveChildren) return;
  for (TrpComponent* child : object.Objects()) WriteItem(*child, *item.Add(), false, true);
}

void TrpXMLSerializer::WriteRootComponent(const TrpComponent& root, bool saveChildren, bool streaming, TrpXMLItem* item) {
  (void)streaming;  // the XML form is the same whether or not a window is being streamed
  if (item) {
    WriteItem(root, *item, true, saveChildren);
    if (OnSaveCustomDataEvent) OnSaveCustomDataEvent(*item->Root()->Add(QStringLiteral("RpCustomData")));
    return;
  }
  TrpXMLDocument doc;
  doc.SetAutoIndent(true);
  WriteItem(root, *doc.Root(), true, saveChildren);
  if (OnSaveCustomDataEvent) OnSaveCustomDataEvent(*doc.Root()->Add(QStringLiteral("RpCustomData")));
  doc.SaveToStream(FStream);
}

QString TrpXMLSerializer::WriteComponentStr(const TrpComponent& object) {
  return object.ClassName() + ObjToXML(object, QString(), AncestorOf(object));
}

void TrpXMLSerializer::WriteComponent(const TrpComponent& object) {
  FStream->write(("<" + WriteComponentStr(object) + "/>").toUtf8());
}

// ---------------------------------------------------------------- reading

void TrpXMLSerializer::ReadItem(const TrpXMLItem& element, TrpComponent* parent, TrpComponent* root) {
  const QString name = element.Name();
  if (name == QLatin1String("RpCustomData")) {
    if (OnGetCustomDataEvent) OnGetCustomDataEvent(element);
    return;
  }
  const bool inherited = name == QLatin1String("inherited");
  // The root element is read into the object given, whose class needs no registration.
  if (!root && !inherited && !rpFindClass(name)) {
    AddError(rpResources()->Get(QStringLiteral("xrCantFindClass")) + u' ' + name);
    return;
  }
  TrpComponent* object = root;
  if (!object) {
    const QString objectName = element.Prop(QStringLiteral("Name"));
    TrpComponent* scope = Owner ? Owner : scopeOf(parent);
    object = scope && !objectName.isEmpty() ? scope->FindComponent(objectName) : nullptr;
    if (!object && !inherited) object = rpCreateObject(name, parent);
    if (!object) return;
  }
  object->SetIsLoading(true);
  XMLToObj(element.Text(), *object);
  FLoaded.append(object);
  const bool nested = HandleNestedProperties && object->rpComponentStyle().Has(csHandlesNestedProperties);
  for (int i = 0; i < element.Count(); ++i) {
    TrpXMLItem* child = element.Items(i);
    if (nested && object->ReadNestedProperty(*child)) continue;
    ReadItem(*child, object, nullptr);
  }
}

void TrpXMLSerializer::FixupReferences(TrpComponent* scope) {
  for (const TrpFixup& f : std::as_const(FFixups)) {
    if (!scope || f.Name.isEmpty() || f.Name == QLatin1String("nil")) continue;
    TrpComponent* target = scope->FindObject(f.Name);
    if (!target) target = scope->FindComponent(f.Name);
    // A dotted name points into another window or module, none of which exist here: the
    // reference stays unassigned and the missing owner is listed, and reading goes on.
    if (!target && f.Name.contains(u'.')) AddError(QStringLiteral("Missing ") + f.Name.section(u'.', 0, -2));
    if (target && f.Property->Set) f.Property->Set(*f.Object, QVariant::fromValue<TrpPersistent*>(target));
  }
  FFixups.clear();
}

void TrpXMLSerializer::FinishLoading() {
  for (TrpComponent* object : std::as_const(FLoaded)) {
    if (isReport(*object))
      object->SetIsLoading(false);
    else
      object->Loaded();
  }
  FLoaded.clear();
}

void TrpXMLSerializer::ReadRootComponent(TrpComponent& root, const TrpXMLItem* item) {
  TrpXMLDocument doc;
  if (!item) {
    doc.LoadFromStream(FStream);
    OldFormat = doc.OldVersion();
    item = doc.Root();
    // A document of something else (another program's XML, a page where a report is expected)
    // is refused as a whole rather than read into the wrong kind of object.
    const QString rootName = item->Name();
    if (rootName != QLatin1String("inherited") && !root.InheritsFrom(rootName.toUtf8().constData()))
      throw TrpError(rootName.isEmpty()
                         ? QStringLiteral("Invalid file format: the document is empty")
                         : QStringLiteral("Invalid file format: the document holds \"%1\", not %2")
                               .arg(rootName, root.ClassName()));
  }
  ReadItem(*item, nullptr, &root);
  FixupReferences(Owner ? Owner : scopeOf(&root));
  FinishLoading();
}

TrpComponent* TrpXMLSerializer::ReadComponentStr(TrpComponent* root, const QString& text, bool dontFixup) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return nullptr;
  const int blank = trimmed.indexOf(u' ');
  TrpAttributeList attributes(blank < 0 ? QString() : trimmed.mid(blank + 1));
  return ReadComponentAttributes(root, blank < 0 ? trimmed : trimmed.left(blank), {&attributes}, dontFixup);
}

TrpComponent* TrpXMLSerializer::ReadComponentAttributes(TrpComponent* root, const QString& className,
                                                        std::initializer_list<TrpAttributeList*> attributes,
                                                        bool dontFixup) {
  TrpComponent* object = rpCreateObject(className, root);
  if (!object) {
    AddError(rpResources()->Get(QStringLiteral("xrCantFindClass")) + u' ' + className);
    return nullptr;
  }
  object->SetIsLoading(true);
  for (TrpAttributeList* list : attributes) ApplyAttributes(*list, *object);
  FLoaded.append(object);
  if (!dontFixup) FixupReferences(Owner ? Owner : scopeOf(root));
  FinishLoading();
  return object;
}

TrpComponent* TrpXMLSerializer::ReadComponent(TrpComponent* root) {
  // One element: everything up to the closing "/>" of the tag.
  QByteArray tag;
  char byte;
  bool started = false;
  while (FStream->getChar(&byte)) {
    if (!started) {
      started = byte == '<';
      continue;
    }
    if (byte == '>') break;
    tag += byte;
  }
  if (tag.endsWith('/')) tag.chop(1);
  return ReadComponentStr(root, QString::fromUtf8(tag));
}

void TrpXMLSerializer::ReadPersistentStr(TrpComponent* root, TrpPersistent& object, const QString& text) {
  XMLToObj(text, object);
  FixupReferences(Owner ? Owner : scopeOf(root));
}

// ---------------------------------------------------------------- the report objects' streamer

namespace {

class XMLObjectStreamer : public TrpObjectStreamer {
 public:
  void SaveComponent(const TrpComponent& object, QIODevice& stream, bool saveChildren, bool saveDefaultValues,
                     bool streaming) override {
    TrpXMLSerializer serializer(&stream);
    serializer.SerializeDefaultValues = saveDefaultValues;
    // A report that inherits from an ancestor report writes its inherited objects as their
    // differences from the ancestor's.
    serializer.OnGetAncestor = [](const TrpComponent& o) -> TrpComponent* {
      const auto* report = dynamic_cast<const TrpReport*>(o.Report());
      return report ? const_cast<TrpComponent*>(report->AncestorOf(o)) : nullptr;
    };
    serializer.WriteRootComponent(object, saveChildren, streaming);
  }
  QStringList LoadComponent(TrpComponent& object, QIODevice& stream) override {
    TrpXMLSerializer serializer(&stream);
    serializer.ReadRootComponent(object);
    return serializer.Errors();
  }
  QString WriteComponentStr(const TrpComponent& object) override {
    return TrpXMLSerializer().WriteComponentStr(object);
  }
};

}  // namespace

void rpInstallXMLSerializer() {
  static XMLObjectStreamer streamer;
  rpSetObjectStreamer(&streamer);
}
