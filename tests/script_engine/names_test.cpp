// The name space and what hosts register in it: types, constants, enumerations, functions with
// their syntax, classes with members, host objects, events; string and array element access.
#include <gtest/gtest.h>

#include <memory>

#include "interp_builder.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/events.h"
#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/method_syntax.h"

using namespace build;

namespace {

class NameSpaceTest : public ::testing::Test {
 protected:
  TscScript script;
};

TEST_F(NameSpaceTest, LaterEntriesOfANameComeFirstAndCaseIsIgnored) {
  TscCustomVariable* first = Var(script, "Total", fvtInt, 1);
  TscCustomVariable* second = Var(script, "TOTAL", fvtInt, 2);
  EXPECT_EQ(script.Find("total"), second);
  script.Remove(second);
  delete second;
  EXPECT_EQ(script.Find("total"), first);
}

TEST_F(NameSpaceTest, LookupFallsBackToTheParentButFindLocalDoesNot) {
  TscCustomVariable* outer = Var(script, "shared", fvtInt, 1);
  TscScript child(&script);
  EXPECT_EQ(child.Find("shared"), outer);
  EXPECT_EQ(child.FindLocal("shared"), nullptr);
  TscCustomVariable* inner = Var(child, "shared", fvtInt, 2);
  EXPECT_EQ(child.Find("shared"), inner);
}

TEST_F(NameSpaceTest, RegistrationKeepsTheFirstOfANameExceptForFunctions) {
  script.AddType("Integer", fvtInt);
  script.AddType("Integer", fvtString);
  EXPECT_EQ(script.TypeOf("integer"), fvtInt);
  script.AddConst("Answer", "Integer", 42);
  script.AddConst("Answer", "Integer", 0);
  EXPECT_EQ(script.Variable("Answer"), ScriptValue(42));
  script.SetVariable("Answer", 1);  // constants are read-only
  EXPECT_EQ(script.Variable("Answer"), ScriptValue(42));
  auto echo = [](int n) {
    return TscCallMethod([n](TscHostObject*, const TscHostClass*, const QString&,
                             std::vector<ScriptValue>&) { return ScriptValue(n); });
  };
  script.AddMethod("function F: Integer", echo(1));
  TscMethodHelper* later = script.AddMethod("function F: Integer", echo(2));
  EXPECT_EQ(script.Find("F"), later);
}

TEST_F(NameSpaceTest, EnumerationsCountUpAndSetsDouble) {
  script.AddEnum("TAlign", "alNone, alTop ,alBottom");
  script.AddEnumSet("TAnchors", "akLeft,akTop,akRight,akBottom");
  EXPECT_EQ(script.Variable("alBottom"), ScriptValue(2));
  EXPECT_EQ(script.Variable("akBottom"), ScriptValue(8));
  EXPECT_EQ(script.Find("alTop")->FTyp, fvtEnum);
  EXPECT_EQ(script.Find("alTop")->FTypeName, QStringLiteral("TAlign"));
  EXPECT_TRUE(script.Find("akTop")->FIsReadOnly);
  EXPECT_EQ(script.TypeOf("TAnchors"), fvtEnum);
}

TEST_F(NameSpaceTest, ClearAndRemoveItemsFreeByOwner) {
  int owner = 0;
  script.FAddedBy = &owner;
  Var(script, "a", fvtInt, 1);
  script.FAddedBy = nullptr;
  Var(script, "b", fvtInt, 2);
  script.RemoveItems(&owner);
  EXPECT_EQ(script.Find("a"), nullptr);
  EXPECT_NE(script.Find("b"), nullptr);
  script.FErrorMsg = "old";
  script.Clear();
  EXPECT_EQ(script.Find("b"), nullptr);
  EXPECT_TRUE(script.FErrorMsg.isEmpty());
}

TEST_F(NameSpaceTest, ARunningScriptCannotBeCleared) {
  QString message;
  TscMethodHelper* clearAll = script.AddMethod(
      "procedure ClearAll", TscCallMethod([&](TscHostObject*, const TscHostClass*, const QString&,
                                              std::vector<ScriptValue>&) {
        try {
          script.Clear();
        } catch (const ScriptError& e) {
          message = e.Message();
        }
        return ScriptValue();
      }));
  CallStmt(*script.Statement(), script, Call(script, clearAll));
  script.Execute();
  EXPECT_EQ(message, QStringLiteral("A running script cannot be cleared"));
  script.Clear();  // afterwards it can
  EXPECT_EQ(script.Statement()->Count(), 0);
}

TscRTTIModule* testModule(TscScript* script) {
  auto* module = new TscRTTIModule(script);
  script->AddConst("ModuleConst", "Integer", 5);
  return module;
}

TEST_F(NameSpaceTest, ModuleItemsSurviveClearUntilClearRTTI) {
  scAddRTTIModule(testModule);
  script.AddRTTI();
  script.AddRTTI();  // once only
  Var(script, "mine", fvtInt, 1);
  script.Clear();
  EXPECT_EQ(script.Variable("ModuleConst"), ScriptValue(5));
  EXPECT_EQ(script.Find("mine"), nullptr);
  script.ClearRTTI();
  EXPECT_EQ(script.Find("ModuleConst"), nullptr);
  scRemoveRTTIModule(testModule);
}

TEST_F(NameSpaceTest, ExecutableLinesAreRecordedPerUnit) {
  script.AddCodeLine("", "12:3");
  script.AddCodeLine("unit.pas", "4:1");
  EXPECT_TRUE(script.IsExecutableLine(12));
  EXPECT_FALSE(script.IsExecutableLine(4));
  EXPECT_TRUE(script.IsExecutableLine(4, "unit.pas"));
}

TEST(MethodSyntaxTest, ReadsGroupsModesDefaultsAndResultType) {
  TscScript script;
  script.AddConst("Big", "Integer", 1000);
  TscMethodSyntax m = scParseMethodSyntax(
      "function Fmt(var a, b: Integer; const s: String = 'x'; n: Integer = -2; "
      "k: Integer = Big): Extended;",
      &script);
  EXPECT_EQ(m.name, QStringLiteral("Fmt"));
  EXPECT_TRUE(m.isFunc);
  EXPECT_EQ(m.resultType, QStringLiteral("Extended"));
  ASSERT_EQ(m.params.size(), 5u);
  EXPECT_TRUE(m.params[0].isVar);
  EXPECT_TRUE(m.params[1].isVar);
  EXPECT_FALSE(m.params[2].isVar);
  EXPECT_EQ(m.params[2].defValue, ScriptValue("x"));
  EXPECT_TRUE(m.params[2].isOptional);
  EXPECT_EQ(m.params[3].defValue, ScriptValue(-2));
  EXPECT_EQ(m.params[4].defValue, ScriptValue(1000));
  EXPECT_FALSE(m.params[0].isOptional);
}

TEST(MethodSyntaxTest, OnlyTheLastNameOfAGroupGetsTheDefault) {
  TscMethodSyntax m = scParseMethodSyntax("procedure P(a, b: Integer = 1)", nullptr);
  EXPECT_FALSE(m.isFunc);
  EXPECT_FALSE(m.params[0].isOptional);
  EXPECT_TRUE(m.params[1].isOptional);
}

TEST(MethodSyntaxTest, MacroAndConstructorForms) {
  TscMethodSyntax macro =
      scParseMethodSyntax("macro function IIF(Expr: Boolean; T, F: Variant): Variant", nullptr);
  EXPECT_TRUE(macro.isMacro);
  EXPECT_EQ(macro.params.size(), 3u);
  TscMethodSyntax ctor = scParseMethodSyntax("constructor Create(AOwner: TComponent)", nullptr);
  EXPECT_TRUE(ctor.isConstructor);
  EXPECT_THROW(scParseMethodSyntax("method X", nullptr), ScriptError);
}

TEST(RegisteredFunctionTest, ByReferenceParametersAreWrittenBackAndDefaultsFilledIn) {
  TscScript script;
  script.AddType("Integer", fvtInt);
  TscMethodHelper* inc = script.AddMethod(
      "procedure Inc(var i: Integer; incr: Integer = 1)",
      TscCallMethod([](TscHostObject*, const TscHostClass*, const QString& name,
                       std::vector<ScriptValue>& args) {
        EXPECT_EQ(name, QStringLiteral("INC"));
        args[0] = ScriptValue(args[0].ToInt32() + args[1].ToInt32());
        return ScriptValue();
      }));
  EXPECT_EQ(inc->GetNumberOfRequiredParams(), 1);
  Var(script, "n", fvtInt, 10);
  CallStmt(*script.Statement(), script,
           Call(script, inc, {Expr(script, {v("n")}), Expr(script, {c(5)})}));
  // The compiler fills a missing optional argument with its default.
  CallStmt(*script.Statement(), script,
           Call(script, inc, {Expr(script, {v("n")}), Expr(script, {c(inc->Param(1)->FDefValue)})}));
  script.Execute();
  EXPECT_EQ(script.Variable("n"), ScriptValue(16));
}

TEST(RegisteredFunctionTest, AHandlerCallingBackIntoTheSameFunctionKeepsItsArguments) {
  TscScript script;
  // function Twice(n: Integer): Integer -- for n > 0 also calls the script's Inner(n - 1),
  // which calls Twice again, before reading its own argument.
  TscProcVariable* inner = nullptr;
  TscMethodHelper* twice = script.AddMethod(
      "function Twice(n: Integer): Integer",
      TscCallMethod([&](TscHostObject*, const TscHostClass*, const QString&,
                        std::vector<ScriptValue>& args) {
        int n = args[0].ToInt32();
        if (n > 0) script.CallFunction2(inner, ScriptValue::ArrayOf({n - 1}));
        return ScriptValue(args[0].ToInt32() * 2);
      }));
  inner = Function(script, "Inner", fvtInt, {"k"});
  Assign(*inner->Program()->Statement(), *inner->Program(), "Result",
         {d(Call(*inner->Program(), twice, {Expr(*inner->Program(), {v("k")})}))});
  std::unique_ptr<TscDesignator> call(Call(script, twice, {Expr(script, {c(3)})}));
  EXPECT_EQ(call->GetValue(), ScriptValue(6));
}

TEST(RegisteredFunctionTest, MacroFunctionsReceiveTheArgumentSource) {
  TscScript script;
  TscMethodHelper* quote = script.AddMethod(
      "macro function Quote(x: Variant): String",
      TscCallMethod([](TscHostObject*, const TscHostClass*, const QString&,
                       std::vector<ScriptValue>& args) { return args[0]; }));
  TscExpression* arg = Expr(script, {c(1), op("+"), c(2)});
  arg->FSource = "1 + 2";
  std::unique_ptr<TscDesignator> call(Call(script, quote, {arg}));
  EXPECT_EQ(call->GetValue(), ScriptValue("1 + 2"));
}

// --- host classes and objects ---

class Shape : public TscHostObject {
 public:
  static const TscHostClass& Class() {
    static const TscHostClass c(
        "TShape", nullptr,
        {{"Width", TscPropertyKind::Integer, {},
          [](TscHostObject& o) { return ScriptValue(static_cast<Shape&>(o).width); },
          [](TscHostObject& o, const ScriptValue& v) { static_cast<Shape&>(o).width = v.ToInt32(); }},
         {"Visible", TscPropertyKind::Boolean, {},
          [](TscHostObject& o) { return ScriptValue(static_cast<Shape&>(o).visible ? 1 : 0); },
          [](TscHostObject& o, const ScriptValue& v) { static_cast<Shape&>(o).visible = v.ToBool(); }},
         {"Id", TscPropertyKind::Integer, {},
          [](TscHostObject&) { return ScriptValue(7); }, {}}});
    return c;
  }
  const TscHostClass* HostClass() const override { return &Class(); }
  int width = 10;
  bool visible = true;
};

class Circle : public Shape {
 public:
  static const TscHostClass& Class() {
    static const TscHostClass c("TCircle", &Shape::Class());
    return c;
  }
  const TscHostClass* HostClass() const override { return &Class(); }
};

class Other : public TscHostObject {
 public:
  static const TscHostClass& Class() {
    static const TscHostClass c("TOther", nullptr);
    return c;
  }
  const TscHostClass* HostClass() const override { return &Class(); }
};

class HostObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shapeClass = script.AddClass(&Shape::Class(), "");
    circleClass = script.AddClass(&Circle::Class(), "TShape");
    script.AddClass(&Other::Class(), "");
  }
  // obj.Member as a designator over the variable `var`.
  TscDesignator* member(const char* var, const char* name) {
    auto* designator = new TscDesignator(&script);
    designator->AddDesignatorItem(script.Find(var));
    TscClassVariable* cls = script.FindClass(script.Find(var)->FTypeName);
    designator->AddDesignatorItem(cls ? cls->FindMember(name) : shapeClass->FindMember(name));
    designator->Finish();
    return designator;
  }
  TscScript script;
  TscClassVariable* shapeClass = nullptr;
  TscClassVariable* circleClass = nullptr;
};

