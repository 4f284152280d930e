#include "report/binding/wide_strings_object.h"

#include "script_engine/interpreter/script.h"
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/script_streams.h"

namespace {

const TscHostClass& wideStringsClass() {
  static const TscHostClass cls(QStringLiteral("TWideStrings"), &scGeneralClasses().Persistent);
  return cls;
}

using W = TrpWideStringsObject;

ScriptValue none() { return ScriptValue::Null(); }

TscStreamObject& streamArgument(const ScriptValue& value, const char* member) {
  return scArgumentAs<TscStreamObject>(value, scGeneralClasses().Stream, QString::fromLatin1(member));
}

QString textOf(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

void registerEditing(TscClassVariable* c) {
  scBindMethod<W>(c, "function Add(const S: string): Integer", [](W& w, TscArgs& a) { return ScriptValue(w.Add(a[0].ToText())); });
  scBindMethod<W>(c, "function AddObject(const S: string; AObject: TObject): Integer",
                  [](W& w, TscArgs& a) { return ScriptValue(w.Add(a[0].ToText(), a[1])); });
  scBindMethod<W>(c, "procedure Clear", [](W& w, TscArgs&) { w.Clear(); return none(); });
  scBindMethod<W>(c, "procedure Delete(Index: Integer)", [](W& w, TscArgs& a) { w.Delete(a[0].ToInt32()); return none(); });
  scBindMethod<W>(c, "procedure Insert(Index: Integer; const S: string)", [](W& w, TscArgs& a) {
    w.Insert(a[0].ToInt32(), a[1].ToText());
    return none();
  });
  scBindMethod<W>(c, "function IndexOf(const S: string): Integer", [](W& w, TscArgs& a) {
    const QString s = a[0].ToText();
    for (qsizetype i = 0; i < w.Lines().size(); ++i)
      if (w.Lines()[i].compare(s, Qt::CaseInsensitive) == 0) return ScriptValue(static_cast<int>(i));
    return ScriptValue(-1);
  });
}

void registerFiles(TscClassVariable* c) {
  scBindMethod<W>(c, "procedure LoadFromFile(const FileName: string)", [](W& w, TscArgs& a) {
    w.SetText(scDecodeText(scReadFile(a[0].ToText())));
    return none();
  });
  scBindMethod<W>(c, "procedure SaveToFile(const FileName: string)", [](W& w, TscArgs& a) {
    scWriteFile(a[0].ToText(), textOf(w.Lines()).toUtf8());
    return none();
  });
  scBindMethod<W>(c, "procedure LoadFromStream(Stream: TStream)", [](W& w, TscArgs& a) {
    w.SetText(scDecodeText(streamArgument(a[0], "LoadFromStream").ReadAll()));
    return none();
  });
  scBindMethod<W>(c, "procedure SaveToStream(Stream: TStream)", [](W& w, TscArgs& a) {
    streamArgument(a[0], "SaveToStream").WriteBytes(textOf(w.Lines()).toUtf8());
    return none();
  });
}

void registerViews(TscClassVariable* c) {
  scBindProperty<W>(c, "Count", "Integer", [](W& w) { return static_cast<int>(w.Lines().size()); });
  scBindProperty<W>(
      c, "Text", "string", [](W& w) { return textOf(w.Lines()); },
      [](W& w, const ScriptValue& v) { w.SetText(v.ToText()); });
  scBindIndexProperty<W>(c, "Objects", "Integer", "TObject", false, [](W& w, TscArgs& a, bool setting) {
    if (!setting) return w.Object(a[0].ToInt32());
    w.SetObject(a[0].ToInt32(), a[1]);
    return none();
  });
  scBindIndexProperty<W>(c, "Strings", "Integer", "string", true, [](W& w, TscArgs& a, bool setting) {
    const int index = a[0].ToInt32();
    w.Object(index);  // checks the index
    if (!setting) return ScriptValue(w.Lines()[index]);
    w.Lines()[index] = a[1].ToText();
    return none();
  });
}

}  // namespace

const TscHostClass* TrpWideStringsObject::HostClass() const { return &wideStringsClass(); }

bool TrpWideStringsObject::AssignFrom(TscHostObject& source) {
  auto* other = dynamic_cast<TrpWideStringsObject*>(&source);
  if (!other) return false;
  if (other != this) {
    FLines = other->FLines;
    FObjects.clear();
  }
  return true;
}

void TrpWideStringsObject::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) throw ScriptError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TrpWideStringsObject::FitObjects() { FObjects.resize(static_cast<std::size_t>(FLines.size())); }

ScriptValue TrpWideStringsObject::Object(int index) {
  CheckIndex(index, static_cast<int>(FLines.size()));
  FitObjects();
  const ScriptValue& object = FObjects[static_cast<std::size_t>(index)];
  return object.IsEmpty() ? ScriptValue::Null() : object;
}

void TrpWideStringsObject::SetObject(int index, const ScriptValue& object) {
  CheckIndex(index, static_cast<int>(FLines.size()));
  FitObjects();
  FObjects[static_cast<std::size_t>(index)] = object;
}

int TrpWideStringsObject::Add(const QString& line, const ScriptValue& object) {
  FitObjects();
  FLines.append(line);
  FObjects.push_back(object);
  return static_cast<int>(FLines.size()) - 1;
}

void TrpWideStringsObject::Insert(int index, const QString& line) {
  CheckIndex(index, static_cast<int>(FLines.size()) + 1);
  FitObjects();
  FLines.insert(index, line);
  FObjects.insert(FObjects.begin() + index, ScriptValue::Null());
}

void TrpWideStringsObject::Delete(int index) {
  CheckIndex(index, static_cast<int>(FLines.size()));
  FitObjects();
  FLines.removeAt(index);
  FObjects.erase(FObjects.begin() + index);
}

void TrpWideStringsObject::Clear() {
  FLines.clear();
  FObjects.clear();
}

void TrpWideStringsObject::SetText(const QString& text) {
  Clear();
  QString normal = text;
  normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (normal.endsWith(QLatin1Char('\n'))) normal.chop(1);
  if (!text.isEmpty()) FLines = normal.split(QLatin1Char('\n'));
}

void TrpWideStringsObject::RegisterClass(TscScript& script) {
  TscClassVariable* c = script.AddClass(&wideStringsClass(), QStringLiteral("TPersistent"));
  if (!c) return;
  scBindConstructor(c, "constructor Create", script,
                    [](const TscHostClass&, TscMethodHelper&) -> std::unique_ptr<TscHostObject> {
                      return std::make_unique<TrpWideStringsObject>();
                    });
  registerEditing(c);
  registerFiles(c);
  registerViews(c);
}
