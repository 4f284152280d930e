// The outline tree and the thumbnail strip beside the main workspace; never shown together.
#include <QSplitter>
#include <QTreeWidget>

#include "report/component/report.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/preview_options.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"

namespace {

// Tree items carry the page (1-based) and the position within it.
constexpr int kPageRole = Qt::UserRole;
constexpr int kTopRole = Qt::UserRole + 1;

}  // namespace

void TrpPreview::AddOutlineItems(QTreeWidgetItem* parent, int level) {
  TrpCustomOutline* outline = FPreviewPages->Outline();
  // Outlines nest as deep as reports group; a runaway depth would exhaust the stack.
  constexpr int kMaxDepth = 256;
  if (level > kMaxDepth) return;
  for (int i = 0; i < outline->GetCount(); ++i) {
    QString text;
    int page = 0;
    int top = 0;
    outline->GetItem(i, text, page, top);
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(FOutline);
    item->setText(0, text);
    item->setData(0, kPageRole, page + 1);
    item->setData(0, kTopRole, top);
    outline->LevelDown(i);
    AddOutlineItems(item, level + 1);
    outline->LevelUp();
  }
}

void TrpPreview::UpdateOutline() {
  FOutline->clear();
  if (!FPreviewPages || !FPreviewPages->Outline()) return;
  FPreviewPages->Outline()->LevelRoot();
  AddOutlineItems(nullptr, 0);
  if (!FReport || FReport->PreviewOptions().OutlineExpand()) FOutline->expandAll();
  if (FOutline->topLevelItemCount() > 0) FOutline->scrollToItem(FOutline->topLevelItem(0));
}

void TrpPreview::OnOutlineClick(QTreeWidgetItem* item) {
  SetPosition(item->data(0, kPageRole).toInt(), item->data(0, kTopRole).toInt());
  setFocus();
}

bool TrpPreview::OutlineVisible() const {
  return !FOutline->isHidden();
}

bool TrpPreview::ThumbnailVisible() const {
  return !FThumbnail->isHidden();
}

void TrpPreview::SetOutlineVisible(bool value) {
  const bool changed = OutlineVisible() != value;
  if (value) FThumbnail->hide();
  FOutline->setVisible(value);
  if (FPreviewForm) FPreviewForm->UpdatePaneButtons();
  if (changed) UpdatePages();
}

void TrpPreview::SetThumbnailVisible(bool value) {
  const bool changed = ThumbnailVisible() != value;
  if (value) FOutline->hide();
  FThumbnail->setVisible(value);
  if (value) {
    FThumbnail->SetHorzPosition(FThumbnail->HorzPosition());
    FThumbnail->SetVertPosition(FThumbnail->VertPosition());
  }
  if (FPreviewForm) FPreviewForm->UpdatePaneButtons();
  if (changed) UpdatePages();
}

void TrpPreview::SetOutlineWidth(int value) {
  FOutlineWidth = value;
  FOutline->setMinimumWidth(0);
  const QList<int> sizes = FSplitter->sizes();
  if (sizes.size() == 3) {
    const int rest = std::max(0, sizes[0] + sizes[1] + sizes[2] - value);
    FSplitter->setSizes({value, value, rest});
  }
  FOutline->resize(value, FOutline->height());
  FThumbnail->resize(value, FThumbnail->height());
}
