// Nested collections of report files: one "item" element per item, and inherited items that
// carry only what differs from the ancestor's item of the same name.
#include "qstring_printer.h"
#include "report/objects/class_info.h"
#include "report/objects/object_attributes.h"
#include "report/objects/property_builders.h"
#include "report/xml/xml_document.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class NamedItem : public TrpPersistent {
 public:
  NamedItem(const QString& name = {}, int value = 0) : FName(name), FValue(value) {}
  static const TrpClassInfo& StaticClassInfo() {
    static const TrpClassInfo info("NamedItem", nullptr, nullptr,
                                   {rpString<&NamedItem::Name, &NamedItem::SetName>("Name"),
                                    rpInteger<&NamedItem::Value, &NamedItem::SetValue>("Value", 0)});
    return info;
  }
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  const QString& Name() const { return FName; }
  void SetName(const QString& value) { FName = value; }
  int Value() const { return FValue; }
  void SetValue(int value) { FValue = value; }

 private:
  QString FName;
  int FValue;
};

QList<const TrpPersistent*> pointers(const std::vector<std::unique_ptr<NamedItem>>& items) {
  QList<const TrpPersistent*> out;
  for (const auto& i : items) out.append(i.get());
  return out;
}

TEST(NestedCollections, ItemsAreWrittenInOrderAndReadBack) {
  std::vector<std::unique_ptr<NamedItem>> items;
  items.push_back(std::make_unique<NamedItem>("A", 1));
  items.push_back(std::make_unique<NamedItem>("B", 0));
  TrpXMLItem root;
  rpWriteCollection(pointers(items), QStringLiteral("Variables"), root);
  ASSERT_EQ(root.Count(), 1);
  const TrpXMLItem& element = *root.Items(0);
  EXPECT_EQ(element.Name(), QStringLiteral("Variables"));
  ASSERT_EQ(element.Count(), 2);
  EXPECT_EQ(element.Items(0)->Text(), QStringLiteral("Name=\"A\" Value=\"1\""));
  EXPECT_EQ(element.Items(1)->Text(), QStringLiteral("Name=\"B\""));

  std::vector<std::unique_ptr<NamedItem>> read;
  rpReadCollection(element, [&read]() -> TrpPersistent* {
    read.push_back(std::make_unique<NamedItem>());
    return read.back().get();
  });
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0]->Name(), QStringLiteral("A"));
  EXPECT_EQ(read[0]->Value(), 1);
}

TEST(NestedCollections, InheritedItemsHoldOnlyTheirDifferencesAndUpdateTheAncestorsItem) {
  std::vector<std::unique_ptr<NamedItem>> ancestor, mine;
  ancestor.push_back(std::make_unique<NamedItem>("Shared", 1));
  mine.push_back(std::make_unique<NamedItem>("Shared", 5));
  mine.push_back(std::make_unique<NamedItem>("Own", 2));
  TrpXMLItem root;
  rpWriteCollection(pointers(mine), QStringLiteral("Variables"), root, pointers(ancestor));
  const TrpXMLItem& element = *root.Items(0);
  EXPECT_EQ(element.Items(0)->Text(), QStringLiteral("InheritedName=\"Shared\" Value=\"5\""));
  EXPECT_EQ(element.Items(1)->Text(), QStringLiteral("Name=\"Own\" Value=\"2\""));

  // Read into an inherited object that has the ancestor's item already.
  std::vector<std::unique_ptr<NamedItem>> target;
  target.push_back(std::make_unique<NamedItem>("Shared", 1));
  const auto find = [&target](const QString& name) -> TrpPersistent* {
    for (const auto& i : target)
      if (i->Name() == name) return i.get();
    return nullptr;
  };
  const auto add = [&target]() -> TrpPersistent* {
    target.push_back(std::make_unique<NamedItem>());
    return target.back().get();
  };
  rpReadCollection(element, add, nullptr, find);
  ASSERT_EQ(target.size(), 2u);
  EXPECT_EQ(target[0]->Value(), 5);
  EXPECT_EQ(target[1]->Name(), QStringLiteral("Own"));
}

TEST(NestedCollections, AnInheritedItemWithoutItsAncestorIsSkipped) {
  TrpXMLItem root;
  TrpXMLItem* element = root.Add(QStringLiteral("Variables"));
  element->Add(QStringLiteral("item"))->SetText(QStringLiteral("InheritedName=\"Gone\" Value=\"5\""));
  int added = 0;
  rpReadCollection(*element, [&added]() -> TrpPersistent* { ++added; return nullptr; }, nullptr,
                   [](const QString&) -> TrpPersistent* { return nullptr; });
  EXPECT_EQ(added, 0);
}

}  // namespace