TEST_F(HostObjectTest, PublishedPropertiesAreReadAndWrittenByKind) {
  Circle circle;
  script.AddObject("c", &circle);
  EXPECT_EQ(script.Find("c")->FTypeName, QStringLiteral("TCircle"));
  std::unique_ptr<TscDesignator> width(member("c", "width"));
  EXPECT_EQ(width->GetValue(), ScriptValue(10));
  width->SetValue(ScriptValue(2.0));
  EXPECT_EQ(circle.width, 2);
  std::unique_ptr<TscDesignator> visible(member("c", "Visible"));
  EXPECT_EQ(visible->FTyp, fvtBool);
  EXPECT_EQ(visible->GetValue(), ScriptValue(true));  // the host's 1 is made a Boolean
  visible->SetValue(ScriptValue(false));
  EXPECT_FALSE(circle.visible);
  std::unique_ptr<TscDesignator> id(member("c", "Id"));
  EXPECT_TRUE(id->FIsReadOnly);
}

TEST_F(HostObjectTest, MembersOfTheAncestorAreFound) {
  EXPECT_NE(circleClass->FindMember("WIDTH"), nullptr);
  EXPECT_TRUE(circleClass->InheritsFrom(shapeClass));
  EXPECT_FALSE(shapeClass->InheritsFrom(circleClass));
}

