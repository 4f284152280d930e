// The sheet as data: read from the window's controls and set into them, and saved to and opened
// from the program's sheet files.
#include <QFileInfo>
#include <QLineEdit>

#include "app/label.h"
#include "app/practice_options.h"
#include "app/sheet_file_buttons.h"
#include "app/text_font.h"
#include "app/worksheet_window.h"
#include "worksheet/sheet_file.h"

namespace stroval {

namespace {

QString SheetFileFilter() {
  return QStringLiteral("Stroval 工作紙 (*.%1)").arg(QLatin1String(kSheetFileSuffix));
}

// A file name the user typed without the extension gets it.
QString WithSuffix(const QString& fileName) {
  if (!QFileInfo(fileName).suffix().isEmpty()) return fileName;
  return fileName + u'.' + QLatin1String(kSheetFileSuffix);
}

}  // namespace

WorksheetSheet TForm19::Sheet() const {
  WorksheetSheet sheet;
  sheet.title = SchTitle->text();
  sheet.word = edtInput->text();
  sheet.palette = PaletteCharacters();
  const TextFont font = FontOf(Cfont);
  sheet.font = {font.font, font.color};
  sheet.guides = Practice->Guides();
  sheet.traceCount = Practice->TraceCount();
  if (!paneWord.IsBuilt()) return sheet;
  for (int column = 1; column <= WordGrid::kColumns; ++column)
    for (int row = 1; row <= WordGrid::kRows; ++row) {
      const PracticeCell* cell = paneWord(column, row);
      sheet.Cell(column, row) = {cell->Caption(), cell->Traced()};
    }
  return sheet;
}

void TForm19::SetSheet(const WorksheetSheet& sheet) {
  FormActivate(this);  // the grid first: the first activation also sets the sample font
  SchTitle->setText(sheet.title);
  edtInput->setText(sheet.word);
  edtInput->setCursorPosition(0);
  SetFont(Cfont, {sheet.font.font, sheet.font.color});
  Practice->SetGuides(sheet.guides);
  Practice->SetTraceCount(sheet.traceCount);
  RemovePalette();
  CreatePalette(sheet.palette);  // in the sample font's style, as the generate command makes it
  for (int column = 1; column <= WordGrid::kColumns; ++column)
    for (int row = 1; row <= WordGrid::kRows; ++row) {
      PracticeCell* cell = paneWord(column, row);
      cell->SetCaption(sheet.Cell(column, row).character);
      cell->SetTraced(sheet.Cell(column, row).traced);
    }
}

bool TForm19::SaveSheet(const QString& fileName) {
  QString problem;
  if (!SaveSheetFile(Sheet(), fileName, problem)) {
    TellFileProblem(QStringLiteral("無法儲存工作紙"), fileName, problem);
    return false;
  }
  sheetFileName_ = fileName;
  recentFiles_.Add(fileName);
  ShowRecentFiles();
  return true;
}

bool TForm19::OpenSheet(const QString& fileName) {
  QString problem;
  const std::optional<WorksheetSheet> sheet = LoadSheetFile(fileName, problem);
  if (!sheet) {
    TellFileProblem(QStringLiteral("無法開啟工作紙，目前的工作紙保持不變"), fileName, problem);
    return false;
  }
  SetSheet(*sheet);
  sheetFileName_ = fileName;
  recentFiles_.Add(fileName);
  ShowRecentFiles();
  return true;
}

void TForm19::TellFileProblem(const QString& what, const QString& fileName, const QString& problem) {
  dialogs_->ShowMessage(this, QStringLiteral("工作紙檔案"),
                        QStringLiteral("%1：%2\n\n%3").arg(what, QFileInfo(fileName).fileName(), problem),
                        Dialogs::Icon::Warning);
}

void TForm19::btnOpenClick(QObject*) {
  const QString fileName = dialogs_->GetOpenFileName(this, QStringLiteral("開啟工作紙"), SheetFileFilter());
  if (!fileName.isEmpty()) OpenSheet(fileName);
}

void TForm19::btnSaveClick(QObject*) {
  const QString fileName = dialogs_->GetSaveFileName(this, QStringLiteral("儲存工作紙"), sheetFileName_,
                                                     SheetFileFilter());
  if (!fileName.isEmpty()) SaveSheet(WithSuffix(fileName));
}

}  // namespace stroval
