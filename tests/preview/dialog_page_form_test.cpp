// A dialog page as a modal window, driven headless: its look comes from the page, its script
// events run, keys and scripts close it with a modal result, and through the installed hook a
// cancelled dialog leaves the report without pages.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "report/binding/report_script.h"
#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/dialogs/dialog_page.h"
#include "report/engine/install_engine.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/custom_report_script.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/report_page.h"
#include "report/preview/dialog_page_form.h"
#include "report/preview/install_preview.h"
#include "report/services/install_report_services.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "report/text/color_names.h"
#include "script_engine/interpreter/script.h"

namespace {

class DialogPageForm : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    rpInstallPreview();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    Dialog = new TrpDialogPage(Report.get());
    Dialog->SetName(QStringLiteral("Dialog1"));
    Dialog->SetCaption(QStringLiteral("Choose"));
    Dialog->SetClientWidth(320);
    Dialog->SetClientHeight(180);
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }
  // Runs `drive` on the dialog window once it is shown modally (the report may process events
  // before it shows the dialog).
  static void WhenShown(std::function<void(QWidget&)> drive) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, drive] {
      auto* window = qobject_cast<TrpDialogPageForm*>(QApplication::activeModalWidget());
      if (!window) return;
      poll->stop();
      poll->deleteLater();
      drive(*window);
    });
    poll->start(1);
  }
  void UseScript(const QStringList& procedures) {
    Report->SetScriptText(QStringList{QStringLiteral("var Trace: String;")} + procedures +
                          QStringList{QStringLiteral("begin end.")});
    rpReportServices().PrepareScript(*Report);
  }
  QString Trace() const {
    return Report->ReportScript()->Script().Variable(QStringLiteral("Trace")).ToText();
  }

  std::unique_ptr<TrpReport> Report;
  TrpDialogPage* Dialog = nullptr;
};

TEST_F(DialogPageForm, TheWindowTakesThePagesCaptionClientSizeAndColour) {
  Dialog->SetColor(static_cast<TColor>(0x00336699));
  TrpDialogPageForm form(*Report, *Dialog);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Choose"));
  EXPECT_EQ(form.size(), QSize(320, 180));
  // A dialog border is not sizeable.
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.palette().color(QPalette::Window), rpToQColor(static_cast<TColor>(0x00336699)));
}

