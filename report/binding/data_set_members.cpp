// The members data sets give scripts: moving through the records, and the fields of the current
// record by name (Report.GetDataset('Pupils').Value['Name']).
#include "report/binding/report_class_members.h"

#include "report/binding/report_member_binding.h"
#include "report/datasets/data_set.h"
#include "script_engine/modules/strings_object.h"

using namespace rpmembers;

namespace {

using D = TrpDataSet;

void addMoving(TscClassVariable* c) {
  const struct {
    const char* syntax;
    void (D::*move)();
  } kMoves[] = {{"procedure Open", &D::Open},
                {"procedure Close", &D::Close},
                {"procedure First", &D::First},
                {"procedure Next", &D::Next},
                {"procedure Prior", &D::Prior}};
  for (const auto& m : kMoves)
    method(c, m.syntax, [move = m.move](TscHostObject* self, const QString& n, TscArgs&) {
      (objectAs<D>(self, n).*move)();
      return ScriptValue::Null();
    });
  method(c, "function Eof: Boolean",
         [](TscHostObject* self, const QString& n, TscArgs&) { return ScriptValue(objectAs<D>(self, n).Eof()); });
  method(c, "function RecordCount: Integer", [](TscHostObject* self, const QString& n, TscArgs&) {
    return ScriptValue(objectAs<D>(self, n).RecordCount());
  });
  property(c, "RecNo", "Integer",
           [](TscHostObject* self, const QString& n) { return ScriptValue(objectAs<D>(self, n).RecNo()); });
}

void addFields(TscClassVariable* c) {
  method(c, "function FieldsCount: Integer", [](TscHostObject* self, const QString& n, TscArgs&) {
    return ScriptValue(objectAs<D>(self, n).FieldsCount());
  });
  method(c, "function HasField(const fName: String): Boolean", [](TscHostObject* self, const QString& n, TscArgs& a) {
    return ScriptValue(objectAs<D>(self, n).HasField(a[0].ToText()));
  });
  method(c, "function IsBlobField(const fName: String): Boolean",
         [](TscHostObject* self, const QString& n, TscArgs& a) {
           return ScriptValue(objectAs<D>(self, n).IsBlobField(a[0].ToText()));
         });
  method(c, "procedure GetFieldList(List: TStrings)", [](TscHostObject* self, const QString& n, TscArgs& a) {
    auto& list = scArgumentAs<TscStringsObject>(a[0], scGeneralClasses().Strings, n);
    const QStringList fields = objectAs<D>(self, n).GetFieldList();
    list.List.Clear();
    for (const QString& field : fields) list.List.Add(field);
    return ScriptValue::Null();
  });
  indexProperty(c, "DisplayText", "String", "String", [](TscHostObject* self, const QString& n, const ScriptValue& f) {
    return ScriptValue(objectAs<D>(self, n).GetDisplayText(f.ToText()));
  });
  indexProperty(c, "DisplayWidth", "String", "Integer", [](TscHostObject* self, const QString& n, const ScriptValue& f) {
    return ScriptValue(objectAs<D>(self, n).GetDisplayWidth(f.ToText()));
  });
  indexProperty(c, "FieldType", "String", "TrpFieldType", [](TscHostObject* self, const QString& n, const ScriptValue& f) {
    return ScriptValue(static_cast<int>(objectAs<D>(self, n).GetFieldType(f.ToText())));
  });
  indexProperty(c, "Value", "String", "Variant", [](TscHostObject* self, const QString& n, const ScriptValue& f) {
    return objectAs<D>(self, n).GetValue(f.ToText());
  });
}

}  // namespace

void rpAddDataSetMembers(TscScript& script) {
  TscClassVariable* dataSet = script.FindClass(QStringLiteral("TrpDataSet"));
  if (!dataSet) return;
  addMoving(dataSet);
  addFields(dataSet);
}
