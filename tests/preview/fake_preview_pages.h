#pragma once
// A prepared-pages store of synthetic pages for the preview tests: any number of pages of given
// sizes, each painted as a numbered box, with every call the preview makes counted.
#include <QPainter>

#include <memory>
#include <vector>

#include "idle_preview_pages.h"
#include "report/component/report.h"
#include "report/pages/report_page.h"

class FakePreviewPages : public IdlePreviewPages {
 public:
  // An A4 page in report units (pixels at zoom 1).
  static constexpr qreal kA4Width = 794;
  static constexpr qreal kA4Height = 1123;

  explicit FakePreviewPages(TrpReport& report, int count = 0, QSizeF size = {kA4Width, kA4Height})
      : IdlePreviewPages(report), FSizes(static_cast<size_t>(count), size) {
    FPage->SetTopMargin(10);
  }

  std::vector<QSizeF>& Sizes() { return FSizes; }

  int GetCount() const override { return static_cast<int>(FSizes.size()); }
  TrpReportPage* GetPage(int index) override { return index >= 0 && index < GetCount() ? FPage.get() : nullptr; }
  QSizeF GetPageSize(int index) override { return index >= 0 && index < GetCount() ? FSizes[size_t(index)] : QSizeF(); }
  void Clear() override { FSizes.clear(); ++Clears; }

  void AddPage(TrpReportPage&) override { FSizes.push_back({kA4Width, kA4Height}); }

  void AddEmptyPage(int index) override {
    FSizes.insert(FSizes.begin() + std::clamp(index, 0, GetCount()), QSizeF(kA4Width, kA4Height));
  }
  // Keeps at least one page, as the real store does.
  void DeletePage(int index) override {
    if (GetCount() > 1 && index >= 0 && index < GetCount()) FSizes.erase(FSizes.begin() + index);
  }
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
