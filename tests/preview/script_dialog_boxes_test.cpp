// Scripts' message and input boxes in a program with windows: the buttons a script asks for are
// the buttons shown, the one pressed is the answer, and an input box gives what was typed only on
// OK. The boxes are answered by a timer, as a user would click them.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "report/dialogs/dialog_page.h"
#include "report/preview/install_preview.h"
#include "script_engine/compiler/compiler.h"
#include "script_engine/interpreter/script.h"
#include "script_engine/modules/system_dialogs.h"

namespace {

// Runs `answer` on the first modal window that opens.
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(QWidget*)> answer) {
    QObject::connect(&FPoll, &QTimer::timeout, [this, answer] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible()) return;
      FPoll.stop();
      answer(modal);
    });
    FPoll.start(20);
  }

 private:
  QTimer FPoll;
};

ScriptValue evaluate(const QString& expression) {
  TscScript script;
  script.AddRTTI();
  return script.Evaluate(expression);
}

class ScriptDialogBoxes : public testing::Test {
 protected:
  void SetUp() override {
    scInstallCompiler();
    rpInstallPreview();
  }
  void TearDown() override { scSetSystemDialogs(nullptr); }
};

TEST_F(ScriptDialogBoxes, MessageDlgShowsTheAskedButtonsAndAnswersThePressedOne) {
  QStringList shown;
  QString text;
  ModalAnswer answer([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    for (QAbstractButton* b : box->buttons()) shown << b->text().remove(QLatin1Char('&'));
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(evaluate(QStringLiteral("MessageDlg('Print 40 sheets?', mtConfirmation, [mbYes, mbNo], 0)")),
            ScriptValue(int(mrNo)));
  EXPECT_EQ(text, QStringLiteral("Print 40 sheets?"));
  shown.sort();
  EXPECT_EQ(shown, (QStringList{"No", "Yes"}));
}

TEST_F(ScriptDialogBoxes, InputBoxGivesTheTypedTextOnlyOnOk) {
  {
    ModalAnswer answer([](QWidget* modal) {
      auto* input = qobject_cast<QInputDialog*>(modal);
      ASSERT_NE(input, nullptr);
      input->setTextValue(QStringLiteral("永和"));
      input->accept();
    });
    EXPECT_EQ(evaluate(QStringLiteral("InputBox('Sheet', 'Word:', 'old')")).ToText(), QStringLiteral("永和"));
  }
  {
    ModalAnswer answer([](QWidget* modal) {
      auto* input = qobject_cast<QInputDialog*>(modal);
      ASSERT_NE(input, nullptr);
      EXPECT_EQ(input->textValue(), QStringLiteral("old"));
      input->setTextValue(QStringLiteral("typed"));
      input->reject();
    });
    EXPECT_EQ(evaluate(QStringLiteral("InputBox('Sheet', 'Word:', 'old')")).ToText(), QStringLiteral("old"));
  }
}

}  // namespace
