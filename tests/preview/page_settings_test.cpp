// The page settings dialog: lengths in the unit of the settings store, papers and orientation as
// the printer makes them, entries it refuses without closing, Cancel, and the settings applied to
// every page of a prepared report, re-prepared from its definition or, opened from a file, page by
// page, through the real preview window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "preview_window_fixture.h"
#include "report/objects/custom_preview_pages.h"
#include "report/preview/page_settings_form.h"
#include "report/printer/custom_printer.h"

namespace {

void choose(TrpPageSettingsForm& form, const QString& paper) {
  const int index = form.SizeCB->findText(paper);
  form.SizeCB->setCurrentIndex(index);
  emit form.SizeCB->activated(index);
}

void type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

struct PaperState {
  int Paper;
  long double Width, Height;
  TPrinterOrientation Orientation;
  bool operator==(const PaperState&) const = default;
};

PaperState printerPaper() {
  const TrpCustomPrinter& p = *rpPrinters()->Printer();
  return {p.Paper(), p.PaperWidth(), p.PaperHeight(), p.Orientation()};
}

}  // namespace

class PageSettings : public PreviewWindowTest {
 protected:
  void SetUp() override {
    PreviewWindowTest::SetUp();
    ASSERT_TRUE(Folder.isValid());
    Page.SetLeftMargin(10);
    Page.SetRightMargin(10);
    Page.SetTopMargin(10);
    Page.SetBottomMargin(10);
  }
  // The report's settings store holds `units`, or nothing for -1.
  void StoreUnits(int units) {
    const QString path = Folder.filePath(QStringLiteral("settings%1.ini").arg(units));
    if (units >= 0) QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Form5.TrpDesignerForm/Units"), units);
    Report->SetIniFile(path);
  }

  QTemporaryDir Folder;
  TrpReportPage Page{nullptr};
};

TEST_F(PageSettings, LengthsShowInTheStoredUnitAndFollowPaperAndOrientation) {
  struct Case {
    const char* What;
    int Units;
    std::function<void(TrpPageSettingsForm&)> Act;
    const char *Width, *Height, *Paper, *Unit;
  };
  const auto landscape = [](TrpPageSettingsForm& f) { QTest::mouseClick(f.LandscapeRB, Qt::LeftButton); };
  const Case cases[] = {
      {"centimetres without a stored unit", -1, {}, "21", "29.70", "A4", "cm"},
      {"inches stored", 1, {}, "8.27", "11.69", "A4", "in"},
      {"landscape", -1, landscape, "29.70", "21", "A4", "cm"},
      {"A5 has its own sides, whatever the edits held", 0,
       [](TrpPageSettingsForm& f) {
         f.WidthE->setText(QStringLiteral("abc"));
         choose(f, QStringLiteral("A5"));
       },
       "14.80", "21", "A5", "cm"},
      {"a typed width is a custom paper", 0, [](TrpPageSettingsForm& f) { type(f.WidthE, QStringLiteral("25")); },
       "25", "29.70", "Custom", "cm"},
      {"a custom paper keeps its sides until the orientation changes", 0,
       [&](TrpPageSettingsForm& f) {
         type(f.WidthE, QStringLiteral("10"));
         type(f.HeightE, QStringLiteral("20,5"));
         choose(f, QStringLiteral("Custom"));
         EXPECT_EQ(f.WidthE->text(), QStringLiteral("10"));
         landscape(f);
       },
       "20.50", "10", "Custom", "cm"},
  };
  const PaperState before = printerPaper();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    StoreUnits(c.Units);
    TrpPageSettingsForm form(Page, Report.get());
    form.show();
    if (c.Act) c.Act(form);
    EXPECT_EQ(form.WidthE->text(), QString::fromUtf8(c.Width));
    EXPECT_EQ(form.HeightE->text(), QString::fromUtf8(c.Height));
    EXPECT_EQ(form.SizeCB->currentText(), QString::fromUtf8(c.Paper));
    for (const QLabel* unit : form.findChildren<QLabel*>(QStringLiteral("unit")))
      EXPECT_EQ(unit->text(), QString::fromUtf8(c.Unit));
    QTest::mouseClick(form.CancelB, Qt::LeftButton);
    // Cancel leaves the printer and the page as they were.
    EXPECT_EQ(printerPaper(), before);
    EXPECT_EQ(Page.PaperSize(), rpA4Paper);
    EXPECT_EQ(Page.Orientation(), poPortrait);
  }
}

