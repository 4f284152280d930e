// Report variables: lookup, categories and the variables file.
#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "report/objects/report_error.h"
#include "report/objects/variables.h"
#include "report/xml/xml_document.h"

namespace {

// " Totals": Sum1, Sum2; " Texts": Title; before any category: Top.
void fill(TrpVariables& v) {
  v.Add()->SetName(QStringLiteral("Top"));
  v.Add()->SetName(QStringLiteral(" Totals"));
  v.Add()->SetName(QStringLiteral("Sum1"));
  v.Add()->SetName(QStringLiteral("Sum2"));
  v.Add()->SetName(QStringLiteral(" Texts"));
  v.Add()->SetName(QStringLiteral("Title"));
}

// The sample as a list of its own.
struct Sample : TrpVariables {
  Sample() { fill(*this); }
};

QStringList variablesOf(const TrpVariables& v, const QString& category) {
  QStringList list;
  v.GetVariablesList(category, list);
  return list;
}

}  // namespace

TEST(Variables, NamesMatchWithoutRegardToCase) {
  TrpVariables v;
  v.SetVariables(QStringLiteral("Total"), ScriptValue(5));
  EXPECT_EQ(v.IndexOf(QStringLiteral("TOTAL")), 0);
  EXPECT_EQ(v.Variables(QStringLiteral("total")), ScriptValue(5));
  EXPECT_EQ(v.IndexOf(QStringLiteral("Other")), -1);
  EXPECT_TRUE(v.Variables(QStringLiteral("Other")).IsEmpty());
}

TEST(Variables, WritingAnUnknownNameAddsIt) {
  TrpVariables v;
  v.SetVariables(QStringLiteral("A"), ScriptValue(1));
  v.SetVariables(QStringLiteral("a"), ScriptValue(2));
  ASSERT_EQ(v.Count(), 1);
  EXPECT_EQ(v.Items(0)->Value(), ScriptValue(2));
}

TEST(Variables, NewItemsGetNumberedInheritedNames) {
  TrpVariables v;
  v.Add();
  v.Add();
  EXPECT_EQ(v.Items(0)->InheritedName(), QStringLiteral("TrpVariable1"));
  EXPECT_EQ(v.Items(1)->InheritedName(), QStringLiteral("TrpVariable2"));
  EXPECT_EQ(v.FindByName(QStringLiteral("TrpVariable2")), v.Items(1));
}

TEST(Variables, CategoriesAreNamesStartingWithABlank) {
  QStringList list{QStringLiteral("old")};
  Sample().GetCategoriesList(list);
  EXPECT_EQ(list, (QStringList{QStringLiteral("Totals"), QStringLiteral("Texts")}));
  list = QStringList{QStringLiteral("old")};
  Sample().GetCategoriesList(list, false);
  EXPECT_EQ(list.size(), 3);
}

TEST(Variables, VariablesOfACategoryRunToTheNextCategory) {
  const Sample v;
  EXPECT_EQ(variablesOf(v, QStringLiteral("totals")), (QStringList{QStringLiteral("Sum1"), QStringLiteral("Sum2")}));
  EXPECT_EQ(variablesOf(v, QStringLiteral("Texts")), QStringList{QStringLiteral("Title")});
  EXPECT_EQ(variablesOf(v, QString()), QStringList{QStringLiteral("Top")});
  EXPECT_TRUE(variablesOf(v, QStringLiteral("Missing")).isEmpty());
}

TEST(Variables, AddVariableInsertsAtTheEndOfItsCategory) {
  Sample v;
  v.AddVariable(QStringLiteral("Totals"), QStringLiteral("Sum3"), ScriptValue(3));
  EXPECT_EQ(v.IndexOf(QStringLiteral("Sum3")), 4);
  EXPECT_EQ(variablesOf(v, QStringLiteral("Totals")).last(), QStringLiteral("Sum3"));
}

TEST(Variables, AddVariableSetsAnExistingVariable) {
  Sample v;
  v.AddVariable(QStringLiteral("Texts"), QStringLiteral("sum1"), ScriptValue(7));
  EXPECT_EQ(v.Count(), 6);
  EXPECT_EQ(v.Variables(QStringLiteral("Sum1")), ScriptValue(7));
}

