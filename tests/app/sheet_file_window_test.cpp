// Saving and opening sheets from the window: what is opened is the sheet that was saved, in the
// controls, the palette and the cells; a damaged or foreign file is told and changes nothing; the
// files used last are offered again.
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/text_font.h"
#include "sheet_fixture.h"

namespace {

using stroval::GuideStyle;

class SheetFiles : public SheetTest {
 protected:
  // A sheet with every part changed from the start.
  void Compose() {
    Activate();
    Window().SchTitle->setText(QStringLiteral("Orlavo School 3A"));
    dialogs_.confirmFont = true;
    dialogs_.answer = {stroval::FontWithPixelHeight(QStringLiteral("AR PL UKai TW"), 64), QColor(0x20, 0x40, 0x60)};
    Window().CfontClick(Window().Cfont);
    ChooseGuides(GuideStyle::CrossAndDiagonals);
    ChooseTrace(2);
    Generate(QStringLiteral("永字"));
    Drop(1, 1, 1);
    Drop(2, 5, 3);
    Window().edtInput->setText(QStringLiteral("typed, not generated"));
  }
  QStringList PaletteCaptions() const {
    QStringList captions;
    for (const stroval::Label* label : PaletteLabels()) captions << label->Caption();
    return captions;
  }
  QString Write(const char* name, const QByteArray& bytes) {
    QFile file(PathOf(QString::fromUtf8(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
};

TEST_F(SheetFiles, ASheetSavedAndOpenedInANewWindowIsTheSameSheet) {
  Compose();
  const stroval::WorksheetSheet saved = Window().Sheet();
  const QStringList palette = PaletteCaptions();
  dialogs_.saveAnswer = PathOf(QStringLiteral("week"));  // the extension is added
  Window().SheetFiles->SaveButton()->click();
  ASSERT_TRUE(QFile::exists(PathOf(QStringLiteral("week.stws"))));

  window_ = std::make_unique<stroval::TForm19>(std::make_unique<FakeDialogs>(&dialogs_));  // quit, start
  Activate();
  dialogs_.openAnswer = PathOf(QStringLiteral("week.stws"));
  Window().SheetFiles->OpenButton()->click();
  EXPECT_TRUE(dialogs_.messages.isEmpty()) << dialogs_.messages.join('\n').toStdString();
  EXPECT_EQ(Window().Sheet(), saved);
  EXPECT_EQ(Window().SchTitle->text(), QStringLiteral("Orlavo School 3A"));
  EXPECT_EQ(Window().txtSchTitle->Caption(), QStringLiteral("Orlavo School 3A"));
  EXPECT_EQ(Window().edtInput->text(), QStringLiteral("typed, not generated"));
  EXPECT_EQ(PaletteCaptions(), palette);
  EXPECT_EQ(Cells(1), QStringLiteral("永 ~永 ~永 . . . . ."));
  EXPECT_EQ(Cells(3), QStringLiteral(". . . . 字 ~字 ~字 ."));
  EXPECT_EQ(Window().paneWord(3, 2)->Guides(), GuideStyle::CrossAndDiagonals);
  EXPECT_EQ(stroval::FontOf(Window().Cfont).color, QColor(0x20, 0x40, 0x60));
  for (const QString& filter : dialogs_.fileDialogFilters) EXPECT_TRUE(filter.contains("*.stws")) << filter.toStdString();
}

struct BadFile {
  const char* name;
  QByteArray bytes;
  const char* message;
};

TEST_F(SheetFiles, ADamagedOrForeignFileIsToldAndTheSheetStaysAsItWas) {
  const BadFile cases[] = {
      {"cut.stws", QByteArray("{\"format\": \"stroval-worksheet\", \"version\": 1, \"title\": \"x"), "damaged"},
      {"foreign.stws", QByteArray("{\"name\": \"a drawing\", \"layers\": []}"), "not a Stroval worksheet"},
      {"picture.stws", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "damaged"},
      {"wrong-cell.stws", QByteArray(R"({"format": "stroval-worksheet", "version": 1, "title": "", "word": "",
          "palette": "", "font": {"family": "x", "points": 12, "bold": false, "italic": false,
          "underline": false, "strikeOut": false, "color": "#000000"}, "guides": "none", "trace": 0,
          "cells": [{"column": 12, "row": 1, "character": "a", "traced": false}]})"),
       "damaged"},
  };
  Compose();
  const stroval::WorksheetSheet before = Window().Sheet();
  const QStringList palette = PaletteCaptions();
  for (const BadFile& c : cases) {
    dialogs_.messages.clear();
    dialogs_.openAnswer = Write(c.name, c.bytes);
    Window().SheetFiles->OpenButton()->click();
    ASSERT_EQ(dialogs_.messages.size(), 1) << c.name;
    EXPECT_TRUE(dialogs_.messages.first().contains(QString::fromUtf8(c.message))) << dialogs_.messages.first().toStdString();
    EXPECT_TRUE(dialogs_.messages.first().contains(QString::fromUtf8(c.name))) << dialogs_.messages.first().toStdString();
    EXPECT_EQ(Window().Sheet(), before) << c.name;
    EXPECT_EQ(PaletteCaptions(), palette) << c.name;
  }
  EXPECT_TRUE(Window().SheetFiles->RecentFiles().isEmpty());
}

TEST_F(SheetFiles, CancelledDialogsChangeNothing) {
  Compose();
  const stroval::WorksheetSheet before = Window().Sheet();
  Window().SheetFiles->OpenButton()->click();
  Window().SheetFiles->SaveButton()->click();
  EXPECT_EQ(Window().Sheet(), before);
  EXPECT_TRUE(dialogs_.messages.isEmpty());
  EXPECT_TRUE(QDir(files_.path()).isEmpty());
}

TEST_F(SheetFiles, TheFilesUsedLastAreOfferedNewestFirstAfterARestart) {
  Activate();
  for (const char* name : {"a.stws", "b.stws", "a.stws"}) ASSERT_TRUE(Window().SaveSheet(PathOf(QString::fromUtf8(name))));
  const QStringList expected{PathOf(QStringLiteral("a.stws")), PathOf(QStringLiteral("b.stws"))};
  EXPECT_EQ(Window().SheetFiles->RecentFiles(), expected);

  window_ = std::make_unique<stroval::TForm19>(std::make_unique<FakeDialogs>(&dialogs_));
  EXPECT_EQ(Window().SheetFiles->RecentFiles(), expected);
  EXPECT_TRUE(Window().SheetFiles->RecentButton()->isEnabled());
  // Choosing one opens it.
  Window().SchTitle->setText(QStringLiteral("changed"));
  Window().SheetFiles->RecentButton()->menu()->actions().at(1)->trigger();
  EXPECT_EQ(Window().SchTitle->text(), QStringLiteral("Orlavo\u3000Quilltrace"));
}

TEST_F(SheetFiles, ASaveThatFailsIsToldAndNotOffered) {
  Activate();
  EXPECT_FALSE(Window().SaveSheet(PathOf(QStringLiteral("no/such/folder/x.stws"))));
  EXPECT_EQ(dialogs_.messages.size(), 1);
  EXPECT_TRUE(Window().SheetFiles->RecentFiles().isEmpty());
}

}  // namespace
