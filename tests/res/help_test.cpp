#include "report/res/resources.h"

#include "help_test_forms.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

QString beside(const QString& name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

TEST(Help, FileIsTheReportHelpBesideTheProgram) {
  TrpResources r;
  EXPECT_EQ(r.HelpFile(), QStringLiteral("ReportHelp.chm"));
  EXPECT_EQ(r.HelpTarget(nullptr), beside(QStringLiteral("ReportHelp.chm")));
}

TEST(Help, FormWithATopicAddsItsPage) {
  TrpResources r;
  TrpPageEditorForm pageEditor;
  trpmemoeditorFORM memoEditor;
  EXPECT_EQ(r.HelpTarget(&pageEditor), beside(QStringLiteral("ReportHelp.chm::/Page_options.htm")));
  EXPECT_EQ(r.HelpTarget(&memoEditor), beside(QStringLiteral("ReportHelp.chm::/Text_object.htm")));
}

TEST(Help, FormWithoutATopicOpensTheFileItself) {
  TrpResources r;
  TrpPreviewForm preview;
  EXPECT_EQ(r.HelpTarget(&preview), beside(QStringLiteral("ReportHelp.chm")));
}

TEST(Help, MissingHelpFileDoesNothing) {
  TrpResources r;
  r.SetHelpFile(QStringLiteral("no-such-help-file.chm"));
  TrpPreviewForm preview;
  EXPECT_FALSE(r.Help(&preview));
  EXPECT_FALSE(r.Help());
}

}  // namespace
