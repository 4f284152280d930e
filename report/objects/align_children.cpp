// Automatic placement of a parent's visual children by their Align value.
#include <algorithm>

#include "report/objects/component.h"

namespace {

struct Entry {
  QString Key;
  TrpComponent* Object;
};

// Sort key: "1" + Left for Left >= 0, "0" + |Left| otherwise, each as "%9.2f". Negative
// positions come first, ordered by increasing magnitude (the key is text).
QString sortKey(Extended left) {
  const double magnitude = static_cast<double>(left >= 0 ? left : -left);
  return (left >= 0 ? QStringLiteral("1") : QStringLiteral("0")) +
         QString::asprintf("%9.2f", magnitude);
}

// The entries of an object share no vertical band with `self` when one ends (less a hair) before
// the other starts.
bool overlapsVertically(const TrpComponent& self, const TrpComponent& other) {
  const Extended top = self.AbsTop();
  const Extended otherTop = other.AbsTop();
  return !(otherTop >= top + self.Height() - rpUnitTolerance ||
           otherTop + other.Height() - rpUnitTolerance <= top);
}

// The neighbour of entry k in direction d: +1 looks towards lower keys (left), -1 towards
// higher ones (right).
TrpComponent* neighbour(const std::vector<Entry>& list, qsizetype k, int d) {
  const TrpComponent& self = *list[k].Object;
  for (qsizetype i = k - d; i >= 0 && i < static_cast<qsizetype>(list.size()); i -= d) {
    const TrpComponent& other = *list[i].Object;
    if (&other == &self || !overlapsVertically(self, other)) continue;
    if (self.Align() == baWidth) {
      if (d > 0 && other.Left() > self.Left()) continue;
      if (d < 0 && other.Left() + other.Width() < self.Left() + self.Width()) continue;
    }
    return list[i].Object;
  }
  return nullptr;
}

}  // namespace

void TrpComponent::AlignChildren() {
  std::vector<Entry> list;
  for (TrpComponent* child : FObjects)
    if (child->IsVisualObject()) list.push_back({sortKey(child->Left()), child});
  std::stable_sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) {
    return a.Key.compare(b.Key, Qt::CaseInsensitive) < 0;
  });
  const auto count = static_cast<qsizetype>(list.size());

  for (qsizetype k = 0; k < count; ++k) {
    TrpComponent* c = list[k].Object;
    if (c->Align() != baLeft && c->Align() != baWidth) continue;
    const TrpComponent* n = neighbour(list, k, +1);
    c->SetLeft(n ? n->Left() + n->Width() : 0);
  }

  for (qsizetype k = count - 1; k >= 0; --k) {
    TrpComponent* c = list[k].Object;
    if (c->Align() != baRight && c->Align() != baWidth) continue;
    const TrpComponent* n = neighbour(list, k, -1);
    const Extended edge = n ? n->Left() : Width();
    if (c->Align() == baRight)
      c->SetLeft(edge - c->Width());
    else
      c->SetWidth(edge - c->Left());
  }

  for (TrpComponent* c : FObjects) {
    if (!c->IsVisualObject()) continue;
    switch (c->Align()) {
      case baCenter: c->SetLeft((Width() - c->Width()) / 2); break;
      case baBottom: c->SetTop(Height() - c->Height()); break;
      case baClient: c->SetBounds(0, 0, Width(), Height()); break;
      default: break;
    }
  }
}