TEST(Variables, AddVariableToAMissingCategoryDoesNothing) {
  Sample v;
  v.AddVariable(QStringLiteral("Nowhere"), QStringLiteral("X"), ScriptValue(1));
  EXPECT_EQ(v.Count(), 6);
}

TEST(Variables, DeleteCategoryRemovesItsVariables) {
  Sample v;
  v.DeleteCategory(QStringLiteral("Totals"));
  EXPECT_EQ(v.Count(), 3);
  EXPECT_EQ(v.IndexOf(QStringLiteral("Sum1")), -1);
  EXPECT_EQ(v.IndexOf(QStringLiteral("Title")), 2);
  v.DeleteVariable(QStringLiteral("TITLE"));
  EXPECT_EQ(v.Count(), 2);
}

TEST(Variables, FileRoundTripKeepsNamesValuesAndCategories) {
  Sample v;
  v.SetVariables(QStringLiteral("Sum1"), ScriptValue(QStringLiteral("[Amount] * 2 & \"x\"")));
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("vars.xml"));
  v.SaveToFile(file);
  TrpVariables back;
  back.LoadFromFile(file);
  ASSERT_EQ(back.Count(), v.Count());
  for (int i = 0; i < v.Count(); ++i) EXPECT_EQ(back.Items(i)->Name(), v.Items(i)->Name());
  EXPECT_EQ(back.Variables(QStringLiteral("Sum1")), ScriptValue(QStringLiteral("[Amount] * 2 & \"x\"")));
  QStringList categories;
  back.GetCategoriesList(categories);
  EXPECT_EQ(categories, (QStringList{QStringLiteral("Totals"), QStringLiteral("Texts")}));
}

TEST(Variables, FileHasTheVariablesRootWithOneItemPerVariable) {
  TrpVariables v;
  v.SetVariables(QStringLiteral("A"), ScriptValue(QStringLiteral("1 + 2")));
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  v.SaveToStream(buffer);
  buffer.seek(0);
  TrpXMLDocument document;
  document.LoadFromStream(&buffer);
  EXPECT_EQ(document.Root()->Name(), QStringLiteral("variables"));
  ASSERT_EQ(document.Root()->Count(), 1);
  EXPECT_EQ(document.Root()->Items(0)->Name(), QStringLiteral("item"));
  EXPECT_EQ(document.Root()->Items(0)->Prop(QStringLiteral("Name")), QStringLiteral("A"));
  EXPECT_EQ(document.Root()->Items(0)->Prop(QStringLiteral("Value")), QStringLiteral("1 + 2"));
}

TEST(Variables, LoadingAnotherRootLoadsNothingAndSkipsOtherChildren) {
  const auto load = [](const QByteArray& text) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    TrpVariables v;
    v.SetVariables(QStringLiteral("Kept"), ScriptValue(1));
    v.LoadFromStream(buffer);
    return v.Count() == 1 && v.IndexOf(QStringLiteral("Kept")) == 0 ? QStringLiteral("unchanged")
                                                                     : v.Items(0)->Name();
  };
  EXPECT_EQ(load("<?xml version=\"1.0\"?><style><item Name=\"X\"/></style>"), QStringLiteral("unchanged"));
  EXPECT_EQ(load("<?xml version=\"1.0\"?><variables><other Name=\"Y\"/><item Name=\"X\"/></variables>"),
            QStringLiteral("X"));
}

TEST(Variables, ArrayLooksUpByTheKeysText) {
  TrpArray a;
  a.SetVariables(ScriptValue(1), ScriptValue(QStringLiteral("one")));
  EXPECT_EQ(a.Variables(ScriptValue(QStringLiteral("1"))), ScriptValue(QStringLiteral("one")));
  EXPECT_TRUE(a.Variables(ScriptValue(2)).IsEmpty());
}

TEST(Variables, MissingOrUnwritableFilesRaiseAndLeaveTheListAlone) {
  QTemporaryDir dir;
  TrpVariables v;
  v.SetVariables(QStringLiteral("Kept"), ScriptValue(1));
  EXPECT_THROW(v.LoadFromFile(dir.filePath(QStringLiteral("missing.xml"))), TrpError);
  EXPECT_EQ(v.Count(), 1);
  EXPECT_THROW(v.SaveToFile(dir.filePath(QStringLiteral("no/such/folder/vars.xml"))), TrpError);
}
