// The program's own controls of the input bar: the practice options and the sheet file commands,
// placed right of the print button.
#include <QComboBox>
#include <QPushButton>

#include "app/practice_options.h"
#include "app/sheet_file_buttons.h"
#include "app/text_font.h"
#include "app/worksheet_window.h"

namespace stroval {

namespace {

const QRect kPracticeOptionsPlace(816, 4, 150, 76);
const QRect kSheetFileButtonsPlace(970, 4, 135, 76);
constexpr int kControlFontPixels = 14;

}  // namespace

void TForm19::CreateSheetControls() {
  const QFont font = FontWithPixelHeight(QStringLiteral("新細明體"), kControlFontPixels);
  Practice = new PracticeOptions(Panel1);
  Practice->setObjectName(QStringLiteral("Practice"));
  Practice->setGeometry(kPracticeOptionsPlace);
  Practice->setFont(font);
  SheetFiles = new SheetFileButtons(Panel1);
  SheetFiles->setObjectName(QStringLiteral("SheetFiles"));
  SheetFiles->setGeometry(kSheetFileButtonsPlace);
  SheetFiles->setFont(font);
  ShowRecentFiles();
}

void TForm19::ConnectSheetControls() {
  connect(Practice, &PracticeOptions::GuidesChanged, this, [this] { GuidesChange(Practice); });
  connect(SheetFiles, &SheetFileButtons::OpenClicked, this,
          [this] { btnOpenClick(SheetFiles->OpenButton()); });
  connect(SheetFiles, &SheetFileButtons::SaveClicked, this,
          [this] { btnSaveClick(SheetFiles->SaveButton()); });
  connect(SheetFiles, &SheetFileButtons::RecentChosen, this,
          [this](const QString& fileName) { OpenSheet(fileName); });
}

void TForm19::GuidesChange(QObject*) {
  if (!paneWord.IsBuilt()) return;  // the cells take the style when they are made
  for (int column = 1; column <= WordGrid::kColumns; ++column)
    for (int row = 1; row <= WordGrid::kRows; ++row)
      paneWord(column, row)->SetGuides(Practice->Guides());
}

void TForm19::ShowRecentFiles() {
  SheetFiles->SetRecentFiles(recentFiles_.Files());
}

}  // namespace stroval
