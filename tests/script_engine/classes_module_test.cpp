// The general classes scripts use: string lists, lists, components, streams and XML, each class
// from more than one syntax; and the rule that an object a script frees is never used again.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "compiler_support.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/created_objects.h"
#include "script_engine/modules/classes_module.h"
#include "sysmodule_support.h"

namespace {

struct ProgramResult {
  QString value;  // the variable's text, or the error's message with its line
  bool failed = false;
};

ProgramResult runFor(const QString& syntax, const QStringList& lines, const char* variable) {
  try {
    std::unique_ptr<TscScript> script = RunProgram(syntax, lines);
    return {script->Variable(QString::fromLatin1(variable)).ToText(), false};
  } catch (const ScriptError& e) {
    return {e.MessageWithLine(), true};
  }
}

struct ClassCase {
  const char* name;
  QString syntax;
  QStringList lines;
  const char* variable;
  QString expected;
};

void PrintTo(const ClassCase& c, std::ostream* os) { *os << c.name; }

class ClassPrograms : public testing::TestWithParam<ClassCase> {
 protected:
  void SetUp() override { PinSystemModuleEnvironment(); }
};

TEST_P(ClassPrograms, GiveTheirResult) {
  const ClassCase& c = GetParam();
  const ProgramResult r = runFor(c.syntax, c.lines, c.variable);
  EXPECT_EQ(r.value.toStdString(), c.expected.toStdString());
}

const ClassCase kStringLists[] = {
    {"SortedIgnoresDuplicatesIgnoringCase", kPascal,
     {"var s: TStringList; r: String;", "begin", "  s := TStringList.Create;",
      "  s.Sorted := True; s.Duplicates := dupIgnore;",
      "  s.Add('pear'); s.Add('apple'); s.Add('Pear'); s.Add('fig');",
      "  r := s.CommaText + '|' + IntToStr(s.Count) + '|' + IntToStr(s.IndexOf('PEAR'));",
      "  s.Free", "end."},
     "r", "apple,fig,pear|3|2"},
    {"SortedAcceptsDuplicatesBeforeTheirEqual", kJScript,
     {"var s = new TStringList;", "s.Sorted = true; s.Duplicates = dupAccept;",
      "s.Add(\"b\"); s.Add(\"a\"); s.Add(\"B\");", "r = s.CommaText;"},
     "r", "a,B,b"},
    {"SortedRefusesDuplicatesWhenAsked", kPascal,
     {"var s: TStringList;", "begin", "  s := TStringList.Create; s.Sorted := True;",
      "  s.Duplicates := dupError; s.Add('a');", "  s.Add('A')", "end."},
     "r", "String list does not allow duplicates (line 5)"},
    {"FindOnAnUnsortedListSearchesEveryLine", kJScript,
     {"var s = new TStringList; var i = 0;", "s.Add(\"b\"); s.Add(\"a\"); s.Add(\"c\");",
      "f = s.Find(\"A\", i); r = IntToStr(i);", "g = s.Find(\"zz\", i);",
      "r = r + \",\" + IntToStr(i) + \",\" + BoolToStr(f) + BoolToStr(g);"},
     "r", "1,3,-10"},
    {"FindOnASortedListGivesTheInsertionPlace", kPascal,
     {"var s: TStringList; i: Integer; r: String;", "begin", "  s := TStringList.Create;",
      "  s.CommaText := 'd,b,f'; s.Sort; s.Sorted := True;",
      "  if not s.Find('c', i) then r := IntToStr(i)", "end."},
     "r", "1"},
    {"CommaTextQuotesAndReadsBack", kPascal,
     {"var s, t: TStringList; r: String;", "begin", "  s := TStringList.Create;",
      "  s.Add('plain'); s.Add('two words'); s.Add('say \"hi\"'); s.Add('');",
      "  t := TStringList.Create; t.CommaText := s.CommaText;",
      "  r := s.CommaText + '|' + IntToStr(t.Count) + t[2] + '|' + t.Strings[1]", "end."},
     "r", "plain,\"two words\",\"say \"\"hi\"\"\",\"\"|4say \"hi\"|two words"},
    {"CommaTextSplitsAtBlanksOutsideQuotes", kCpp,
     {"TStringList s = new TStringList; string r;", "{ s.CommaText = \"a b,c , d\"; r = s.Text; }"},
     "r", "a\nb\nc\nd\n"},
    {"ValuesOfAMissingNameAreEmpty", kBasic,
     {"Set s = New TStringList", "s.Add(\"size=12\")", "s.Values(\"font\") = \"Kai\"",
      "r = \"[\" & s.Values(\"colour\") & \"]\" & s.Values(\"font\") & s.Names(0) & s.Count",
      "s.Values(\"size\") = \"\"", "r = r & s.Count"},
     "r", "[]Kaisize21"},
    {"ValuesInPascal", kPascal,
     {"var s: TStringList; r: String;", "begin", "  s := TStringList.Create;",
      "  s.Text := 'a=1'#13#10'b=2'#10'c'; ",
      "  r := s.Values['b'] + s.Values['c'] + IntToStr(s.IndexOfName('B')) + IntToStr(s.Count)",
      "end."},
     "r", "213"},
    {"InsertMoveDeleteAndObjects", kPascal,
     {"var s: TStringList; o: TObject; r: String;", "begin", "  s := TStringList.Create;",
      "  o := TObject.Create;", "  s.Add('a'); s.AddObject('b', o); s.Insert(0, 'z'); s.Move(0, 2);",
      "  s.Delete(0);", "  r := s.CommaText + IntToStr(s.IndexOfObject(o)) + s.Objects[0].ClassName",
      "end."},
     "r", "b,z0TObject"},
    {"IndexOutOfRangeIsAnError", kJScript,
     {"var s = new TStringList;", "s.Add(\"a\");", "r = s.Strings[3];"},
     "r", "List index out of bounds (3) (line 3)"},
    {"AssignCopiesTheLines", kCpp,
     {"TStringList a = new TStringList; TStringList b = new TStringList; string r;",
      "{ a.Add(\"x\"); a.Add(\"y\"); b.Assign(a); a.Clear(); r = b.CommaText + IntToStr(a.Count); }"},
     "r", "x,y0"},
};
INSTANTIATE_TEST_SUITE_P(StringLists, ClassPrograms, testing::ValuesIn(kStringLists),
                         [](const auto& info) { return std::string(info.param.name); });

const ClassCase kListsAndComponents[] = {
    {"ListAddsFindsAndRemoves", kPascal,
     {"var l: TList; a, b: TObject; r: String;", "begin", "  l := TList.Create;",
      "  a := TObject.Create; b := TObject.Create;", "  l.Add(a); l.Add(b); l.Insert(0, b);",
      "  r := IntToStr(l.IndexOf(a)) + IntToStr(l.Remove(b)) + IntToStr(l.Count);",
      "  l.Delete(0); r := r + IntToStr(l.Count) + l[0].ClassName", "end."},
     "r", "1021TObject"},
    {"ListInJScript", kJScript,
     {"var l = new TList; var s = new TStringList;", "l.Add(s); l.Add(l);",
      "r = l.Items[1].ClassName + IntToStr(l.Count);"},
     "r", "TList2"},
    {"ComponentOwnerIsNilOnceFreed", kPascal,
     {"var a, b: TComponent; r: String;", "begin", "  a := TComponent.Create(nil);",
      "  b := TComponent.Create(a);", "  r := b.Owner.ClassName;", "  a.Free;",
      "  if b.Owner = nil then r := r + ' gone'", "end."},
     "r", "TComponent gone"},
    {"ComponentInJScript", kJScript,
     {"var a = new TComponent(nil);", "var b = new TComponent(a);",
      "r = b.Owner.ClassName + BoolToStr(a.Owner == nil);"},
     "r", "TComponent-1"},
    {"AssignBetweenKindsIsRefused", kPascal,
     {"var s: TStringList; c: TComponent;", "begin", "  s := TStringList.Create;",
      "  c := TComponent.Create(nil);", "  s.Assign(c)", "end."},
     "r", "Cannot assign a TComponent to a TStringList (line 5)"},
};
INSTANTIATE_TEST_SUITE_P(ListsAndComponents, ClassPrograms, testing::ValuesIn(kListsAndComponents),
                         [](const auto& info) { return std::string(info.param.name); });

const ClassCase kStreams[] = {
    {"SeekAndReadPastTheEnd", kPascal,
     {"var m: TMemoryStream; b, c: String; r: String; n, p: Integer;", "begin",
      "  m := TMemoryStream.Create; m.Write('hello', 5); m.Position := 3;",
      "  n := m.Read(b, 10);", "  p := m.Seek(10, soFromBeginning);",
      "  r := b + IntToStr(n) + IntToStr(p) + IntToStr(m.Read(c, 4)) + '[' + c + ']';",
      "  m.Write('x', 1);", "  r := r + IntToStr(m.Size) + IntToStr(m.Seek(-1, soFromEnd))", "end."},
     "r", "lo2100[]1110"},
    {"SeekBeforeTheStartIsAnError", kJScript,
     {"var m = new TMemoryStream;", "m.Write(\"ab\", 2);", "m.Seek(-5, soFromCurrent);"},
     "r", "Seek before the start of the stream (-3) (line 3)"},
    {"CopyFromAndStringListsThroughAStream", kCpp,
     {"TMemoryStream a = new TMemoryStream; TMemoryStream b = new TMemoryStream;",
      "TStringList s = new TStringList; string r; int n;",
      "{ s.Add(\"第一\"); s.Add(\"two\"); s.SaveToStream(a); n = b.CopyFrom(a, 0);",
      "  b.Position = 0; s.Clear(); s.LoadFromStream(b); r = s.CommaText + IntToStr(n); }"},
     "r", "第一,two11"},
    {"ReadingMoreThanTheSourceHasIsAnError", kPascal,
     {"var a, b: TMemoryStream;", "begin", "  a := TMemoryStream.Create; b := TMemoryStream.Create;",
      "  a.Write('abc', 3); a.Position := 0;", "  b.CopyFrom(a, 10)", "end."},
     "r", "Stream read error (line 5)"},
};
INSTANTIATE_TEST_SUITE_P(Streams, ClassPrograms, testing::ValuesIn(kStreams),
                         [](const auto& info) { return std::string(info.param.name); });

const ClassCase kFreedObjects[] = {
    {"UseAfterFree", kPascal,
     {"var s: TStringList;", "begin", "  s := TStringList.Create;", "  s.Free;", "  s.Add('x')", "end."},
     "r", "The object has been freed (line 5)"},
    {"FreeTwice", kJScript,
     {"var s = new TMemoryStream;", "delete s;", "delete s;"},
     "r", "The object has been freed (line 3)"},
    {"FreeTwiceInBasic", kBasic,
     {"Set s = New TStringList", "s.Free", "s.Free"},
     "r", "The object has been freed (line 3)"},
    {"FreeOfNilDoesNothing", kPascal,
     {"var s: TStringList; r: String;", "begin", "  s := nil; s.Free; r := 'ok'", "end."},
     "r", "ok"},
    {"ItemOfAFreedDocument", kPascal,
     {"var d: TscXMLDocument; i: TscXMLItem;", "begin", "  d := TscXMLDocument.Create;",
      "  i := d.Root.Add;", "  d.Free;", "  i.Name := 'x'", "end."},
     "r", "The object has been freed (line 6)"},
    {"ItemDeletedWithItsParent", kJScript,
     {"var a = new TscXMLItem;", "var b = a.Add(); var c = b.Add();", "a.Clear();", "c.Name = \"x\";"},
     "r", "The object has been freed (line 4)"},
    {"AnObjectNewerThanTheFreedOneIsNotReachedThroughTheOldReference", kPascal,
     {"var a, b: TStringList;", "begin", "  a := TStringList.Create; a.Free;",
      "  b := TStringList.Create; b.Add('new');", "  a.Add('old')", "end."},
     "r", "The object has been freed (line 5)"},
};
INSTANTIATE_TEST_SUITE_P(FreedObjects, ClassPrograms, testing::ValuesIn(kFreedObjects),
                         [](const auto& info) { return std::string(info.param.name); });

const ClassCase kXML[] = {
    {"BuildItems", kPascal,
     {"var i, c: TscXMLItem; r: String;", "begin", "  i := TscXMLItem.Create; i.Name := 'sheet';",
      "  c := i.Add; c.Name := 'cell'; c.Prop['char'] := '永'; c.Data := 7;",
      "  i.FindItem('grid').Prop['rows'] := '4';",
      "  r := IntToStr(i.Count) + IntToStr(i.Find('grid')) + i[0].Prop['char'] + IntToStr(c.Data) +",
      "       c.Parent.Name + c.Root.Name + i.Items[1].Text", "end."},
     "r", "21永7sheetsheet rows=\"4\""},
    {"AnItemCannotGoUnderItself", kJScript,
     {"var a = new TscXMLItem;", "var b = a.Add();", "b.AddItem(a);"},
     "r", "AddItem: an item cannot go under itself (line 3)"},
    {"MovingAnItemTakesItFromItsParent", kCpp,
     {"TscXMLItem a = new TscXMLItem; TscXMLItem b = new TscXMLItem;",
      "string r;", "{ TscXMLItem c = a.Add(); c.Name = \"c\"; b.InsertItem(0, c);",
      "  r = IntToStr(a.Count) + IntToStr(b.Count) + c.Parent.Name; }"},
     "r", "01"},
};
INSTANTIATE_TEST_SUITE_P(XML, ClassPrograms, testing::ValuesIn(kXML),
                         [](const auto& info) { return std::string(info.param.name); });

// --- files ---

class ClassFiles : public testing::Test {
 protected:
  void SetUp() override {
    PinSystemModuleEnvironment();
    ASSERT_TRUE(FDir.isValid());
  }
  QString path(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir FDir;
};

TEST_F(ClassFiles, BinaryStreamRoundTripThroughAFile) {
  const QString file = path("bytes.bin");
  for (const QString& syntax : {kPascal, kJScript}) {
    SCOPED_TRACE(syntax.toStdString());
    QFile::remove(file);
    const QStringList lines =
        syntax == kPascal
            ? QStringList{"var f: TFileStream; s, t: String; i, n: Integer; ok: Boolean;", "begin",
                          "  for i := 0 to 255 do s := s + Chr(i);",
                          QStringLiteral("  f := TFileStream.Create('%1', fmCreate);").arg(file),
                          "  f.Write(s, 256); f.Free;",
                          QStringLiteral("  f := TFileStream.Create('%1', fmOpenRead);").arg(file),
                          "  n := f.Read(t, 1000); ok := (t = s) and (n = 256) and (f.Size = 256); f.Free",
                          "end."}
            : QStringList{"var s = \"\"; var t = \"\";", "for (var i = 0; i < 256; i++) s = s + Chr(i);",
                          QStringLiteral("var f = new TFileStream(\"%1\", fmCreate);").arg(file),
                          "f.Write(s, 256); delete f;",
                          QStringLiteral("f = new TFileStream(\"%1\", fmOpenRead);").arg(file),
                          "var n = f.Read(t, 1000); ok = (t == s) && (n == 256);"};
    const ProgramResult r = runFor(syntax, lines, "ok");
    EXPECT_EQ(r.value, "True");
    QFile bytes(file);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    const QByteArray content = bytes.readAll();
    ASSERT_EQ(content.size(), 256);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(static_cast<unsigned char>(content[i]), i);
  }
}

TEST_F(ClassFiles, FailuresAreScriptErrors) {
  const QString missing = path("missing.txt");
  const QString unwritable = path("no-such-folder/out.txt");
  const struct {
    QString syntax;
    QStringList lines;
    QString expected;
  } cases[] = {
      {kPascal, {"var s: TStringList;", "begin", "  s := TStringList.Create;",
                 QStringLiteral("  s.LoadFromFile('%1')").arg(missing), "end."},
       QStringLiteral("Cannot open file \"%1\": No such file or directory (line 4)").arg(missing)},
      {kJScript, {"var s = new TStringList;", QStringLiteral("s.SaveToFile(\"%1\");").arg(unwritable)},
       QStringLiteral("Cannot create file \"%1\"").arg(unwritable)},
      {kPascal, {"var f: TFileStream;", "begin",
                 QStringLiteral("  f := TFileStream.Create('%1', fmOpenRead)").arg(missing), "end."},
       QStringLiteral("Cannot open file \"%1\"").arg(missing)},
      {kCpp, {"TFileStream f;", QStringLiteral("{ f = new TFileStream(\"%1\", fmCreate); }").arg(unwritable)},
       QStringLiteral("Cannot create file \"%1\"").arg(unwritable)},
  };
  for (const auto& c : cases) {
    const ProgramResult r = runFor(c.syntax, c.lines, "x");
    EXPECT_TRUE(r.failed) << c.lines.join(' ').toStdString();
    EXPECT_TRUE(r.value.startsWith(c.expected)) << r.value.toStdString();
  }
}

TEST_F(ClassFiles, StringListAndXMLFilesKeepTheirText) {
  const QString list = path("words.txt");
  const QString xml = path("sheet.xml");
  const ProgramResult r = runFor(
      kPascal,
      {"var s: TStringList; d, e: TscXMLDocument; r: String;", "begin", "  s := TStringList.Create;",
       "  s.Add('永遠'); s.Add('second line');", QStringLiteral("  s.SaveToFile('%1');").arg(list),
       QStringLiteral("  s.Clear; s.LoadFromFile('%1');").arg(list),
       "  d := TscXMLDocument.Create; d.Root.Name := 'sheet';",
       "  d.Root.FindItem('cell').Prop['char'] := s[0];", QStringLiteral("  d.SaveToFile('%1');").arg(xml),
       QStringLiteral("  e := TscXMLDocument.Create; e.LoadFromFile('%1');").arg(xml),
       "  r := IntToStr(s.Count) + e.Root.Name + e.Root[0].Prop['char']", "end."},
      "r");
  EXPECT_EQ(r.value.toStdString(), "2sheet永遠");
}

TEST_F(ClassFiles, AMalformedXMLFileIsAnErrorTheScriptCanCatch) {
  const QString xml = path("broken.xml");
  QFile file(xml);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<?xml version=\"1.0\"?><sheet><cell char=\"a\"></sheet");
  file.close();
  const ProgramResult pascal = runFor(
      kPascal,
      {"var d: TscXMLDocument; r: String;", "begin", "  d := TscXMLDocument.Create;", "  try",
       QStringLiteral("    d.LoadFromFile('%1');").arg(xml), "  except", "    r := ExceptionMessage",
       "  end", "end."},
      "r");
  EXPECT_EQ(pascal.value, "Invalid file format");
  const ProgramResult basic = runFor(
      kBasic, {"Set d = New TscXMLDocument", QStringLiteral("d.LoadFromFile(\"%1\")").arg(xml)}, "r");
  EXPECT_EQ(basic.value, "Invalid file format (line 2)");
}

// --- ownership ---

TEST(CreatedObjects, GoWithTheScriptAndProgramObjectsCannotBeFreed) {
  PinSystemModuleEnvironment();
  TestCounter counter;
  auto script = std::make_unique<TscScript>();
  script->AddRTTI();
  RegisterCounterClass(*script);
  script->AddObject(QStringLiteral("Counter"), &counter);
  script->SetLines({"var a, b: TStringList; m: TMemoryStream;", "begin",
                    "  a := TStringList.Create; b := TStringList.Create; m := TMemoryStream.Create;",
                    "  b.Free;", "  Counter.Free", "end."});
  ASSERT_TRUE(script->Compile()) << script->FErrorMsg.toStdString();
  try {
    script->Execute();
    FAIL() << "freeing the program's object ran through";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.MessageWithLine(),
              "The TCounter object belongs to the program; a script cannot free it (line 5)");
  }
  EXPECT_EQ(script->CreatedObjects().LivingCount(), 2);  // a and m
  script.reset();  // valgrind and the sanitizer builds see that nothing is left
  EXPECT_EQ(counter.FValue, 0);
}

