#pragma once
// TrpPreviewPages: the prepared pages of a report. A page is held as one XML element whose
// children are compact records: an object copied from a template is recorded under its alias
// (dictionary) with only the attributes in which it differs from its source object; other objects
// under their class name with their full attribute text. Pages are rebuilt into objects on demand
// and kept in a small cache; with the file cache on, page elements move out to a temporary file
// ("rp" prefix) when memory use passes EngineOptions.MaxMemSize. The store saves and loads itself
// as the prepared-report file (root "preparedreport").
#include <QHash>
#include <Qt>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "report/objects/custom_preview_pages.h"
#include "report/store/page_cache.h"
#include "report/store/picture_cache.h"
#include "report/store/preview_dictionary.h"
#include "report/store/read_descriptions.h"
#include "report/xml/xml_document.h"

class QBuffer;
class QUrl;
class TrpHyperlink;
class TrpOutline;
class TrpView;
struct TrpClassInfo;

class TrpPreviewPages : public TrpCustomPreviewPages {
 public:
  explicit TrpPreviewPages(TrpReport& report);
  ~TrpPreviewPages() override;

  // --- reading (TrpPageReader) ------------------------------------------------------------------
  int GetCount() const override;
  // The page stays owned by the store; the pointer stays valid while the page is cached and, once
  // dropped from the cache, until control returns to the event loop (see TrpPageCache). Callers
  // that keep a page longer take GetPageShared.
  TrpReportPage* GetPage(int index) override;
  // Page `index` rebuilt from its records (or from the cache); none for an index out of range.
  std::shared_ptr<TrpReportPage> GetPageShared(int index);
  QSizeF GetPageSize(int index) override;
  void ClearPageCache() override;

  // --- building (TrpPageBuilder) -----------------------------------------------------------------
  void AddObject(TrpComponent& object) override;
  void AddPage(TrpReportPage& page) override;
  void AddSourcePage(TrpReportPage& page) override;
  void AddToSourcePage(TrpComponent& object) override;
  void BeginPass() override;
  void ClearFirstPassPages() override;
  void CutObjects(int position) override;
  void Finish() override;
  void PasteObjects(Extended x, Extended y) override;
  void UpdatePageDimensions(TrpReportPage& page, Extended width, Extended height) override;
  void UpdatePageLastColumn(int column, bool reset, Extended columnPosition) override;
  bool GetLastColumnPos(int& column, Extended& columnPosition) const override;
  void AddPicture(TrpPictureView& picture) override;
  bool BandExists(TrpBand& band) override;
  int GetCurPosition() const override;
  Extended GetLastY(Extended columnPosition = 0) const override;

  // --- anchors and page numbers (TrpPageAnchors) -----------------------------------------------
  void IncLogicalPageNumber() override;
  void ResetLogicalPageNumber() override;
  int GetLogicalPageNo() const override;
  int GetLogicalTotalPages() const override;
  void ShiftAnchors(int from, int newTop) override;
  void AddAnchor(const QString& text) override;
  int AnchorTopAt(int index) const override;
  int GetAnchorCurPosition() const override;
  // The index of the last anchor named `text` (ignoring case), or -1.
  int FindAnchor(const QString& text) const;
  // The 1-based page of anchor `text`; 1 when there is none.
  int GetAnchorPage(const QString& text) const override;
  // The position (report units) of anchor `text`; 0 when there is none.
  int GetAnchorTop(const QString& text) const;
  bool AnchorTarget(const QString& text, int& page, int& top) const override;

  // --- editing (TrpPageEditor) ----------------------------------------------------------------
  void AddEmptyPage(int index) override;
  void DeletePage(int index) override;
  void ModifyPage(int index, TrpReportPage& page) override;
  void AddFrom(TrpReport& report) override;

  // --- drawing and the mouse (TrpPageReader) ---------------------------------------------------
  void DrawPage(int index, QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                Extended offsetY) override;
  TrpComponent* ObjectOver(int index, Extended x, Extended y, Extended scale, Extended offsetX,
                           Extended offsetY) override;
  bool ToggleDrillDown(int index, Extended x, Extended y, Extended scale, Extended offsetX,
                       Extended offsetY) override;
  TrpComponent* MouseEventAt(int index, Extended x, Extended y, TrpPreviewMouseEvent event, Extended scale,
                             Extended offsetX, Extended offsetY, Qt::CursorShape& cursor, bool* modified = nullptr,
                             Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers shift = {}) override;
  // Sets the four callbacks below; OpenURL only when none was set.
  void SetLinkHandlers(TrpPageLinkHandlers handlers) override;
  // Where a hyperlink of kind anchor or page number leads: a 0-based page and a position in
  // report units. The preview installs it.
  std::function<void(int page, int top)> OnNavigate;
  // Opens a URL with the system's handler; replaceable (tests). Only http, https and mailto
  // addresses ever reach it.
  std::function<void(const QUrl&)> OpenURL;
  // Hyperlinks to another report (hkDetailReport) or to a page of this one (hkDetailPage): the
  // preview installs what opens them in a tab of their own.
  std::function<void(const TrpHyperlink&)> OnDetailReport, OnDetailPage;

