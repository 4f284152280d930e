#pragma once

#include <QWidget>
#include <memory>

#include "app/dialogs.h"
#include "app/owned_components.h"
#include "app/recent_files.h"
#include "app/word_grid.h"
#include "worksheet/memo_table.h"
#include "worksheet/worksheet_report_builder.h"
#include "worksheet/worksheet_sheet.h"

class QLineEdit;
class QPushButton;
class TrpReport;

namespace stroval {

class Label;
class PictureBox;
class PracticeOptions;
class SheetFileButtons;

// The worksheet window: an input bar (title, word, sample font, generate and print buttons), a
// palette strip that receives one label per character of the word, and a white panel imitating
// the printed sheet with its 8 x 4 grid of practice cells.
//
// The window owns every component it shows, including the cells and palette labels it makes at
// run time inside its panels; it keeps them in creation order and frees them through that list.
// Its Tag is 0 until the first activation has built the grid, then 1. It also owns the report
// component `rpt`, which holds the stored worksheet report template and is shown by the print
// command.
//
// Beyond the stored components, the input bar offers the practice options (guide lines, tracing)
// and the sheet file commands (open, save, recent files). They are children of the input bar but
// not components the window owns: the stored description and its order stay as they were.
class TForm19 : public QWidget {
  Q_OBJECT

 public:
  // Tag of each grid cell, and of each palette label made by the generate command.
  static constexpr int kCellTag = 1237;
  static constexpr int kPaletteLabelTag = 3389;
  // Tag of the text objects the print command adds to the report; the next one frees them.
  static constexpr int kGeneratedMemoTag = stroval::kGeneratedMemoTag;
  static constexpr int kClientWidth = 1109;
  static constexpr int kClientHeight = 762;

  // `dialogs` answers the font dialog and message boxes; nullptr means the system's own.
  explicit TForm19(std::unique_ptr<Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TForm19() override;

  // The components the window owns, by index, in the order they were made.
  int ComponentCount() const { return components_.ComponentCount(); }
  QObject* Components(int index) const { return components_.Components(index); }

  // Event handlers; `Sender` is the control that raised the event.
  void FormActivate(QObject* Sender);
  void CfontClick(QObject* Sender);
  void SchTitleChange(QObject* Sender);
  void Button1Click(QObject* Sender);
  bool paneWS_DragOver(QObject* Sender, QObject* Source);
  void paneWS_DragDrop(QObject* Sender, QObject* Source);
  void btnPrintClick(QObject* Sender);
  void GuidesChange(QObject* Sender);
  void btnOpenClick(QObject* Sender);
  void btnSaveClick(QObject* Sender);

  // The sheet as the window shows it, and the window set to show `sheet` (the grid is built
  // first when it is not yet).
  WorksheetSheet Sheet() const;
  void SetSheet(const WorksheetSheet& sheet);
  // Saves the sheet to / opens a sheet from `fileName`. A failure is told in a message box and
  // changes nothing; a success puts the file first in the recent files.
  bool SaveSheet(const QString& fileName);
  bool OpenSheet(const QString& fileName);

  // Stored components, in declaration order.
  Panel* Panel1 = nullptr;
  Label* Label1 = nullptr;
  QLineEdit* SchTitle = nullptr;
  Label* Label5 = nullptr;
  QLineEdit* edtInput = nullptr;
  Label* Label6 = nullptr;
  Label* Cfont = nullptr;  // the sample-font box
  QPushButton* Button1 = nullptr;  // generate
  QPushButton* btnPrint = nullptr;
  Panel* paneTEXT = nullptr;  // the palette strip
  Panel* paneWorksheet = nullptr;
  Label* txtSchTitle = nullptr;  // the worksheet's title line
  Label* Label2 = nullptr;
  Label* Label3 = nullptr;
  Label* Label4 = nullptr;
  PictureBox* Image1 = nullptr;
  TrpReport* rpt = nullptr;  // the worksheet report
  // The program's own additions to the input bar.
  PracticeOptions* Practice = nullptr;
  SheetFileButtons* SheetFiles = nullptr;

  // The practice cells, [column 1..8, row 1..4]; empty until the first activation.
  WordGrid paneWord;
  // The cell text objects of the latest print command, [column 1..8, row 1..4].
  MemoTable MEMOtemp;

 signals:
  // Emitted once, when the first activation has built the grid.
  void GridBuilt();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Makes the window the owner of `widget`, already made with its parent, and places it.
  void Adopt(QWidget* widget, const QString& name, const QRect& geometry);
  void CreateStoredComponents();
  void CreateInputBar();
  void CreateWorksheetPanel();
  void CreateSheetControls();
  void ConnectStoredHandlers();
  void ConnectSheetControls();
  void CreateGridCell(int column, int row);
  void RemovePalette();
  void CreatePalette(const QString& characters);
  void CreatePaletteLabel(int index, QChar unit);
  QString PaletteCharacters() const;
  void CentreOnScreen();
  void CreateReport();
  void ShowRecentFiles();
  // A message box: `what` failed on `fileName`, and why.
  void TellFileProblem(const QString& what, const QString& fileName, const QString& problem);

  // Destroyed before the QWidget base: the owner frees its components, the last made first,
  // before Qt would delete the remaining children by parent.
  OwnedComponents components_;
  std::unique_ptr<Dialogs> dialogs_;
  std::unique_ptr<TrpReport> report_;
  RecentFiles recentFiles_;
  QString sheetFileName_;  // the file last opened or saved, offered by the save dialog
  bool centred_ = false;
};

}  // namespace stroval
