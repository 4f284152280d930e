// The window's list of owned components.
#include <QStringList>
#include <gtest/gtest.h>

#include "app/owned_components.h"

namespace {

using stroval::OwnedComponents;

QObject* Named(const char* name, QStringList* freed) {
  auto* object = new QObject;
  object->setObjectName(QString::fromUtf8(name));
  QObject::connect(object, &QObject::destroyed, [freed, name] { *freed << name; });
  return object;
}

TEST(OwnedComponents, KeepsComponentsInTheOrderGiven) {
  QStringList freed;
  OwnedComponents owned;
  for (const char* name : {"a", "b", "c"}) owned.Insert(Named(name, &freed));
  ASSERT_EQ(owned.ComponentCount(), 3);
  EXPECT_EQ(owned.Components(0)->objectName(), "a");
  EXPECT_EQ(owned.Components(2)->objectName(), "c");
}

TEST(OwnedComponents, FreesItsComponentsLastFirst) {
  QStringList freed;
  {
    OwnedComponents owned;
    for (const char* name : {"a", "b", "c"}) owned.Insert(Named(name, &freed));
  }
  EXPECT_EQ(freed, QStringList({"c", "b", "a"}));
}

TEST(OwnedComponents, ComponentFreedElsewhereLeavesTheList) {
  QStringList freed;
  OwnedComponents owned;
  QObject* b = nullptr;
  for (const char* name : {"a", "b", "c"}) {
    QObject* object = Named(name, &freed);
    if (QString::fromUtf8(name) == "b") b = object;
    owned.Insert(object);
  }
  delete b;
  ASSERT_EQ(owned.ComponentCount(), 2);
  EXPECT_EQ(owned.Components(1)->objectName(), "c");
}

TEST(OwnedComponents, FreeingWhileWalkingDownVisitsEveryComponent) {
  QStringList freed;
  OwnedComponents owned;
  for (const char* name : {"x", "a", "x", "x", "b", "x"}) owned.Insert(Named(name, &freed));
  for (int i = owned.ComponentCount() - 1; i >= 0; --i)
    if (owned.Components(i)->objectName() == "x") delete owned.Components(i);
  ASSERT_EQ(owned.ComponentCount(), 2);
  EXPECT_EQ(owned.Components(0)->objectName(), "a");
  EXPECT_EQ(owned.Components(1)->objectName(), "b");
}

TEST(OwnedComponents, InsertingTwiceOwnsOnce) {
  QStringList freed;
  {
    OwnedComponents owned;
    QObject* a = Named("a", &freed);
    owned.Insert(a);
    owned.Insert(a);
    EXPECT_EQ(owned.ComponentCount(), 1);
  }
  EXPECT_EQ(freed, QStringList({"a"}));
}

TEST(OwnedComponents, ChildOwnedAlongsideItsParentIsFreedOnce) {
  QStringList freed;
  {
    OwnedComponents owned;
    QObject* parent = Named("parent", &freed);
    QObject* child = Named("child", &freed);
    child->setParent(parent);
    owned.Insert(child);
    owned.Insert(parent);  // freeing the parent frees the child, which then leaves the list
  }
  EXPECT_EQ(freed, QStringList({"parent", "child"}));
}

}  // namespace