  TrpCustomOutline* Outline() const override;

  // --- files (TrpPageFiles) --------------------------------------------------------------------
  void Clear() override;
  void Initialize() override;
  // A damaged document raises TrpError ("Invalid file format" and what was wrong) and leaves the
  // store empty.
  void LoadFromStream(QIODevice& stream, bool allowPartialLoading = false) override;
  void SaveToStream(QIODevice& stream) override;
  bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false) override;
  // Writes through a temporary file that replaces `fileName` only once complete; false when the
  // file cannot be written (the old one is then untouched).
  bool SaveToFile(const QString& fileName) override;
  bool Print() override;
  // Hands the filter's pages (and the objects on them meant for export) to the filter, with the
  // report's export progress; false with the filter's Error when it failed, or when cancelled.
  // Refused while the engine runs.
  bool Export(TrpCustomExportFilter& filter) override;

  // --- parts, for the preview and the tests ----------------------------------------------------
  TrpXMLDocument& XMLDocument() const { return FDoc; }
  const TrpDictionary& Dictionary() const { return FDictionary; }
  TrpPictureCache& PictureCache() { return FPictureCache; }
  int SourcePageCount() const { return static_cast<int>(FSourcePages.size()); }
  TrpReportPage* SourcePage(int index) const { return FSourcePages.at(index).get(); }
  // The stored description of a source object: its class name and full attribute text.
  QString SourceDescription(const TrpComponent* object) const { return FDescriptions.value(object); }
  // The record element of page `index`, read back from the temporary file first if it was
  // unloaded; none for an index out of range.
  TrpXMLItem* PageItem(int index) const;
  // Bottom of the last page of a report merged by AddFrom.
  Extended LastY() const { return FLastY; }
  int CachedPageCount() const { return FPageCache.Count(); }

 private:
  TrpXMLItem* PagesElement() const;
  TrpXMLItem* Element(const QString& name, bool create) const;
  TrpXMLItem* CurPageItem() const { return PageItem(CurPage()); }
  bool LastPassOfTwo() const;
  bool EngineRunning() const;
  bool UseFileCache() const;

  // source pages (preview_pages_source.cpp)
  int SourceIndexOf(const TrpReportPage& page) const;
  void CopySourceObject(TrpComponent& object, TrpComponent& parentCopy, int pageIndex);
  void RegisterSourceObject(TrpComponent& object, TrpComponent& copy, int pageIndex);
  void SetDescription(const TrpComponent& copy);

  // records (preview_pages_records.cpp)
  void AddRecord(TrpXMLItem& parent, TrpComponent& object, bool fullPage);
  // The attribute text an object is recorded with, without blanks around it.
  QString RecordText(TrpComponent& object, const TrpComponent* source, bool fullPage) const;
  const TrpClassInfo* RecordClass(const TrpXMLItem& record) const;
  Extended RecordValue(const TrpXMLItem& record, const char* shortName, const char* longName) const;
  Extended LowestBand(const TrpXMLItem& page, Extended columnPosition) const;
  void UnloadPagesBehind();

  // building pages (preview_pages_build.cpp)
  std::shared_ptr<TrpReportPage> BuildPage(int index);
  void BuildRecord(const TrpXMLItem& record, TrpComponent& parent);
  void DropCachedPage();

  // files (preview_pages_file.cpp)
  void WriteReportElement();
  void WriteSourcePages();
  void WriteDictionary();
  // Lets the registered compressor unpack `stream` into `output` (left closed when the data is
  // not in its form). False, with the error reported, when the data is damaged.
  bool Decompressed(QIODevice& stream, QBuffer& output);
  void ReadDocument();
  void ReadReportElement();
  void ReadSourcePages();
  void ReadDictionary();
  void CheckPages() const;
  void CheckPlaces(const QString& element) const;

  // mouse (preview_pages_mouse.cpp)
  TrpView* HitTest(TrpReportPage& page, int index, Extended x, Extended y, Extended scale,
                   Extended offsetX, Extended offsetY) const;
  void FollowHyperlink(TrpView& view);

  mutable TrpXMLDocument FDoc;
  std::unique_ptr<TrpOutline> FOutline;
  std::vector<std::unique_ptr<TrpReportPage>> FSourcePages;
  QHash<const TrpComponent*, QString> FDescriptions;
  TrpReadDescriptions FReadDescriptions;
  TrpDictionary FDictionary;
  TrpPictureCache FPictureCache;
  TrpPageCache FPageCache;
  int FFirstPageIndex = -1;
  int FFirstObjectIndex = 0;
  int FFirstOutlineIndex = 0;
  int FLogicalPageN = 0;
  qint64 FXMLSize = 0;
  Extended FLastY = 0;
  // The object under the mouse and the page it lies on (kept alive with it).
  TrpView* FLastObjectOver = nullptr;
  std::shared_ptr<TrpReportPage> FLastObjectOverPage;
  // While Export runs, pages are drawn with the objects meant for export.
  bool FExporting = false;
};