TEST_F(HostObjectTest, MembersOnAnythingButALivingObjectOfTheClassAreErrors) {
  Var(script, "x", fvtVariant, 5);
  std::unique_ptr<TscDesignator> onNumber(member("x", "Width"));
  EXPECT_THROW(onNumber->GetValue(), ScriptError);

  auto freed = std::make_unique<Shape>();
  Var(script, "gone", fvtVariant, ScriptValue(static_cast<ScriptObject*>(freed.get())));
  freed.reset();
  std::unique_ptr<TscDesignator> onFreed(member("gone", "Width"));
  try {
    onFreed->GetValue();
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("The object has been freed"));
  }

  Other other;
  Var(script, "o", fvtVariant, ScriptValue(static_cast<ScriptObject*>(&other)));
  std::unique_ptr<TscDesignator> wrongClass(member("o", "Width"));
  EXPECT_THROW(wrongClass->GetValue(), ScriptError);
}

TEST_F(HostObjectTest, IsTellsTheClassAndIsFalseForNonObjects) {
  Circle circle;
  Other other;
  Var(script, "v", fvtVariant, 0);
  auto isShape = [&](const ScriptValue& value) {
    script.Find("v")->SetValue(value);
    auto* shapeRef = new TscDesignator(&script);
    shapeRef->AddDesignatorItem(shapeClass);
    shapeRef->Finish();
    std::unique_ptr<TscExpression> e(Expr(script, {v("v"), op("is"), d(shapeRef)}));
    return e->GetValue();
  };
  EXPECT_EQ(isShape(ScriptValue(static_cast<ScriptObject*>(&circle))), ScriptValue(true));
  EXPECT_EQ(isShape(ScriptValue(static_cast<ScriptObject*>(&other))), ScriptValue(false));
  EXPECT_EQ(isShape(ScriptValue(12345)), ScriptValue(false));
  EXPECT_EQ(isShape(ScriptValue("TShape")), ScriptValue(false));
  auto freed = std::make_unique<Circle>();
  ScriptValue stale(static_cast<ScriptObject*>(freed.get()));
  freed.reset();
  EXPECT_EQ(isShape(stale), ScriptValue(false));
}