TEST_F(DialogPageForm, BorderStylesChooseTheFrame) {
  Dialog->SetBorderStyle(bsSizeable);
  TrpDialogPageForm sizeable(*Report, *Dialog);
  EXPECT_NE(sizeable.minimumSize(), sizeable.maximumSize());
  Dialog->SetBorderStyle(bsNone);
  TrpDialogPageForm frameless(*Report, *Dialog);
  EXPECT_TRUE(frameless.windowFlags() & Qt::FramelessWindowHint);
  Dialog->SetBorderStyle(bsToolWindow);
  TrpDialogPageForm tool(*Report, *Dialog);
  EXPECT_EQ(tool.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
}

TEST_F(DialogPageForm, ADesignedPositionPlacesTheWindow) {
  Dialog->SetPosition(poDesigned);
  Dialog->SetLeft(40);
  Dialog->SetTop(30);
  TrpDialogPageForm form(*Report, *Dialog);
  EXPECT_EQ(form.pos(), QPoint(40, 30));
}

TEST_F(DialogPageForm, EscapeCancelsAndEnterConfirms) {
  {
    TrpDialogPageForm form(*Report, *Dialog);
    WhenShown([](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_EQ(form.Execute(), mrCancel);
    EXPECT_EQ(Dialog->ModalResult(), mrCancel);
  }
  TrpDialogPageForm form(*Report, *Dialog);
  WhenShown([](QWidget& window) { QTest::keyClick(&window, Qt::Key_Return); });
  EXPECT_EQ(form.Execute(), mrOk);
  EXPECT_EQ(Dialog->ModalResult(), mrOk);
}

TEST_F(DialogPageForm, ScriptEventsRunAndAScriptClosesTheWindowWithItsResult) {
  UseScript({QStringLiteral("procedure Shown(Sender: Variant); begin Trace := Trace + 'show;'; end;"),
             QStringLiteral("procedure Hidden(Sender: Variant); begin Trace := Trace + 'hide;'; end;"),
             QStringLiteral("procedure KeyDown(Sender: Variant; var Key: Integer; Shift: Integer);"),
             QStringLiteral("begin Trace := Trace + IntToStr(Key) + ';'; if Key = 81 then Dialog1.ModalResult := 6; end;")});
  Dialog->SetOnShow(QStringLiteral("Shown"));
  Dialog->SetOnHide(QStringLiteral("Hidden"));
  Dialog->SetOnKeyDown(QStringLiteral("KeyDown"));
  TrpDialogPageForm form(*Report, *Dialog);
  WhenShown([](QWidget& window) {
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_Q);
  });
  EXPECT_EQ(form.Execute(), mrYes);
  EXPECT_EQ(Trace(), QStringLiteral("show;65;81;hide;"));
}

TEST_F(DialogPageForm, AKeyTakenByTheScriptDoesNotCancel) {
  UseScript({QStringLiteral("procedure KeyDown(Sender: Variant; var Key: Integer; Shift: Integer);"),
             QStringLiteral("begin if Key = 27 then Key := 0 else Key := 13; end;")});
  Dialog->SetOnKeyDown(QStringLiteral("KeyDown"));
  TrpDialogPageForm form(*Report, *Dialog);
  WhenShown([](QWidget& window) {
    QTest::keyClick(&window, Qt::Key_Escape);  // taken: the window stays
    QTest::keyClick(&window, Qt::Key_Space);   // turned into Enter
  });
  EXPECT_EQ(form.Execute(), mrOk);
}

TEST_F(DialogPageForm, MouseEventsReceiveButtonShiftAndPosition) {
  UseScript({QStringLiteral("procedure Down(Sender: Variant; Button, Shift, X, Y: Integer);"),
             QStringLiteral("begin Trace := Trace + IntToStr(Button) + ',' + IntToStr(Shift) + ',' + IntToStr(X) + ',' + IntToStr(Y) + ';'; end;"),
             QStringLiteral("procedure Clicked(Sender: Variant); begin Trace := Trace + 'click;'; Dialog1.ModalResult := 1; end;")});
  Dialog->SetOnMouseDown(QStringLiteral("Down"));
  Dialog->SetOnClick(QStringLiteral("Clicked"));
  TrpDialogPageForm form(*Report, *Dialog);
  WhenShown([](QWidget& window) {
    QTest::mouseClick(&window, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(30, 40));
  });
  EXPECT_EQ(form.Execute(), mrOk);
  // Right button with Shift held (ssShift | ssRight), then the left button (ssLeft) and a click.
  EXPECT_EQ(Trace(), QStringLiteral("1,17,10,20;0,8,30,40;click;"));
}

TEST_F(DialogPageForm, AFailingEventCancelsTheDialogAndIsListed) {
  UseScript({QStringLiteral("procedure Shown(Sender: Variant); begin Trace := 1 div 0; end;")});
  Dialog->SetOnShow(QStringLiteral("Shown"));
  TrpDialogPageForm form(*Report, *Dialog);
  EXPECT_EQ(form.Execute(), mrCancel);
  ASSERT_EQ(Report->Errors().size(), 1);
  EXPECT_TRUE(Report->Errors().front().startsWith(QStringLiteral("Dialog1: "))) << Report->Errors().front().toStdString();
}

TEST_F(DialogPageForm, ACancelledDialogOfAReportLeavesItWithoutPages) {
  auto* page = new TrpReportPage(Report.get());
  page->SetName(QStringLiteral("Page1"));
  auto* rows = new TrpMasterData(page);
  rows->SetName(QStringLiteral("Rows"));
  rows->SetBounds(0, 0, 100, 20);
  rows->SetRowCount(2);
  WhenShown([](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); });
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_TRUE(Report->Errors().isEmpty());
  EXPECT_EQ(Report->PreviewPages()->GetCount(), 0);
  WhenShown([](QWidget& window) { QTest::keyClick(&window, Qt::Key_Return); });
  EXPECT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Report->PreviewPages()->GetCount(), 1);
}

// The example report asks for the sheet's title: what the user types into the edit and ticks in
// the check box is what the prepared page shows; Cancel prepares nothing.
class TitleDialog : public DialogPageForm {
 protected:
  void SetUp() override {
    DialogPageForm::SetUp();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    ASSERT_TRUE(Report->LoadFromFile(QStringLiteral(STROVAL_EXAMPLES_DIR "/title-dialog.xml")))
        << Report->Errors().join('\n').toStdString();
  }
  QStringList PageTexts() {
    QStringList texts;
    if (Report->PreviewPages()->GetCount() == 0) return texts;
    for (TrpComponent* object : Report->PreviewPages()->GetPage(0)->AllObjects())
      if (auto* memo = dynamic_cast<TrpMemoView*>(object)) texts << memo->Memo().join('\n');
    return texts;
  }
};

TEST_F(TitleDialog, TheTypedTitleIsShownInThePreparedPage) {
  QString shownText, caption;
  WhenShown([&](QWidget& window) {
    caption = window.windowTitle();
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* check = window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("OkButton"));
    ASSERT_TRUE(edit && check && ok);
    EXPECT_EQ(edit->text(), QStringLiteral("Week 12"));
    EXPECT_TRUE(check->isChecked());
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Spring words"));
    QTest::mouseClick(check, Qt::LeftButton);
    shownText = edit->text();
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join('\n').toStdString();
  EXPECT_EQ(caption, QStringLiteral("Practice sheet"));
  EXPECT_EQ(shownText, QStringLiteral("Spring words"));
  EXPECT_EQ(PageTexts(), (QStringList{"Spring words", ""}));

  WhenShown([](QWidget& window) {
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
  });
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Report->PreviewPages()->GetCount(), 0);
}

}  // namespace
