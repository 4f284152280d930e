// The generate command: palette labels made from the word, and the columns it clears.
#include <QFontMetrics>

#include "app/colors.h"
#include "app/picture_box.h"
#include "app/text_font.h"
#include "window_fixture.h"

using stroval::TForm19;

namespace {

class PaletteTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Activate();
  }

  QString Captions() const {
    QStringList captions;
    for (stroval::Label* label : PaletteLabels()) captions << label->Caption();
    return captions.join('|');
  }

  // Puts `character` in every cell of the grid.
  void FillGrid(const QString& character) {
    for (int c = 1; c <= 8; ++c)
      for (int r = 1; r <= 4; ++r) Window().paneWord(c, r)->SetCaption(character);
  }
};

TEST_F(PaletteTest, InitialWordTextGivesEightLabels) {
  Window().Button1Click(Window().Button1);
  EXPECT_EQ(Captions(), QStringLiteral("不|可|多|於|八|個|字|詞"));
}

TEST_F(PaletteTest, LabelsLieAtTheColumnLeftsInThePaletteStrip) {
  Generate(QStringLiteral("天地人你我他"));
  const std::vector<stroval::Label*> labels = PaletteLabels();
  ASSERT_EQ(labels.size(), 6u);
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i]->pos(), QPoint(int(i) * 120 + 10, 5)) << i;
    EXPECT_EQ(labels[i]->parentWidget(), Window().paneTEXT);
  }
}

TEST_F(PaletteTest, LongerWordGivesItsFirstEightCharacters) {
  Generate(QStringLiteral("一二三四五六七八九十"));
  EXPECT_EQ(Captions(), QStringLiteral("一|二|三|四|五|六|七|八"));
}

TEST_F(PaletteTest, EmptyWordRemovesThePaletteAndClearsNoCell) {
  Generate(QStringLiteral("山水"));
  FillGrid(QStringLiteral("木"));
  Generate(QString());
  EXPECT_TRUE(PaletteLabels().empty());
  EXPECT_EQ(CountTagged(TForm19::kPaletteLabelTag), 0);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(Row(r), QStringLiteral("木|木|木|木|木|木|木|木"));
}

TEST_F(PaletteTest, ThreeCharacterWordClearsColumnsOneToThreeOnly) {
  FillGrid(QStringLiteral("木"));
  Generate(QStringLiteral("日月星"));
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(Row(r), QStringLiteral("|||木|木|木|木|木")) << r;
}

TEST_F(PaletteTest, GeneratingTwiceGivesOnePalette) {
  Generate(QStringLiteral("日月星"));
  const int components = Window().ComponentCount();
  Generate(QStringLiteral("日月星"));
  EXPECT_EQ(PaletteLabels().size(), 3u);
  EXPECT_EQ(Window().ComponentCount(), components);
  EXPECT_EQ(Window().paneTEXT->findChildren<stroval::Label*>().size(), 3);
}

TEST_F(PaletteTest, ShorterWordReplacesTheWholeOldPalette) {
  Generate(QStringLiteral("一二三四五"));
  Generate(QStringLiteral("火"));
  EXPECT_EQ(Captions(), QStringLiteral("火"));
}

TEST_F(PaletteTest, CharacterOutsideTheBmpYieldsOneLabelPerUnit) {
  const QString word = QStringLiteral("𠀋山");  // U+2000B takes two 16-bit units
  Generate(word);
  const std::vector<stroval::Label*> labels = PaletteLabels();
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0]->Caption(), QString(word.at(0)));
  EXPECT_EQ(labels[1]->Caption(), QString(word.at(1)));
  EXPECT_EQ(labels[2]->Caption(), QStringLiteral("山"));
}

TEST_F(PaletteTest, EightUnitsCountSurrogatesAsUnits) {
  Generate(QStringLiteral("一二三四五六七𠀋"));  // the eighth unit is the first half of U+2000B
  ASSERT_EQ(PaletteLabels().size(), 8u);
  EXPECT_TRUE(PaletteLabels().back()->Caption().at(0).isHighSurrogate());
}

TEST_F(PaletteTest, LabelTakesOnlyTheStyleOfTheSampleFont) {
  QFont chosen(QStringLiteral("Liberation Serif"), 20);
  chosen.setBold(true);
  chosen.setUnderline(true);
  dialogs_.confirmFont = true;
  dialogs_.answer = {chosen, Qt::red};
  Window().CfontClick(Window().Cfont);
  Generate(QStringLiteral("水"));
  const stroval::TextFont font = stroval::FontOf(PaletteLabels().front());
  EXPECT_EQ(font.font.family(), QStringLiteral("標楷體"));
  EXPECT_EQ(font.font.pointSize(), 50);
  EXPECT_EQ(font.color, stroval::ColorFromBgr(stroval::clNavy));
  EXPECT_TRUE(font.font.bold());
  EXPECT_TRUE(font.font.underline());
}

TEST_F(PaletteTest, LabelIsAnOpaqueWhiteDraggableBoxSizedToItsCharacter) {
  Generate(QStringLiteral("龍"));
  stroval::Label* label = PaletteLabels().front();
  const QFontMetrics metrics(label->font());
  EXPECT_EQ(label->size(), QSize(metrics.horizontalAdvance(QStringLiteral("龍")), metrics.height()));
  EXPECT_FALSE(label->AutoSize());
  EXPECT_FALSE(label->Transparent());
  EXPECT_EQ(label->Color(), QColor(Qt::white));
  EXPECT_EQ(label->DragMode(), stroval::TDragMode::dmAutomatic);
  EXPECT_EQ(stroval::Tag(label), TForm19::kPaletteLabelTag);
}

TEST_F(PaletteTest, GenerateFreesEveryOwnedComponentTaggedAsPaletteLabel) {
  // The old palette is found by its tag alone, whatever the kind of component.
  QPointer<QWidget> picture(Window().Image1);
  stroval::SetTag(picture, TForm19::kPaletteLabelTag);
  const int components = Window().ComponentCount();
  Generate(QString());
  EXPECT_TRUE(picture.isNull());
  EXPECT_EQ(Window().ComponentCount(), components - 1);
}

}  // namespace

namespace {

TEST_F(WindowTest, GenerateBeforeTheGridExistsMakesThePaletteOnly) {
  Generate(QStringLiteral("日月"));
  EXPECT_EQ(PaletteLabels().size(), 2u);
  EXPECT_FALSE(Window().paneWord.IsBuilt());
}

}  // namespace