TEST_F(HostObjectTest, TypeCastsAcceptNilAndObjectsOfTheClassOnly) {
  Circle circle;
  Other other;
  auto cast = [&](const ScriptValue& value) {
    std::unique_ptr<TscDesignator> d(Call(script, shapeClass, {Expr(script, {c(value)})}));
    return d->GetValue();
  };
  ScriptValue object(static_cast<ScriptObject*>(&circle));
  EXPECT_EQ(cast(object), object);
  EXPECT_EQ(cast(ScriptValue(0)), ScriptValue(0));
  EXPECT_THROW(cast(ScriptValue(42)), ScriptError);
  EXPECT_THROW(cast(ScriptValue(static_cast<ScriptObject*>(&other))), ScriptError);
  EXPECT_TRUE(shapeClass->Param(0)->FValue.IsNull());  // the cast argument is cleared
}

TEST_F(HostObjectTest, MethodsAndIndexedPropertiesReachTheirHandlers) {
  Shape shape;
  script.AddObject("s", &shape);
  std::vector<QString> calls;
  shapeClass->AddMethod("function Grow(by: Integer): Integer",
                        TscCallMethod([&](TscHostObject* o, const TscHostClass* cls,
                                          const QString& name, std::vector<ScriptValue>& args) {
                          calls.push_back(name + "/" + cls->ClassName());
                          static_cast<Shape*>(o)->width += args[0].ToInt32();
                          return ScriptValue(static_cast<Shape*>(o)->width);
                        }));
  shapeClass->AddDefaultProperty("Items", "Integer", "Integer",
                                 [&](TscHostObject*, const TscHostClass*, const QString& name,
                                     std::vector<ScriptValue>& args) {
                                   calls.push_back(name);
                                   return name.endsWith(".GET") ? ScriptValue(args[0].ToInt32() * 2)
                                                                : args[1];
                                 });
  auto* grow = new TscDesignator(&script);
  grow->AddDesignatorItem(script.Find("s"));
  grow->AddDesignatorItem(shapeClass->FindMember("Grow"))->AddArgument(Expr(script, {c(5)}));
  grow->Finish();
  std::unique_ptr<TscDesignator> g(grow);
  EXPECT_EQ(g->GetValue(), ScriptValue(15));

  auto* item = new TscDesignator(&script);
  item->AddDesignatorItem(script.Find("s"));
  item->AddDesignatorItem(shapeClass->FDefProperty)->AddArgument(Expr(script, {c(4)}));
  item->Finish();
  std::unique_ptr<TscDesignator> it(item);
  EXPECT_EQ(it->GetValue(), ScriptValue(8));
  it->SetValue(ScriptValue(1));
  EXPECT_EQ(calls, (std::vector<QString>{"GROW/TShape", "ITEMS.GET", "ITEMS.SET"}));
}