TEST_F(PageSettings, EntriesThatMakeNoPaperAreRefusedWithAMessageAndTheDialogStaysOpen) {
  struct Case {
    QLineEdit* TrpPageSettingsForm::*Edit;
    const char* Text;
    bool ThenCustom;  // a custom paper is chosen instead of closing with OK
    const char* Message;
  };
  const Case cases[] = {
      {&TrpPageSettingsForm::WidthE, "abc", false, "'abc' is not a valid length."},
      {&TrpPageSettingsForm::HeightE, "abc", true, "'abc' is not a valid length."},
      {&TrpPageSettingsForm::MarginTopE, "-1", false, "'-1' is not a valid length."},
      {&TrpPageSettingsForm::WidthE, "0", false, "The paper needs a width and a height greater than 0."},
      {&TrpPageSettingsForm::MarginLeftE, "20", false, "The margins leave no room to print on this paper."},
      {&TrpPageSettingsForm::MarginBottomE, "29", false, "The margins leave no room to print on this paper."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    Dialogs.Messages.clear();
    TrpPageSettingsForm form(Page, Report.get());
    form.show();
    (form.*c.Edit)->setText(QString::fromUtf8(c.Text));
    if (c.ThenCustom)
      choose(form, QStringLiteral("Custom"));
    else
      QTest::mouseClick(form.OKB, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Dialogs.Messages, QStringList{QString::fromUtf8(c.Message)});
    EXPECT_EQ(Page.PaperWidth(), 210);
    EXPECT_EQ(Page.LeftMargin(), 10);
    form.reject();
  }
}

TEST_F(PageSettings, ApplyToAllPagesTurnsEveryPageToA5LandscapeAndRedrawsIt) {
  struct Case {
    const char* What;
    bool OpenedFromFile;
    int Pages;
    int DefinitionPaper;  // what the report's definition holds afterwards
  };
  const Case cases[] = {
      {"opened from a prepared-report file", true, 3, rpA4Paper},
      {"prepared from the definition", false, 4, 11},
  };
  const QString file = Folder.filePath(QStringLiteral("three.rpp"));
  {
    TrpReport other;
    other.EngineOptions().SetNewSilentMode(simSilent);
    Build(other, {{QStringLiteral("one")}, {QStringLiteral("two")}, {QStringLiteral("three")}});
    ASSERT_TRUE(other.PrepareReport());
    ASSERT_TRUE(other.PreviewPages()->SaveToFile(file));
  }
  Build({{QStringLiteral("a")}, {QStringLiteral("b")}, {QStringLiteral("c")}, {QStringLiteral("d")}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    std::vector<QSizeF> sizes;
    QRect page;
    QRgb inside = 0, below = 0;
    bool enabled = false;
    InThePreview(4, [&](TrpPreviewForm& form) {
      TrpPreview& preview = *form.PreviewControl();
      preview.SetZoomMode(zmWholePage);
      if (c.OpenedFromFile) preview.LoadFromFile(file);
      AnswerNext<TrpPageSettingsForm>([](TrpPageSettingsForm& dialog) {
        choose(dialog, QStringLiteral("A5"));
        QTest::mouseClick(dialog.LandscapeRB, Qt::LeftButton);
        QTest::mouseClick(dialog.ApplyToAllRB, Qt::LeftButton);
        QTest::mouseClick(dialog.OKB, Qt::LeftButton);
      });
      enabled = form.PageSettingsB->isEnabled();
      form.PageSettingsB->trigger();
      Settle();
      for (int i = 0; i < preview.PageCount(); ++i) sizes.push_back(preview.PreviewPages()->GetPageSize(i));
      TrpPreviewWorkspace& main = *preview.Workspace();
      page = main.ScreenBounds(0);
      const QImage image = main.viewport()->grab().toImage();
      inside = image.pixel(page.center().x(), page.bottom() - 8);
      below = image.pixel(page.center().x(), page.bottom() + 5);
    });
    EXPECT_TRUE(enabled);
    EXPECT_EQ(sizes, std::vector<QSizeF>(static_cast<size_t>(c.Pages), QSizeF(794, 559)));
    EXPECT_NEAR(double(page.width()) / page.height(), 794.0 / 559, 0.01);
    EXPECT_EQ(inside, qRgb(255, 255, 255));
    EXPECT_EQ(below, qRgb(128, 128, 128));
    for (TrpComponent* object : Report->Objects())
      if (auto* definition = dynamic_cast<TrpReportPage*>(object)) {
        EXPECT_EQ(definition->PaperSize(), c.DefinitionPaper);
      }
    EXPECT_TRUE(Dialogs.Messages.isEmpty()) << qPrintable(Dialogs.Messages.join('\n'));
  }
}
