#include "report/objects/variables.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

#include "report/objects/class_info.h"
#include "report/objects/object_attributes.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"
#include "report/xml/xml_document.h"
#include "script_engine/files/whole_file.h"
#include "script_engine/front/script_error.h"

namespace {

const QString kRoot = QStringLiteral("variables");
const QString kItem = QStringLiteral("item");

}  // namespace

// --- TrpVariable ----------------------------------------------------------------------------------

const TrpClassInfo& TrpVariable::StaticClassInfo() {
  using C = TrpVariable;
  static const TrpClassInfo info(
      "TrpVariable", nullptr, nullptr,
      {rpString<&C::InheritedName, &C::SetInheritedName>("InheritedName").NotStored(),
       rpString<&C::Name, &C::SetName>("Name"),
       rpString<&C::ValueText, &C::SetValueText>("Value")});
  return info;
}

const TrpClassInfo& TrpVariable::ClassInfo() const { return StaticClassInfo(); }

QString TrpVariable::ValueText() const {
  // Objects and arrays have no text form; a file keeps nothing of them.
  try {
    return FValue.ToText();
  } catch (const ScriptError&) {
    return QString();
  }
}

// --- TrpVariableCollection ------------------------------------------------------------------------

int TrpVariableCollection::IndexOf(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Name().compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

ScriptValue TrpVariableCollection::Variables(const QString& name) const {
  const int i = IndexOf(name);
  return i < 0 ? ScriptValue() : Items(i)->Value();
}

void TrpVariableCollection::SetVariables(const QString& name, const ScriptValue& value) {
  const int i = IndexOf(name);
  TrpVariable* item = i < 0 ? Add() : Items(i);
  if (i < 0) item->SetName(name);
  item->SetValue(value);
}


// --- TrpVariables: categories ---------------------------------------------------------------------

int TrpVariables::CategoryIndex(const QString& name) const {
  if (name.isEmpty()) return -1;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->IsCategory() && Items(i)->Name().mid(1).compare(name, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

int TrpVariables::CategoryEnd(int header) const {
  int i = header + 1;
  while (i < Count() && !Items(i)->IsCategory()) ++i;
  return i;
}

void TrpVariables::GetCategoriesList(QStringList& list, bool clearList) const {
  if (clearList) list.clear();
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->IsCategory()) list.append(Items(i)->Name().mid(1));
}

void TrpVariables::GetVariablesList(const QString& category, QStringList& list) const {
  list.clear();
  const int header = CategoryIndex(category);
  if (header < 0 && !category.isEmpty()) return;
  const int end = CategoryEnd(header);
  for (int i = header + 1; i < end; ++i) list.append(Items(i)->Name());
}

void TrpVariables::DeleteCategory(const QString& name) {
  const int header = CategoryIndex(name);
  if (header < 0) return;
  const int end = CategoryEnd(header);
  for (int i = end - 1; i >= header; --i) Delete(i);
}

void TrpVariables::DeleteVariable(const QString& name) {
  for (int i = 0; i < Count(); ++i)
    if (!Items(i)->IsCategory() && Items(i)->Name().compare(name, Qt::CaseInsensitive) == 0) {
      Delete(i);
      return;
    }
}

void TrpVariables::AddVariable(const QString& category, const QString& name, const ScriptValue& value) {
  const int existing = IndexOf(name);
  if (existing >= 0) {
    Items(existing)->SetValue(value);
    return;
  }
  const int header = CategoryIndex(category);
  if (header < 0 && !category.isEmpty()) return;
  TrpVariable* item = Insert(CategoryEnd(header));
  item->SetName(name);
  item->SetValue(value);
}

void TrpVariables::Assign(const TrpVariables& source) {
  Clear();
  for (int i = 0; i < source.Count(); ++i) {
    TrpVariable* item = Add();
    item->SetName(source.Items(i)->Name());
    item->SetValue(source.Items(i)->Value());
    item->SetInherited(source.Items(i)->Inherited());
  }
}

// --- TrpVariables: files --------------------------------------------------------------------------

void TrpVariables::LoadFromXMLItem(const TrpXMLItem& item, bool oldFormat, QStringList* errors) {
  Clear();
  for (int i = 0; i < item.Count(); ++i) {
    const TrpXMLItem& child = *item.Items(i);
    if (child.Name().compare(kItem, Qt::CaseInsensitive) != 0) continue;
    rpXMLToObj(child.Text(), *Add(), errors, nullptr, oldFormat);
  }
}

void TrpVariables::SaveToXMLItem(TrpXMLItem& item) const {
  for (int i = 0; i < Count(); ++i) {
    TrpXMLItem* child = item.Add(kItem);
    child->SetText(rpObjToXML(*Items(i)).trimmed());
  }
}

void TrpVariables::LoadFromStream(QIODevice& stream) {
  TrpXMLDocument document;
  document.LoadFromStream(&stream);
  TrpXMLItem& root = *document.Root();
  if (root.Name().compare(kRoot, Qt::CaseInsensitive) != 0) return;
  LoadFromXMLItem(root, document.OldVersion());
}

void TrpVariables::SaveToStream(QIODevice& stream) const {
  TrpXMLDocument document;
  document.SetAutoIndent(true);
  document.Root()->SetName(kRoot);
  SaveToXMLItem(*document.Root());
  document.SaveToStream(&stream);
}

void TrpVariables::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw TrpError(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
  LoadFromStream(file);
}

void TrpVariables::SaveToFile(const QString& fileName) const {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  SaveToStream(buffer);
  // A failed write keeps the old file.
  QString error;
  const auto write = [&buffer](QIODevice& file) { file.write(buffer.data()); };
  if (!scWriteWholeFile(fileName, write, error))
    throw TrpError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, error));
}

TrpVariables& rpGlobalVariables() {
  static TrpVariables variables;
  return variables;
}