TEST_F(HostObjectTest, HandlersReadingArgumentsByIndexSeeTheAssignedValueLast) {
  Shape shape;
  script.AddObject("s", &shape);
  std::vector<ScriptValue> seen;
  TscMethodHelper* cell = shapeClass->AddMethod(
      "function Cell(x, y: Integer): Integer",
      TscCallMethodNew([&](TscHostObject*, const TscHostClass*, const QString& name,
                           TscMethodHelper& caller) {
        for (int i = 0; i <= caller.ArgumentCount(); ++i) seen.push_back(caller.Argument(i));
        seen.push_back(ScriptValue(name));
        return ScriptValue(0);
      }));
  cell->FIndexMethod = true;
  cell->FIsReadOnly = false;
  auto* d = new TscDesignator(&script);
  d->AddDesignatorItem(script.Find("s"));
  TscDesignatorItem* item = d->AddDesignatorItem(cell);
  item->AddArgument(Expr(script, {c(1)}));
  item->AddArgument(Expr(script, {c(2)}));
  d->Finish();
  std::unique_ptr<TscDesignator> owner(d);
  d->SetValue(ScriptValue("v"));
  EXPECT_EQ(seen, (std::vector<ScriptValue>{1, 2, "v", "CELL.SET"}));
  EXPECT_TRUE(cell->FSetValue.IsEmpty());  // only during the call
}

