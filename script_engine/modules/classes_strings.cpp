// The script classes TStrings and TStringList.
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/script_streams.h"
#include "script_engine/modules/strings_object.h"

bool TscStringsObject::AssignFrom(TscHostObject& source) {
  auto* strings = dynamic_cast<TscStringsObject*>(&source);
  if (!strings) return false;
  List.Assign(strings->List);
  return true;
}

namespace {

using Self = TscStringsObject;

ScriptValue none() { return ScriptValue::Null(); }

TscStreamObject& streamArgument(const ScriptValue& v, const char* member) {
  return scArgumentAs<TscStreamObject>(v, scGeneralClasses().Stream, QString::fromLatin1(member));
}

void registerEditing(TscClassVariable* c) {
  scBindMethod<Self>(c, "function Add(const S: string): Integer",
                     [](Self& s, TscArgs& a) { return ScriptValue(s.List.Add(a[0].ToText())); });
  scBindMethod<Self>(c, "function AddObject(const S: string; AObject: TObject): Integer",
                     [](Self& s, TscArgs& a) { return ScriptValue(s.List.Add(a[0].ToText(), a[1])); });
  scBindMethod<Self>(c, "procedure Clear", [](Self& s, TscArgs&) {
    s.List.Clear();
    return none();
  });
  scBindMethod<Self>(c, "procedure Delete(Index: Integer)", [](Self& s, TscArgs& a) {
    s.List.Delete(a[0].ToInt32());
    return none();
  });
  scBindMethod<Self>(c, "procedure Insert(Index: Integer; const S: string)", [](Self& s, TscArgs& a) {
    s.List.Insert(a[0].ToInt32(), a[1].ToText());
    return none();
  });
  scBindMethod<Self>(c, "procedure InsertObject(Index: Integer; const S: string; AObject: TObject)",
                     [](Self& s, TscArgs& a) {
                       s.List.Insert(a[0].ToInt32(), a[1].ToText(), a[2]);
                       return none();
                     });
  scBindMethod<Self>(c, "procedure Move(CurIndex, NewIndex: Integer)", [](Self& s, TscArgs& a) {
    s.List.Move(a[0].ToInt32(), a[1].ToInt32());
    return none();
  });
}

void registerSearching(TscClassVariable* c) {
  scBindMethod<Self>(c, "function IndexOf(const S: string): Integer",
                     [](Self& s, TscArgs& a) { return ScriptValue(s.List.IndexOf(a[0].ToText())); });
  scBindMethod<Self>(c, "function IndexOfName(const Name: string): Integer",
                     [](Self& s, TscArgs& a) { return ScriptValue(s.List.IndexOfName(a[0].ToText())); });
  scBindMethod<Self>(c, "function IndexOfObject(AObject: TObject): Integer",
                     [](Self& s, TscArgs& a) { return ScriptValue(s.List.IndexOfObject(a[0])); });
}

void registerFiles(TscClassVariable* c) {
  scBindMethod<Self>(c, "procedure LoadFromFile(const FileName: string)", [](Self& s, TscArgs& a) {
    s.List.SetText(scDecodeText(scReadFile(a[0].ToText())));
    return none();
  });
  scBindMethod<Self>(c, "procedure SaveToFile(const FileName: string)", [](Self& s, TscArgs& a) {
    scWriteFile(a[0].ToText(), s.List.Text().toUtf8());
    return none();
  });
  scBindMethod<Self>(c, "procedure LoadFromStream(Stream: TStream)", [](Self& s, TscArgs& a) {
    s.List.SetText(scDecodeText(streamArgument(a[0], "LoadFromStream").ReadAll()));
    return none();
  });
  scBindMethod<Self>(c, "procedure SaveToStream(Stream: TStream)", [](Self& s, TscArgs& a) {
    streamArgument(a[0], "SaveToStream").WriteBytes(s.List.Text().toUtf8());
    return none();
  });
}

void registerViews(TscClassVariable* c) {
  scBindProperty<Self>(
      c, "CommaText", "string", [](Self& s) { return s.List.CommaText(); },
      [](Self& s, const ScriptValue& v) { s.List.SetCommaText(v.ToText()); });
  scBindProperty<Self>(
      c, "Text", "string", [](Self& s) { return s.List.Text(); },
      [](Self& s, const ScriptValue& v) { s.List.SetText(v.ToText()); });
  scBindProperty<Self>(c, "Count", "Integer", [](Self& s) { return s.List.Count(); });
  scBindIndexProperty<Self>(c, "Names", "Integer", "string", false, [](Self& s, TscArgs& a, bool setting) {
    if (setting) throw ScriptError(QStringLiteral("TStrings.Names is read-only"));
    return s.List.Names(a[0].ToInt32());
  });
  scBindIndexProperty<Self>(c, "Values", "String", "string", false, [](Self& s, TscArgs& a, bool setting) {
    if (setting) s.List.SetValues(a[0].ToText(), a[1].ToText());
    return s.List.Values(a[0].ToText());
  });
  scBindIndexProperty<Self>(c, "Objects", "Integer", "TObject", false, [](Self& s, TscArgs& a, bool setting) {
    if (setting) s.List.SetObjects(a[0].ToInt32(), a[1]);
    return s.List.Objects(a[0].ToInt32());
  });
  scBindIndexProperty<Self>(c, "Strings", "Integer", "string", true, [](Self& s, TscArgs& a, bool setting) {
    if (setting) {
      s.List.SetStrings(a[0].ToInt32(), a[1].ToText());
      return QString();
    }
    return s.List.Strings(a[0].ToInt32());
  });
}

void registerSorting(TscClassVariable* c) {
  scBindMethod<Self>(c, "function Find(s: String; var Index: Integer): Boolean", [](Self& s, TscArgs& a) {
    int index = 0;
    const bool found = s.List.Find(a[0].ToText(), index);
    a[1] = ScriptValue(index);
    return ScriptValue(found);
  });
  scBindMethod<Self>(c, "procedure Sort", [](Self& s, TscArgs&) {
    s.List.Sort();
    return none();
  });
  scBindProperty<Self>(
      c, "Duplicates", "TDuplicates", [](Self& s) { return int(s.List.Duplicates()); },
      [](Self& s, const ScriptValue& v) {
        const int d = v.ToInt32();
        if (d < 0 || d > 2) throw ScriptError(QStringLiteral("Duplicates: no such value %1").arg(d));
        s.List.SetDuplicates(TscDuplicates(d));
      });
  scBindProperty<Self>(
      c, "Sorted", "Boolean", [](Self& s) { return s.List.Sorted(); },
      [](Self& s, const ScriptValue& v) { s.List.SetSorted(v.ToBool()); });
}

}  // namespace

void scRegisterStringClasses(TscScript& script) {
  const TscGeneralClasses& classes = scGeneralClasses();
  if (TscClassVariable* strings = script.AddClass(&classes.Strings, QStringLiteral("TPersistent"))) {
    scBindConstructor(strings, "constructor Create", script,
                      [](const TscHostClass& cls, TscMethodHelper&) {
                        return std::make_unique<TscStringsObject>(cls);
                      });
    registerEditing(strings);
    registerSearching(strings);
    registerFiles(strings);
    registerViews(strings);
  }
  if (TscClassVariable* list = script.AddClass(&classes.StringList, QStringLiteral("TStrings")))
    registerSorting(list);
}