// A host collection as scripts see it through TCollection: items with a number.
const TscHostClass& numberItemClass() {
  static const TscHostClass c(
      QStringLiteral("TNumberItem"), &scGeneralClasses().CollectionItem,
      {TscPublishedProperty{QStringLiteral("Value"), TscPropertyKind::Integer, QString(),
                            [](TscHostObject& o) { return ScriptValue(static_cast<TestCounter&>(o).FValue); },
                            {}}});
  return c;
}

class NumberItem : public TestCounter {
 public:
  explicit NumberItem(int value) : TestCounter(QStringLiteral("Item"), false) { FValue = value; }
  const TscHostClass* HostClass() const override { return &numberItemClass(); }
};

class NumberCollection : public TscCollectionObject {
 public:
  NumberCollection() {
    for (int i = 0; i < 3; ++i) FItems.push_back(std::make_unique<NumberItem>(i * 10));
  }
  const TscHostClass* HostClass() const override { return &scGeneralClasses().Collection; }
  int CollectionCount() const override { return int(FItems.size()); }
  ScriptValue CollectionItem(int index) override {
    if (index < 0 || index >= CollectionCount()) throw ScriptError(QStringLiteral("no item %1").arg(index));
    return ScriptValue(static_cast<ScriptObject*>(FItems[std::size_t(index)].get()));
  }
  void CollectionClear() override { FItems.clear(); }
  std::vector<std::unique_ptr<NumberItem>> FItems;
};

TEST(CreatedObjects, CollectionsOfTheProgramReadThroughTCollection) {
  PinSystemModuleEnvironment();
  for (const QString& syntax : {kPascal, kJScript}) {
    NumberCollection numbers;
    TscScript script;
    script.AddRTTI();
    script.AddClass(&numberItemClass(), QStringLiteral("TCollectionItem"));
    script.AddObject(QStringLiteral("Numbers"), &numbers);
    script.SetSyntaxType(syntax);
    script.SetLines(
        syntax == kPascal
            ? QStringList{"var r: String;", "begin",
                          "  r := IntToStr(Numbers.Count) + IntToStr(TNumberItem(Numbers[2]).Value);",
                          "  Numbers.Clear; r := r + IntToStr(Numbers.Count)", "end."}
            : QStringList{"r = IntToStr(Numbers.Count) + IntToStr(TNumberItem(Numbers.Items[1]).Value);",
                          "Numbers.Clear(); r = r + IntToStr(Numbers.Count);"});
    ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
    script.Execute();
    EXPECT_EQ(script.Variable(QStringLiteral("r")).ToText().toStdString(), syntax == kPascal ? "3200" : "3100");
  }
}

}  // namespace
