// The window-system and dialogs modules: constants and sets, the message and input boxes through
// injected answers, the answers without a window host, and the common file dialogs.
#include <gtest/gtest.h>

#include <deque>

#include "script_engine/interpreter/events.h"
#include "script_engine/modules/system_dialogs.h"
#include "script_engine/modules/window_module.h"
#include "sysmodule_support.h"

namespace {

// Dialogs that answer from queues and record what they were asked.
class AnsweringDialogs : public TscSystemDialogs {
 public:
  void ShowMessage(const QString& text) override { Asked << text; }
  int MessageDlg(const QString& text, int type, int buttons) override {
    Asked << QStringLiteral("%1|%2|%3").arg(text).arg(type).arg(buttons);
    return Answers.empty() ? 0 : take(Answers);
  }
  bool InputQuery(const QString& caption, const QString& prompt, QString& value) override {
    Asked << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + value;
    if (Typed.empty()) return false;
    value = take(Typed);
    return true;
  }
  bool FileDialog(TscFileDialogRequest& request) override {
    Asked << QStringLiteral("%1|%2|%3").arg(request.Save ? "save" : "open", request.Title, request.Filter);
    if (Typed.empty()) return false;
    request.FileName = take(Typed);
    return true;
  }
  template <class T>
  static T take(std::deque<T>& queue) {
    T front = queue.front();
    queue.pop_front();
    return front;
  }
  QStringList Asked;
  std::deque<int> Answers;
  std::deque<QString> Typed;  // an empty queue: the user cancels
};

class WindowDialogs : public testing::Test {
 protected:
  void SetUp() override {
    PinSystemModuleEnvironment();
    auto dialogs = std::make_unique<AnsweringDialogs>();
    Dialogs = dialogs.get();
    scSetSystemDialogs(std::move(dialogs));
  }
  void TearDown() override { scSetSystemDialogs(nullptr); }
  QString run(const QString& syntax, const QStringList& lines) {
    return RunProgram(syntax, lines)->Variable(QStringLiteral("r")).ToText();
  }
  AnsweringDialogs* Dialogs = nullptr;
};

TEST_F(WindowDialogs, ConstantsAndSetsHaveTheWindowSystemsValues) {
  ExpectAll(kPascal, {{"mrOk", "1"}, {"mrCancel", "2"}, {"mrYesToAll", "10"},
                      {"crHandPoint", "-21"}, {"crSizeAll", "-22"}, {"VK_F1", "112"},
                      {"VK_RETURN", "13"}, {"bsDialog", "3"}, {"taCenter", "2"},
                      {"alClient", "5"}, {"wsMaximized", "2"}, {"cbGrayed", "2"},
                      {"mbYes", "1"}, {"mbOK", "4"}, {"mtConfirmation", "3"},
                      {"ssShift in [ssShift, ssCtrl]", "True"}, {"ssAlt in [ssShift, ssCtrl]", "False"},
                      {"fmCreate", "65280"}, {"dupError", "2"}});
  ExpectAll(kJScript, {{"mrNo", "7"}, {"VK_ESCAPE", "27"}});
}

TEST_F(WindowDialogs, MessageDlgPassesItsTypeAndCombinedButtons) {
  Dialogs->Answers = {7};  // mrNo
  EXPECT_EQ(run(kPascal, {"var r: String;", "begin",
                          "  if MessageDlg('Print all 40 sheets?', mtConfirmation, [mbYes, mbNo], 0) = mrNo then",
                          "    r := 'not printed'", "end."}),
            "not printed");
  EXPECT_EQ(Dialogs->Asked, QStringList{"Print all 40 sheets?|3|3"});
}

TEST_F(WindowDialogs, InputQueryWritesItsVariableBackOnlyOnOk) {
  Dialogs->Typed = {QStringLiteral("永和")};
  EXPECT_EQ(run(kPascal, {"var s, r: String; ok: Boolean;", "begin", "  s := 'old';",
                          "  ok := InputQuery('Sheet', 'Word:', s); r := s + BoolToStr(ok);",
                          "  ok := InputQuery('Sheet', 'Word:', s); r := r + s + BoolToStr(ok)", "end."}),
            "永和-1永和0");
  EXPECT_EQ(Dialogs->Asked, (QStringList{"Sheet|Word:|old", "Sheet|Word:|永和"}));
  Dialogs->Typed = {QStringLiteral("typed")};
  EXPECT_EQ(run(kJScript, {"var a = InputBox(\"T\", \"P\", \"first\");", "var b = InputBox(\"T\", \"P\", \"second\");",
                           "r = a + \",\" + b;"}),
            "typed,second");
}

TEST_F(WindowDialogs, FileDialogsAnswerTheChosenName) {
  Dialogs->Typed = {QStringLiteral("/tmp/week.txt")};
  EXPECT_EQ(run(kPascal, {"var d: TOpenDialog; r: String;", "begin", "  d := TOpenDialog.Create(nil);",
                          "  d.Title := 'Words'; d.Filter := 'Text files|*.txt';",
                          "  if d.Execute then r := d.FileName;", "  if not d.Execute then r := r + ' cancelled'",
                          "end."}),
            "/tmp/week.txt cancelled");
  EXPECT_EQ(Dialogs->Asked, (QStringList{"open|Words|Text files|*.txt", "open|Words|Text files|*.txt"}));
  EXPECT_EQ(run(kJScript, {"var d = new TSaveDialog(nil);", "r = BoolToStr(d.Execute()) + d.ClassName;"}),
            "0TSaveDialog");
}

// A combo box a host shows to scripts, recording what scripts do to it.
class FakeComboBox : public TscControlObject {
 public:
  const TscHostClass* HostClass() const override { return &scWindowClasses().ComboBox; }
  void SetVisible(bool visible) override { Log << (visible ? "show" : "hide"); }
  void SetBounds(int l, int t, int w, int h) override { Log << QStringLiteral("bounds %1 %2 %3 %4").arg(l).arg(t).arg(w).arg(h); }
  void SetEventHandler(const QString& event, TscCustomEvent* handler) override {
    Log << event;
    Click = dynamic_cast<TscNotifyEvent*>(handler);
  }
  int ItemIndex() const override { return Index; }
  void SetItemIndex(int index) override { Index = index; }
  QStringList Log;
  int Index = -1;
  TscNotifyEvent* Click = nullptr;
};

TEST_F(WindowDialogs, ControlsOfAHostAreDrivenThroughTheirClasses) {
  for (const QString& syntax : {kPascal, kJScript}) {
    FakeComboBox combo;
    TscScript script;
    script.AddRTTI();
    script.AddObject(QStringLiteral("Combo1"), &combo);
    script.SetSyntaxType(syntax);
    script.SetLines(syntax == kPascal
                        ? QStringList{"var n: Integer;", "procedure Clicked(Sender: TObject); begin n := n + 1 end;",
                                      "begin", "  Combo1.Hide; Combo1.SetBounds(1, 2, 30, 40); Combo1.ItemIndex := 2;",
                                      "  Combo1.OnChange := 'Clicked'; Combo1.Show", "end."}
                        : QStringList{"var n = 0;", "function Clicked(Sender) { n = n + 1; }",
                                      "Combo1.Hide(); Combo1.SetBounds(1, 2, 30, 40); Combo1.ItemIndex = 2;",
                                      "Combo1.OnChange = \"Clicked\"; Combo1.Show();"});
    ASSERT_TRUE(script.Compile()) << script.FErrorMsg.toStdString();
    script.Execute();
    EXPECT_EQ(combo.Log, (QStringList{"hide", "bounds 1 2 30 40", "OnChange", "show"}));
    EXPECT_EQ(combo.Index, 2);
    ASSERT_NE(combo.Click, nullptr);
    combo.Click->DoEvent(&combo);
    EXPECT_EQ(script.Variable(QStringLiteral("n")).ToInt32(), 1);
  }
}

// Without a window host, as in the command-line tool.
TEST(WindowDialogsWithoutWindows, AnswerAsDocumented) {
  PinSystemModuleEnvironment();
  scSetSystemDialogs(nullptr);
  ExpectAll(kPascal, {{"MessageDlg('a', mtWarning, [mbOK, mbCancel], 0)", "1"},
                      {"MessageDlg('b', mtConfirmation, [mbYes, mbNo, mbCancel], 0)", "6"},
                      {"MessageDlg('c', mtWarning, [mbNo, mbCancel], 0)", "7"},
                      {"MessageDlg('d', mtError, [mbAbort, mbRetry, mbIgnore], 0)", "3"},
                      {"MessageDlg('e', mtCustom, 0, 0)", "1"},
                      {"InputBox('t', 'p', 'kept')", "kept"}});
  EXPECT_EQ(RunProgram(kPascal, {"var s: String; ok: Boolean;", "begin s := 'x'; ok := InputQuery('t', 'p', s) end."})
                ->Variable(QStringLiteral("ok")).ToText(),
            "False");
  EXPECT_EQ(EvaluateIn(kPascal, QStringLiteral("Application.ClassName")).ToText().toStdString(), "TApplication");
}

}  // namespace
