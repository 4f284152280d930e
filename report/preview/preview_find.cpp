// The preview's text search: the find dialog, repeated search and the search state.
#include <QCheckBox>
#include <QLineEdit>

#include "report/preview/preview.h"
#include "report/preview/preview_workspace.h"
#include "report/preview/search_dialog.h"
#include "report/preview/text_search_state.h"

void TrpPreview::Find() {
  TrpSearchDialog dialog(this);
  if (dialog.exec() == QDialog::Accepted)
    StartSearch(dialog.TextE->text(), dialog.TopCB->isChecked(), dialog.CaseCB->isChecked());
  FAllowF3 = true;
}

void TrpPreview::FindNext() {
  if (FAllowF3) FWorkspace->FindText();
}

bool TrpPreview::FindText(const QString& searchString, bool fromTop, bool isCaseSensitive) {
  StartSearch(searchString, fromTop, isCaseSensitive);
  FAllowF3 = true;
  return FindTextFound();
}

bool TrpPreview::FindTextFound() const {
  return rpTextSearch().TextFound;
}

void TrpPreview::FindTextClear() {
  ResetSearch();
  FWorkspace->Repaint();
  FThumbnail->Repaint();
}

void TrpPreview::StartSearch(const QString& text, bool fromTop, bool caseSensitive) {
  TrpTextSearchState& search = rpTextSearch();
  search.TextToFind = text;
  search.CaseSensitive = caseSensitive;
  search.LastFoundRecord = -1;
  FWorkspace->SetLastFoundPage(fromTop ? 0 : std::max(FPageNo - 1, 0));
  FWorkspace->FindText();
}

void TrpPreview::ResetSearch() {
  TrpTextSearchState& search = rpTextSearch();
  search.LastFoundRecord = -1;
  search.TextFound = false;
  search.FoundIn = nullptr;
  FWorkspace->SetLastFoundPage(0);
}
