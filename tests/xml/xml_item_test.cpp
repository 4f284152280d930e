#include "report/xml/xml_document.h"

#include <gtest/gtest.h>

namespace {

TEST(XmlItemTree, AddItemMovesTheItemFromItsOldParent) {
  TrpXMLItem a, b;
  TrpXMLItem* child = a.Add(QStringLiteral("c"));
  b.AddItem(child);
  EXPECT_EQ(a.Count(), 0);
  ASSERT_EQ(b.Count(), 1);
  EXPECT_EQ(child->Parent(), &b);
}

TEST(XmlItemTree, DestroyedChildLeavesItsParentsList) {
  TrpXMLItem root;
  TrpXMLItem* first = root.Add(QStringLiteral("first"));
  root.Add(QStringLiteral("second"));
  delete first;
  ASSERT_EQ(root.Count(), 1);
  EXPECT_EQ(root.Items(0)->Name(), QStringLiteral("second"));
}

TEST(XmlItemTree, InsertItemPlacesAtIndex) {
  TrpXMLItem root;
  root.Add(QStringLiteral("a"));
  root.Add(QStringLiteral("c"));
  auto* b = new TrpXMLItem;
  b->SetName(QStringLiteral("b"));
  root.InsertItem(1, b);
  EXPECT_EQ(root.IndexOf(b), 1);
  EXPECT_EQ(root.Items(2)->Name(), QStringLiteral("c"));
}

TEST(XmlItemTree, FindIgnoresCaseAndFindItemCreatesWhenAbsent) {
  TrpXMLItem root;
  root.Add(QStringLiteral("Page"));
  EXPECT_EQ(root.Find(QStringLiteral("PAGE")), 0);
  EXPECT_EQ(root.Find(QStringLiteral("band")), -1);
  TrpXMLItem* band = root.FindItem(QStringLiteral("band"));
  EXPECT_EQ(root.Count(), 2);
  EXPECT_EQ(root.FindItem(QStringLiteral("BAND")), band);
}

TEST(XmlItemTree, RootIsTheTopmostAncestor) {
  TrpXMLItem root;
  TrpXMLItem* leaf = root.Add()->Add()->Add();
  EXPECT_EQ(leaf->Root(), &root);
}

TEST(XmlItemTree, ClearMarksAnUnloadableItemNotLoaded) {
  TrpXMLItem item;
  item.Add();
  item.SetUnloadable(true);
  item.Clear();
  EXPECT_EQ(item.Count(), 0);
  EXPECT_FALSE(item.Loaded());
}

TEST(XmlItemProps, ShortNameDoesNotMatchTheTailOfALongerOne) {
  TrpXMLItem item;
  item.SetText(QStringLiteral(" Height=\"5\" t=\"7\""));
  EXPECT_EQ(item.Prop(QStringLiteral("t")), QStringLiteral("7"));
  EXPECT_EQ(item.Prop(QStringLiteral("height")), QStringLiteral("5"));
}

TEST(XmlItemProps, LookupIgnoresCaseAndDecodes) {
  TrpXMLItem item;
  item.SetText(QStringLiteral("Text=\"a&#13;&#10;b&amp;c\""));
  EXPECT_EQ(item.Prop(QStringLiteral("TEXT")), QStringLiteral("a\r\nb&c"));
  EXPECT_TRUE(item.PropExists(QStringLiteral("text")));
  EXPECT_EQ(item.Prop(QStringLiteral("missing")), QString());
  EXPECT_FALSE(item.PropExists(QStringLiteral("missing")));
}

TEST(XmlItemProps, SetPropAppendsWithOneBlankAndReplacesInPlace) {
  TrpXMLItem item;
  item.SetProp(QStringLiteral("a"), QStringLiteral("1"));
  EXPECT_EQ(item.Text(), QStringLiteral("a=\"1\""));
  item.SetProp(QStringLiteral("b"), QStringLiteral("x\"y"));
  EXPECT_EQ(item.Text(), QStringLiteral("a=\"1\" b=\"x&#34;y\""));
  item.SetProp(QStringLiteral("A"), QStringLiteral("22"));
  EXPECT_EQ(item.Text(), QStringLiteral("A=\"22\" b=\"x&#34;y\""));
  item.SetText(QStringLiteral("c=\"1\" "));
  item.SetProp(QStringLiteral("d"), QStringLiteral("2"));
  EXPECT_EQ(item.Text(), QStringLiteral("c=\"1\" d=\"2\""));
}

TEST(XmlItemProps, DeletePropRemovesTheAttributeAndItsSeparator) {
  TrpXMLItem item;
  item.SetText(QStringLiteral("a=\"1\" b=\"2\" c=\"3\""));
  item.DeleteProp(QStringLiteral("b"));
  EXPECT_EQ(item.Text(), QStringLiteral("a=\"1\" c=\"3\""));
  item.DeleteProp(QStringLiteral("nothing"));
  EXPECT_EQ(item.Text(), QStringLiteral("a=\"1\" c=\"3\""));
}

TEST(XmlItemProps, NameInsideAValueIsNotAnAttribute) {
  TrpXMLItem item;
  item.SetProp(QStringLiteral("a"), QStringLiteral("x t=y"));
  item.SetProp(QStringLiteral("t"), QStringLiteral("7"));
  EXPECT_EQ(item.Prop(QStringLiteral("t")), QStringLiteral("7"));
  EXPECT_EQ(item.Prop(QStringLiteral("a")), QStringLiteral("x t=y"));
}

}  // namespace
