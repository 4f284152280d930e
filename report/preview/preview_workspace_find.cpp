// The search step of the main workspace: pages are recorded one at a time and their text runs
// searched in drawing order; a hit is scrolled into view and marked.
#include "report/objects/custom_preview_pages.h"
#include "report/preview/page_text_recording.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_workspace.h"
#include "report/preview/text_match.h"
#include "report/preview/text_search_state.h"
#include "report/res/resources.h"

namespace {

// Room kept below and right of a hit scrolled into view.
constexpr int kFoundMargin = 20;

int scaled(Extended v, Extended zoom) { return static_cast<int>(rpRound(v * zoom)); }

}  // namespace

void TrpPreviewWorkspace::ClearSearchPicture() {
  FEMFImage.reset();
  FEMFImagePage = -1;
}

const TrpPageTextRecording& TrpPreviewWorkspace::PageText(int index) {
  if (!FEMFImage || FEMFImagePage != index) {
    FEMFImage = TrpPageTextRecording::Record(*FPreviewPages, index);
    FEMFImagePage = index;
  }
  return *FEMFImage;
}

bool TrpPreviewWorkspace::FindText() {
  TrpTextSearchState& search = rpTextSearch();
  search.TextFound = false;
  search.FoundIn = nullptr;
  // A search begun where there is no page (an empty preview) starts at the first.
  FLastFoundPage = std::max(FLastFoundPage, 0);
  const int count = FPreviewPages && !search.TextToFind.isEmpty() ? FPreviewPages->GetCount() : 0;
  for (; FLastFoundPage < count; ++FLastFoundPage) {
    const std::optional<TrpTextHit> hit =
        rpFindInRuns(PageText(FLastFoundPage).Runs(), search.TextToFind, search.CaseSensitive, search.LastFoundRecord);
    if (hit) {
      search.TextFound = true;
      search.FoundIn = this;
      search.RecordNo = search.LastFoundRecord = hit->Record;
      const QRect& r = hit->Bounds;
      search.TextBounds = {Extended(r.left()), Extended(r.top()), Extended(r.left() + r.width()),
                           Extended(r.top() + r.height())};
      ScrollToFoundText();
      return true;
    }
    search.LastFoundRecord = -1;
  }
  if (FPreview) FPreview->Thumbnail()->Repaint();
  Repaint();
  rpPreviewDialogs().ShowMessage(this, rpResources()->Get(QStringLiteral("clStrNotFound")));
  return false;
}

// Scrolls the hit into view when any side of it is outside, and makes its page current without
// moving the view to the page's top: the hit may lie lower on its page than the view is high.
void TrpPreviewWorkspace::ScrollToFoundText() {
  const QRect page = FPageList.GetPageBounds(FLastFoundPage, LayoutWidth(), FRTLLanguage, FZoom);
  const TrpRect& found = rpTextSearch().TextBounds;
  const int top = page.top() + scaled(found.Top, FZoom), bottom = page.top() + scaled(found.Bottom, FZoom);
  const int left = page.left() + scaled(found.Left, FZoom), right = page.left() + scaled(found.Right, FZoom);
  const QSize client = viewport()->size();
  if (top < VertPosition() || bottom > VertPosition() + client.height())
    SetVertPosition(bottom - client.height() + kFoundMargin);
  if (left < HorzPosition() || right > HorzPosition() + client.width())
    SetHorzPosition(right - client.width() + kFoundMargin);
  if (FPreview) {
    FDisableUpdate = true;
    FPreview->SetPageNo(FLastFoundPage + 1);
    FDisableUpdate = false;
    FPreview->Thumbnail()->Repaint();
  }
  Repaint();
}
