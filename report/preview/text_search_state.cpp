#include "report/preview/text_search_state.h"

TrpTextSearchState& rpTextSearch() {
  static TrpTextSearchState state;
  return state;
}
