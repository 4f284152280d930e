#pragma once
// The print job: turns the prepared pages of a store into printed sheets. It chooses the printer,
// shows the print dialog, works out which pages to print and in which order (ranges, odd or even
// pages, reverse order, copies and collation), sets paper, orientation, source and duplex per
// page, and draws each page on the printer in one of four modes: one page per sheet, one page
// scaled to a chosen sheet, a big page split over several sheets, or small pages joined on one.
#include "report/options/duplex_mode.h"
#include "report/options/print_options.h"
#include "report/printer/printer_orientation.h"
#include "report/units/report_units.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;
class TrpCustomPreviewPages;
class TrpCustomPrinter;
class TrpReport;

// Shows the print dialog for `report` over its prepared `pages`; `duplex` goes in and comes back
// as chosen. True when the user confirmed. Tests install their own answer.
using TrpPrintDialogRunner =
    std::function<bool(TrpReport& report, TrpCustomPreviewPages& pages, TrpDuplexMode& duplex)>;
// Installs `runner` and returns the one it replaces; an empty function restores the real dialog.
TrpPrintDialogRunner rpSetPrintDialogRunner(TrpPrintDialogRunner runner);

class TrpPrintJob {
 public:
  explicit TrpPrintJob(TrpCustomPreviewPages& pages);
  TrpPrintJob(const TrpPrintJob&) = delete;
  TrpPrintJob& operator=(const TrpPrintJob&) = delete;

  // Runs the job. True when pages went to the printer, also when the user cancelled while
  // printing; false without a physical printer, when the dialog was cancelled, the range text
  // could not be read, or the printer failed (the message has been shown).
  bool Print();

  // The number of pages (sheet sides for split pages, sheets for joined ones) printed.
  int PrintedCount() const { return FPrinted; }

 private:
  // What the job reads of a prepared page, copied at once: the store may drop the page object
  // when it draws another.
  struct PageSettings {
    int Paper = 0;
    Extended Width = 0;  // mm, in the page's orientation
    Extended Height = 0;
    TPrinterOrientation Orientation = poPortrait;
    int Bin = 7;
    int BinOtherPages = 7;
    TrpDuplexMode Duplex = dmNone;
  };
  // The settings of the last printed sheet; a change means setting the printer up again.
  struct SheetSettings {
    int Paper = -1;
    long long Width = -1;  // mm, rounded
    long long Height = -1;
    int Bin = -1;
    TPrinterOrientation Orientation = poPortrait;
    TrpDuplexMode Duplex = dmNone;
    bool operator==(const SheetSettings&) const = default;
  };
  // The sheet of the modes other than pmDefault.
  struct Sheet {
    int Paper = 0;
    Extended Width = 0;  // mm
    Extended Height = 0;
    TPrinterOrientation Orientation = poPortrait;
  };
  // A printer that refused a step: the document is aborted and the message shown.
  struct Failure {
    QString Message;
  };

  // A dot-matrix report: its pages as text through the installed dot-matrix export, sent to
  // the printer unchanged (print_job_text_mode.cpp).
  bool PrintAsText();
  bool RunJob();
  bool ShowDialog();
  void NoteSheet();
  bool RunDocument();
  void RunWalk();
  void EndDocument();

  // Page selection.
  int EntryCount() const;
  int PageIndexOf(int entry) const;
  bool ExcludedByPrintPages(int index) const;
  int EntryAt(int step) const;  // entries in walking order (reversed with Reverse)

  // One page per sheet (pmDefault, pmScale).
  bool PrintSheetPage(int entry);
  int SourceOf(const PageSettings& page);
  TrpDuplexMode DuplexOf(const PageSettings& page) const;
  void SetUpDefault(const PageSettings& page, const SheetSettings& wanted, int copies);
  void SetUpScale(const PageSettings& page, const SheetSettings& wanted, int copies);
  // Split and joined pages.
  bool PrintSplitPage(int entry);
  void PrintTiles(int index, const PageSettings& page, const Sheet& sheet, int across, int down);
  void PrintJoined();
  bool NextJoinedPage(int& entry, int& copy, int& index) const;

  // Steps shared by the modes; the printer steps raise Failure when the printer refuses.
  bool ReadPage(int index, PageSettings& page);
  bool FetchPage(int index, PageSettings& page, int& copies);
  void StartDocument();
  void BeginSheet();
  void EndSheet();
  void DrawPage(int index, Extended scaleX, Extended scaleY, Extended offsetX, Extended offsetY);
  void AfterPage();
  void AbortDocument();
  bool CheckTerminated();

  Sheet SheetFor(const PageSettings& page) const;
  QPointF Resolution() const;
  Extended MmToPixelsX(Extended mm) const;
  Extended MmToPixelsY(Extended mm) const;

  TrpCustomPreviewPages& FPages;
  TrpReport& FReport;
  TrpCustomPrinter* FPrinter = nullptr;
  TrpPrintOptions FOptions;  // the options as this job uses them (after the dialog)
  TrpDuplexMode FDuplex = dmNone;
  QStringList FList;
  bool FAllPages = true;  // no range text: every page of the store
  int FCopies = 1;
  int FCopy = 1;
  bool FDocStarted = false;
  bool FCancelled = false;
  SheetSettings FLast;
  QList<int> FUsedBins;
  bool FBlankSide = false;
  int FPrinted = 0;
  // The sheet of the modes other than pmDefault: the paper number and its portrait size (mm), or
  // each page's own paper when the printer reports no size for the chosen one.
  int FSheetPaper = 0;
  Extended FSheetWidth = 0;
  Extended FSheetHeight = 0;
  bool FSheetFromPage = false;
  // The sheet pmScale printed on last, as the printer reported it in the page's orientation.
  Extended FScaleWidth = 0;
  Extended FScaleHeight = 0;
  Extended FSplicingLine = 3;
};
