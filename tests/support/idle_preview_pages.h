#pragma once
// A prepared-pages store that holds nothing: no pages, every building call the engine makes does
// nothing, and loading, saving, printing and exporting fail. Fakes for a test derive from it and
// override only the calls that test watches.
#include <QSizeF>

#include "report/objects/custom_preview_pages.h"

class IdlePreviewPages : public TrpCustomPreviewPages {
 public:
  using TrpCustomPreviewPages::TrpCustomPreviewPages;

  // TrpPageBuilder: what the engine calls while it prepares the pages.
  void BeginPass() override {}
  void ClearFirstPassPages() override {}
  void Finish() override {}
  void AddSourcePage(TrpReportPage&) override {}
  void AddToSourcePage(TrpComponent&) override {}
  void AddPage(TrpReportPage&) override {}
  void AddObject(TrpComponent&) override {}
  void AddPicture(TrpPictureView&) override {}
  bool BandExists(TrpBand&) override { return false; }
  int GetCurPosition() const override { return 0; }
  void CutObjects(int) override {}
  void PasteObjects(Extended, Extended) override {}
  Extended GetLastY(Extended) const override { return 0; }
  void UpdatePageDimensions(TrpReportPage&, Extended, Extended) override {}
  void UpdatePageLastColumn(int, bool, Extended) override {}
  bool GetLastColumnPos(int&, Extended&) const override { return false; }

  // TrpPageAnchors: anchors and page numbers.
  void AddAnchor(const QString&) override {}
  void ShiftAnchors(int, int) override {}
  int AnchorTopAt(int) const override { return 0; }
  int GetAnchorCurPosition() const override { return 0; }
  int GetAnchorPage(const QString&) const override { return 1; }
  void IncLogicalPageNumber() override {}
  void ResetLogicalPageNumber() override {}
  int GetLogicalPageNo() const override { return 0; }
  int GetLogicalTotalPages() const override { return 0; }

  // TrpPageReader: what the preview, printing and export read; the mouse only hit-tests.
  int GetCount() const override { return 0; }
  TrpReportPage* GetPage(int) override { return nullptr; }
  QSizeF GetPageSize(int) override { return {}; }
  void DrawPage(int, QPainter&, Extended, Extended, Extended, Extended) override {}
  TrpComponent* ObjectOver(int, Extended, Extended, Extended, Extended, Extended) override { return nullptr; }
  bool ToggleDrillDown(int, Extended, Extended, Extended, Extended, Extended) override { return false; }
  TrpComponent* MouseEventAt(int index, Extended x, Extended y, TrpPreviewMouseEvent, Extended scale,
                             Extended offsetX, Extended offsetY, Qt::CursorShape&, bool*, Qt::MouseButton,
                             Qt::KeyboardModifiers) override {
    return ObjectOver(index, x, y, scale, offsetX, offsetY);
  }
  bool AnchorTarget(const QString&, int&, int&) const override { return false; }
  void SetLinkHandlers(TrpPageLinkHandlers) override {}
  TrpCustomOutline* Outline() const override { return nullptr; }

  // TrpPageEditor: what the preview and the designer do to prepared pages.
  void AddEmptyPage(int) override {}
  void DeletePage(int) override {}
  void ModifyPage(int, TrpReportPage&) override {}
  void AddFrom(TrpReport&) override {}

  // TrpPageFiles.
  void Clear() override {}
  void Initialize() override {}
  void LoadFromStream(QIODevice&, bool) override {}
  void SaveToStream(QIODevice&) override {}
  bool LoadFromFile(const QString&, bool) override { return false; }
  bool SaveToFile(const QString&) override { return false; }
  bool Print() override { return false; }
  bool Export(TrpCustomExportFilter&) override { return false; }
};