TEST_F(HostObjectTest, PropertyHandlersReceiveNilAndTheUpperCaseName) {
  QString seenName;
  TscPropertyHelper* count = shapeClass->AddProperty(
      "Count", "Integer", [&](TscHostObject* o, const TscHostClass*, const QString& name) {
        seenName = name;
        return ScriptValue(o ? 1 : 0);
      });
  EXPECT_TRUE(count->FIsReadOnly);
  Var(script, "none", fvtVariant);
  std::unique_ptr<TscDesignator> d(member("none", "Count"));
  EXPECT_EQ(d->GetValue(), ScriptValue(0));
  EXPECT_EQ(seenName, QStringLiteral("COUNT"));
  d->SetValue(ScriptValue(5));  // read-only: nothing happens
}

TEST_F(HostObjectTest, ComponentsOfAFormBecomeMembers) {
  struct Form : TscHostObject {
    static const TscHostClass& Class() {
      static const TscHostClass c("TMyForm", &Base());
      return c;
    }
    static const TscHostClass& Base() {
      static const TscHostClass c("TForm", nullptr);
      return c;
    }
    const TscHostClass* HostClass() const override { return &Class(); }
    QString ObjectName() const override { return "Form1"; }
    int ComponentCount() const override { return 1; }
    TscHostObject* Component(int) const override { return button; }
    TscHostObject* button = nullptr;
  };
  Shape button;
  Form form;
  form.button = &button;
  script.AddComponent(&form);
  TscClassVariable* cls = script.FindClass("TMyForm");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->FAncestor, QStringLiteral("TForm"));
  EXPECT_EQ(script.Variable("Form1"), ScriptValue(static_cast<ScriptObject*>(&form)));
  TscCustomHelper* member = cls->FindMember("");
  ASSERT_NE(member, nullptr);
  EXPECT_EQ(member->GetValue(), ScriptValue(static_cast<ScriptObject*>(&button)));
}

TEST_F(HostObjectTest, AutomationObjectsAreAClearError) {
  TscOLEHelper helper("Visible", fvtVariant, QString());
  try {
    helper.GetValue();
    FAIL() << "no error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(),
              QStringLiteral("Automation objects are not available on this platform: Visible"));
  }
}

// --- events ---

TEST_F(HostObjectTest, EventsCallTheAttachedProcedureButNotWhileItRuns) {
  Shape shape;
  script.AddObject("s", &shape);
  TscNotifyEvent* attached = nullptr;
  shapeClass->AddEvent("OnClick", scMakeEvent<TscNotifyEvent>,
                       [&](TscHostObject*, TscCustomEvent* e) {
                         attached = static_cast<TscNotifyEvent*>(e);
                       });
  // procedure Clicked(Sender: Variant); begin count := count + 1; (raise the event again) end;
  Var(script, "count", fvtInt, 0);
  TscProcVariable* handler = Function(script, "Clicked", fvtInt, {"Sender"}, false);
  TscScript& local = *handler->Program();
  Assign(*local.Statement(), local, "count", {v("count"), op("+"), c(1)});
  TscMethodHelper* again = script.AddMethod(
      "procedure Again", TscCallMethod([&](TscHostObject*, const TscHostClass*, const QString&,
                                           std::vector<ScriptValue>&) {
        attached->DoEvent(&shape);
        return ScriptValue();
      }));
  CallStmt(*local.Statement(), local, Call(local, again));

  std::unique_ptr<TscDesignator> onClick(member("s", "OnClick"));
  EXPECT_EQ(onClick->GetValue(), ScriptValue(QString()));
  onClick->SetValue(ScriptValue("Clicked"));
  ASSERT_NE(attached, nullptr);
  attached->DoEvent(&shape);
  EXPECT_EQ(script.Variable("count"), ScriptValue(1));
  onClick->SetValue(ScriptValue("0"));
  EXPECT_EQ(attached, nullptr);
  EXPECT_THROW(onClick->SetValue(ScriptValue("NoSuchProc")), ScriptError);
}

TEST(EventAdapterTest, ByReferenceArgumentsComeBack) {
  TscScript script;
  // procedure KeyDown(Sender: Variant; var Key: Integer; Shift: Integer); begin Key := 0 end;
  TscProcVariable* p = Function(script, "KeyDown", fvtInt, {"Sender"}, false);
  p->AddParameter("Key", fvtInt, QString(), true);
  p->AddParameter("Shift", fvtInt, QString(), false);
  Assign(*p->Program()->Statement(), *p->Program(), "Key", {c(0)});
  TscKeyEvent event(nullptr, p);
  int key = 13;
  event.DoEvent(nullptr, key, 0);
  EXPECT_EQ(key, 0);
}

