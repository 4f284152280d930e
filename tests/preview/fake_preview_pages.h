#pragma once
// A prepared-pages store of synthetic pages for the preview tests: any number of pages of given
// sizes, each painted as a numbered box, with every call the preview makes counted.
#include <QPainter>

#include <memory>
#include <vector>

#include "report/model/custom_preview_pages.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

class FakePreviewPages : public TrpCustomPreviewPages {
 public:
  // An A4 page in report units (pixels at zoom 1).
  static constexpr qreal kA4Width = 794;
  static constexpr qreal kA4Height = 1123;

  explicit FakePreviewPages(TrpReport& report, int count = 0, QSizeF size = {kA4Width, kA4Height})
      : TrpCustomPreviewPages(report), FSizes(static_cast<size_t>(count), size) {
    FPage->SetTopMargin(10);
  }

  std::vector<QSizeF>& Sizes() { return FSizes; }

  int GetCount() const override { return static_cast<int>(FSizes.size()); }
  TrpReportPage* GetPage(int index) override { return index >= 0 && index < GetCount() ? FPage.get() : nullptr; }
  QSizeF GetPageSize(int index) override { return index >= 0 && index < GetCount() ? FSizes[size_t(index)] : QSizeF(); }
  void Clear() override { FSizes.clear(); ++Clears; }
  void Initialize() override {}

  void AddObject(TrpComponent&) override {}
  void AddPage(TrpReportPage&) override { FSizes.push_back({kA4Width, kA4Height}); }
  void AddSourcePage(TrpReportPage&) override {}
  void AddToSourcePage(TrpComponent&) override {}
  void BeginPass() override {}
  void ClearFirstPassPages() override {}
  void CutObjects(int) override {}
  void Finish() override {}
  void IncLogicalPageNumber() override {}
  void ResetLogicalPageNumber() override {}
  void PasteObjects(Extended, Extended) override {}
  void ShiftAnchors(int, int) override {}
  void AddAnchor(const QString&) override {}
  void UpdatePageDimensions(TrpReportPage&, Extended, Extended) override {}
  void UpdatePageLastColumn(int, bool, Extended) override {}
  bool GetLastColumnPos(int&, Extended&) const override { return false; }
  void AddPicture(TrpPictureView&) override {}
  bool BandExists(TrpBand&) override { return false; }
  int GetCurPosition() const override { return 0; }
  int GetAnchorCurPosition() const override { return 0; }
  Extended GetLastY(Extended) const override { return 0; }
  int GetLogicalPageNo() const override { return 0; }
  int GetLogicalTotalPages() const override { return 0; }

  void AddEmptyPage(int index) override {
    FSizes.insert(FSizes.begin() + std::clamp(index, 0, GetCount()), QSizeF(kA4Width, kA4Height));
  }
  // Keeps at least one page, as the real store does.
  void DeletePage(int index) override {
    if (GetCount() > 1 && index >= 0 && index < GetCount()) FSizes.erase(FSizes.begin() + index);
  }
  void ModifyPage(int, TrpReportPage&) override {}
  // A black box in the middle of the page, so tests can tell drawn pages from blank sheets.
  void DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                Extended offsetY) override {
    Drawn.push_back(index);
    const QSizeF size = FSizes[size_t(index)];
    canvas.fillRect(QRectF(double(offsetX + size.width() * scaleX / 4), double(offsetY + size.height() * scaleY / 4),
                           double(size.width() * scaleX / 2), double(size.height() * scaleY / 2)),
                    Qt::black);
  }
  TrpComponent* ObjectOver(int index, Extended, Extended, Extended, Extended, Extended) override {
    ObjectOverPages.push_back(index);
    return nullptr;
  }
  void AddFrom(TrpReport&) override {}

  void LoadFromStream(QIODevice&, bool) override {}
  void SaveToStream(QIODevice&) override {}
  bool LoadFromFile(const QString& fileName, bool) override {
    Loaded = fileName;
    if (FailLoad) throw std::runtime_error("cannot read");
    return true;
  }
  bool SaveToFile(const QString& fileName) override {
    Saved = fileName;
    return true;
  }
  bool Print() override {
    ++Prints;
    PrintedFrom = CurPreviewPage();
    return true;
  }
  bool Export(TrpCustomExportFilter&) override { return false; }
  TrpCustomOutline* Outline() const override { return nullptr; }

  std::vector<int> Drawn;
  std::vector<int> ObjectOverPages;
  int Clears = 0;
  int Prints = 0;
  int PrintedFrom = 0;
  bool FailLoad = false;
  QString Loaded;
  QString Saved;

 private:
  std::vector<QSizeF> FSizes;
  std::unique_ptr<TrpReportPage> FPage = std::make_unique<TrpReportPage>(nullptr);
};