// --- strings and arrays ---

class ElementTest : public ::testing::Test {
 protected:
  TscDesignator* element(const char* var, TscCustomVariable* helper,
                         std::vector<TscCustomVariable*> indices) {
    auto* d = new TscDesignator(&script);
    d->AddDesignatorItem(script.Find(var));
    TscDesignatorItem* item = d->AddDesignatorItem(helper);
    for (TscCustomVariable* index : indices) item->AddArgument(index);
    d->Finish();
    return d;
  }
  TscScript script;
  TscStringHelper stringHelper;
};

TEST_F(ElementTest, StringCharactersAreReadAndWrittenOneBased) {
  Var(script, "s", fvtString, "abc");
  std::unique_ptr<TscDesignator> second(element("s", &stringHelper, {Expr(script, {c(2)})}));
  EXPECT_EQ(second->FKind, dkStringArray);
  EXPECT_EQ(second->GetValue(), ScriptValue("b"));
  second->SetValue(ScriptValue("XYZ"));
  EXPECT_EQ(script.Variable("s"), ScriptValue("aXc"));
}

TEST_F(ElementTest, StringCharactersOutsideTheStringAreErrors) {
  Var(script, "s", fvtString, "abc");
  for (int index : {0, 4, -1}) {
    std::unique_ptr<TscDesignator> d(element("s", &stringHelper, {Expr(script, {c(index)})}));
    EXPECT_THROW(d->GetValue(), ScriptError) << index;
    EXPECT_THROW(d->SetValue(ScriptValue("x")), ScriptError) << index;
  }
  EXPECT_EQ(script.Variable("s"), ScriptValue("abc"));
}

TEST_F(ElementTest, StringCharactersOfAVariantGoThroughTheSharedHelper) {
  Var(script, "x", fvtVariant, "hello");
  std::unique_ptr<TscDesignator> d(element("x", &stringHelper, {Expr(script, {c(1)})}));
  EXPECT_EQ(d->FKind, dkOther);
  EXPECT_EQ(d->GetValue(), ScriptValue("h"));
  d->SetValue(ScriptValue("j"));
  EXPECT_EQ(script.Variable("x"), ScriptValue("jello"));
}

TEST_F(ElementTest, ArrayElementsAreBoundsChecked) {
  TscCustomVariable* arr = Var(script, "arr", fvtArray);
  arr->FValue = ScriptValue::CreateArray({ArrayBound{1, 3}});
  auto* helper = new TscArrayHelper("", 1, 1);
  script.Add("", helper);
  arr->FRefItem = helper;
  std::unique_ptr<TscDesignator> at2(element("arr", helper, {Expr(script, {c(2)})}));
  EXPECT_EQ(at2->FKind, dkArray);
  at2->SetValue(ScriptValue(5));
  EXPECT_EQ(at2->GetValue(), ScriptValue(5));
  std::unique_ptr<TscDesignator> at4(element("arr", helper, {Expr(script, {c(4)})}));
  EXPECT_THROW(at4->GetValue(), ScriptError);
  EXPECT_THROW(at4->SetValue(ScriptValue(1)), ScriptError);
}

TEST_F(ElementTest, TwoDimensionalArraysThroughTheSharedHelper) {
  Var(script, "grid", fvtVariant,
      ScriptValue::CreateArray({ArrayBound{0, 1}, ArrayBound{0, 2}}));
  TscArrayHelper shared("__ArrayHelper", 3, 1);
  std::unique_ptr<TscDesignator> cell(
      element("grid", &shared, {Expr(script, {c(1)}), Expr(script, {c(2)}),
                                Expr(script, {c(ScriptValue::Null())})}));
  cell->SetValue(ScriptValue("x"));
  EXPECT_EQ(cell->GetValue(), ScriptValue("x"));
  EXPECT_EQ(script.Variable("grid").ArrayGet({1, 2}), ScriptValue("x"));
  Var(script, "notArray", fvtVariant, 3);
  std::unique_ptr<TscDesignator> bad(element("notArray", &shared, {Expr(script, {c(0)})}));
  EXPECT_THROW(bad->GetValue(), ScriptError);
}

}  // namespace
