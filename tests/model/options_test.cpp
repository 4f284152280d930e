// The four option records of a report: initial values, declared defaults, Clear and Assign.
#include <gtest/gtest.h>

#include "report/objects/class_info.h"
#include "report/objects/property_access.h"
#include "report/objects/property_value.h"
#include "report/options/date_time_days.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"

namespace {

// One field of a record: its initial value and declared default ("none": always written;
// "public": not published).
struct FieldCase {
  const char* Path;
  QVariant Initial;
  enum { Declared, None, PublicOnly } Storage;
  QVariant Default;
};

void expectFields(TrpPersistent& record, std::initializer_list<FieldCase> cases) {
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.Path);
    const TrpPropertyRef any = rpFindPropertyPath(record, QString::fromLatin1(c.Path), false);
    ASSERT_TRUE(any);
    EXPECT_TRUE(rpSameValue(any.Property->Kind, any.Value(), c.Initial));
    const TrpPropertyRef published = rpFindPropertyPath(record, QString::fromLatin1(c.Path));
    if (c.Storage == FieldCase::PublicOnly) {
      EXPECT_FALSE(published);
      continue;
    }
    ASSERT_TRUE(published);
    EXPECT_EQ(published.Property->HasDefault(), c.Storage == FieldCase::Declared);
    if (c.Storage == FieldCase::Declared) {
      EXPECT_TRUE(rpSameValue(published.Property->Kind, published.Property->Default, c.Default));
    }
  }
}

constexpr auto Declared = FieldCase::Declared;
constexpr auto None = FieldCase::None;
constexpr auto PublicOnly = FieldCase::PublicOnly;

}  // namespace

TEST(EngineOptions, NewRecordHoldsTheInitialValuesAndDeclaredDefaults) {
  TrpEngineOptions o;
  expectFields(o, {{"ConvertNulls", true, Declared, true},
                   {"DestroyForms", true, PublicOnly, {}},
                   {"DoublePass", false, Declared, false},
                   {"MaxMemSize", 10, Declared, 10},
                   {"PrintIfEmpty", true, Declared, true},
                   {"EnableThreadSafe", false, PublicOnly, {}},
                   {"NewSilentMode", int(simMessageBoxes), Declared, int(simMessageBoxes)},
                   {"SilentMode", false, Declared, false},
                   {"TempDir", QString(), Declared, QString()},
                   {"UseFileCache", false, Declared, false},
                   {"UseGlobalDataSetList", true, PublicOnly, {}},
                   {"IgnoreDevByZero", false, Declared, false}});
  EXPECT_EQ(o.ReportThread(), nullptr);
}

TEST(EngineOptions, ClearResetsOnlyNullsDoublePassAndDivisionByZero) {
  TrpEngineOptions o;
  o.SetConvertNulls(false);
  o.SetDoublePass(true);
  o.SetIgnoreDevByZero(true);
  o.SetMaxMemSize(3);
  o.SetPrintIfEmpty(false);
  o.SetNewSilentMode(simReThrow);
  o.SetTempDir("/tmp/x");
  o.SetUseFileCache(true);
  o.SetDestroyForms(false);
  o.Clear();
  EXPECT_TRUE(o.ConvertNulls());
  EXPECT_FALSE(o.DoublePass());
  EXPECT_FALSE(o.IgnoreDevByZero());
  EXPECT_EQ(o.MaxMemSize(), 3);
  EXPECT_FALSE(o.PrintIfEmpty());
  EXPECT_EQ(o.NewSilentMode(), simReThrow);
  EXPECT_EQ(o.TempDir(), "/tmp/x");
  EXPECT_TRUE(o.UseFileCache());
  EXPECT_FALSE(o.DestroyForms());
}

TEST(EngineOptions, AssignCopiesItsEightFieldsAndNothingElse) {
  TrpEngineOptions source;
  source.SetConvertNulls(false);
  source.SetDoublePass(true);
  source.SetMaxMemSize(64);
  source.SetPrintIfEmpty(false);
  source.SetNewSilentMode(simReThrow);
  source.SetTempDir("/var/tmp");
  source.SetUseFileCache(true);
  source.SetIgnoreDevByZero(true);
  source.SetDestroyForms(false);
  source.SetEnableThreadSafe(true);
  source.SetUseGlobalDataSetList(false);
  TrpEngineOptions target;
  target.Assign(source);
  EXPECT_FALSE(target.ConvertNulls());
  EXPECT_TRUE(target.DoublePass());
  EXPECT_EQ(target.MaxMemSize(), 64);
  EXPECT_FALSE(target.PrintIfEmpty());
  EXPECT_EQ(target.NewSilentMode(), simReThrow);
  EXPECT_EQ(target.TempDir(), "/var/tmp");
  EXPECT_TRUE(target.UseFileCache());
  EXPECT_TRUE(target.IgnoreDevByZero());
  EXPECT_TRUE(target.DestroyForms());
  EXPECT_FALSE(target.EnableThreadSafe());
  EXPECT_TRUE(target.UseGlobalDataSetList());
}

struct SilentCase {
  TrpSilentMode Mode;
  bool Silent;
};

void PrintTo(const SilentCase& c, std::ostream* os) { *os << int(c.Mode); }

class SilentModeView : public ::testing::TestWithParam<SilentCase> {};

TEST_P(SilentModeView, SilentModeIsTrueExactlyForSimSilent) {
  TrpEngineOptions o;
  o.SetNewSilentMode(GetParam().Mode);
  EXPECT_EQ(o.SilentMode(), GetParam().Silent);
}

INSTANTIATE_TEST_SUITE_P(Modes, SilentModeView,
                         ::testing::Values(SilentCase{simMessageBoxes, false},
                                           SilentCase{simSilent, true},
                                           SilentCase{simReThrow, false}));

TEST(EngineOptions, SettingSilentModeChoosesSilentOrMessageBoxes) {
  TrpEngineOptions o;
  o.SetSilentMode(true);
  EXPECT_EQ(o.NewSilentMode(), simSilent);
  o.SetNewSilentMode(simReThrow);
  o.SetSilentMode(false);
  EXPECT_EQ(o.NewSilentMode(), simMessageBoxes);
}

TEST(EngineOptions, SilentModeIsStoredOnlyBesideSimSilent) {
  TrpEngineOptions o;
  const TrpPropertyDescriptor* silent = o.ClassInfo().FindProperty("SilentMode");
  o.SetNewSilentMode(simReThrow);
  EXPECT_FALSE(silent->IsStored(o));
  o.SetNewSilentMode(simSilent);
  EXPECT_TRUE(silent->IsStored(o));
}

TEST(PreviewOptions, NewRecordHoldsTheInitialValuesAndDeclaredDefaults) {
  TrpPreviewOptions o;
  expectFields(o, {{"AllowEdit", true, Declared, true},
                   {"Buttons", int(rpDefaultPreviewButtons.Mask()), None, {}},
                   {"DoubleBuffered", true, Declared, true},
                   {"Maximized", true, Declared, true},
                   {"MDIChild", false, Declared, false},
                   {"Modal", true, Declared, true},
                   {"OutlineExpand", true, Declared, true},
                   {"OutlineVisible", false, Declared, false},
                   {"OutlineWidth", 120, Declared, 120},
                   {"PagesInCache", 50, Declared, 50},
                   {"ShowCaptions", false, Declared, false},
                   {"ThumbnailVisible", false, Declared, false},
                   {"Zoom", rpToVariant(1.0L), None, {}},
                   {"ZoomMode", int(zmDefault), Declared, int(zmDefault)},
                   {"PictureCacheInFile", false, Declared, false},
                   {"RTLPreview", false, PublicOnly, {}}});
}

TEST(PreviewOptions, DefaultButtonsAreTheFirstTwelveWithoutTheNoFlags) {
  EXPECT_EQ(rpDefaultPreviewButtons.Mask(), 0x0FFFu);
  EXPECT_FALSE(rpDefaultPreviewButtons.Has(pbNoClose));
  EXPECT_EQ(rpPreviewButtonsType.NameOf(14), "pbNoEmail");
}

TEST(PreviewOptions, ClearResetsTheOutlineThumbnailsAndPageCache) {
  TrpPreviewOptions o;
  o.SetOutlineExpand(false);
  o.SetOutlineVisible(true);
  o.SetOutlineWidth(300);
  o.SetPagesInCache(5);
  o.SetThumbnailVisible(true);
  o.SetZoom(2.5L);
  o.SetModal(false);
  o.SetButtons({pbPrint});
  o.Clear();
  EXPECT_TRUE(o.OutlineExpand());
  EXPECT_FALSE(o.OutlineVisible());
  EXPECT_EQ(o.OutlineWidth(), 120);
  EXPECT_EQ(o.PagesInCache(), 50);
  EXPECT_FALSE(o.ThumbnailVisible());
  EXPECT_EQ(o.Zoom(), 2.5L);
  EXPECT_FALSE(o.Modal());
  EXPECT_EQ(o.Buttons(), TrpPreviewButtons{pbPrint});
}

TEST(PreviewOptions, AssignCopiesEveryOption) {
  TrpPreviewOptions source;
  source.SetZoom(0.75L);
  source.SetZoomMode(zmPageWidth);
  source.SetButtons({pbPrint, pbNoClose});
  source.SetRTLPreview(true);
  source.SetOutlineVisible(true);
  TrpPreviewOptions target;
  target.Assign(source);
  EXPECT_EQ(target.Zoom(), 0.75L);
  EXPECT_EQ(target.ZoomMode(), zmPageWidth);
  EXPECT_EQ(target.Buttons(), (TrpPreviewButtons{pbPrint, pbNoClose}));
  EXPECT_TRUE(target.RTLPreview());
  EXPECT_TRUE(target.OutlineVisible());
}

TEST(PrintOptions, NewRecordHoldsTheInitialValuesAndDeclaredDefaults) {
  TrpPrintOptions o;
  expectFields(o, {{"Copies", 1, Declared, 1},
                   {"Collate", true, Declared, true},
                   {"PageNumbers", QString(), Declared, QString()},
                   {"PagesOnSheet", 0, PublicOnly, {}},
                   {"Printer", QStringLiteral("Default"), Declared, QString()},
                   {"PrintMode", int(pmDefault), Declared, int(pmDefault)},
                   {"PrintOnSheet", 0, None, {}},
                   {"PrintPages", int(ppAll), Declared, int(ppAll)},
                   {"Reverse", false, Declared, false},
                   {"ShowDialog", true, Declared, true},
                   {"SwapPageSize", false, Declared, false},
                   {"PrnOutFileName", QString(), PublicOnly, {}},
                   {"Duplex", int(dmNone), PublicOnly, {}},
                   {"SplicingLine", 3, PublicOnly, {}}});
}

TEST(PrintOptions, SwapPageSizeIsPublishedButNeverWritten) {
  TrpPrintOptions o;
  o.SetSwapPageSize(true);
  EXPECT_FALSE(o.ClassInfo().FindProperty("SwapPageSize")->IsStored(o));
}

TEST(PrintOptions, ANewRecordWritesItsPrinterAndPrintOnSheet) {
  TrpPrintOptions o;
  EXPECT_FALSE(rpIsDefaultValue(o, *o.ClassInfo().FindProperty("Printer")));
  EXPECT_FALSE(rpIsDefaultValue(o, *o.ClassInfo().FindProperty("PrintOnSheet")));
  EXPECT_TRUE(rpIsDefaultValue(o, *o.ClassInfo().FindProperty("Copies")));
}

TEST(PrintOptions, ClearPutsEveryFieldBackToItsInitialValue) {
  TrpPrintOptions o;
  o.SetCopies(4);
  o.SetCollate(false);
  o.SetPageNumbers("1-3");
  o.SetPagesOnSheet(2);
  o.SetPrinter("PDF");
  o.SetPrintMode(pmScale);
  o.SetPrintOnSheet(9);
  o.SetPrintPages(ppEven);
  o.SetReverse(true);
  o.SetShowDialog(false);
  o.SetSwapPageSize(true);
  o.SetPrnOutFileName("out.prn");
  o.SetDuplex(dmVertical);
  o.SetSplicingLine(0);
  o.Clear();
  TrpPrintOptions fresh;
  for (const TrpPropertyDescriptor& d : o.ClassInfo().AllProperties()) {
    SCOPED_TRACE(d.Name);
    EXPECT_TRUE(rpSameValue(d.Kind, d.Get(o), d.Get(fresh)));
  }
}

TEST(PrintOptions, AssignCopiesEveryOption) {
  TrpPrintOptions source;
  source.SetCopies(2);
  source.SetPrinter("PDF");
  source.SetDuplex(dmHorizontal);
  source.SetSplicingLine(7);
  TrpPrintOptions target;
  target.Assign(source);
  EXPECT_EQ(target.Copies(), 2);
  EXPECT_EQ(target.Printer(), "PDF");
  EXPECT_EQ(target.Duplex(), dmHorizontal);
  EXPECT_EQ(target.SplicingLine(), 7);
}

namespace {

void fillDescriptiveFields(TrpReportOptions& o) {
  o.SetAuthor("Teacher");
  o.SetCompressed(true);
  o.SetDescription({"Practice sheet", "Grade 2"});
  o.SetPicture(QImage(4, 4, QImage::Format_RGB32));
  o.SetCreateDate(40000.5);
  o.SetLastChange(40001.25);
  o.SetVersionBuild("1");
  o.SetVersionMajor("2");
  o.SetVersionMinor("3");
  o.SetVersionRelease("4");
  o.SetConnectionName("db");
  o.SetInitString("init");
  o.SetName("Sheet");
  o.SetPassword("secret");
  o.SetPrevPassword("secret");
  o.SetHiddenPassword("hidden");
}

}  // namespace

TEST(ReportOptions, NewRecordIsEmptyAndDatedNow) {
  const double before = rpNowDays();
  TrpReportOptions o;
  const double after = rpNowDays();
  EXPECT_GE(o.CreateDate(), before);
  EXPECT_LE(o.CreateDate(), after);
  EXPECT_EQ(o.LastChange(), o.CreateDate());
  EXPECT_TRUE(o.Author().isEmpty());
  EXPECT_TRUE(o.Description().isEmpty());
  EXPECT_TRUE(o.Picture().isNull());
  EXPECT_FALSE(o.Info());
  EXPECT_EQ(o.ClassInfo().FindProperty("Info"), nullptr);
  EXPECT_EQ(o.ClassInfo().FindProperty("PrevPassword"), nullptr);
  EXPECT_EQ(o.ClassInfo().FindProperty("HiddenPassword"), nullptr);
  EXPECT_FALSE(o.ClassInfo().FindProperty("CreateDate")->HasDefault());
}

TEST(ReportOptions, ClearWithInfoKeepsTheDescriptiveFields) {
  TrpReportOptions o;
  fillDescriptiveFields(o);
  o.SetInfo(true);
  o.Clear();
  EXPECT_EQ(o.Author(), "Teacher");
  EXPECT_TRUE(o.Compressed());
  EXPECT_EQ(o.Description(), (QStringList{"Practice sheet", "Grade 2"}));
  EXPECT_FALSE(o.Picture().isNull());
  EXPECT_EQ(o.CreateDate(), 40000.5);
  EXPECT_EQ(o.LastChange(), 40001.25);
  EXPECT_EQ(o.VersionBuild(), "1");
  EXPECT_EQ(o.VersionRelease(), "4");
  EXPECT_TRUE(o.ConnectionName().isEmpty());
  EXPECT_TRUE(o.InitString().isEmpty());
  EXPECT_TRUE(o.Name().isEmpty());
  EXPECT_TRUE(o.Password().isEmpty());
  EXPECT_TRUE(o.PrevPassword().isEmpty());
  EXPECT_EQ(o.HiddenPassword(), "hidden");
  EXPECT_TRUE(o.Info());
}

TEST(ReportOptions, ClearWithoutInfoEmptiesEverythingAndDatesNow) {
  TrpReportOptions o;
  fillDescriptiveFields(o);
  const double before = rpNowDays();
  o.Clear();
  EXPECT_TRUE(o.Author().isEmpty());
  EXPECT_FALSE(o.Compressed());
  EXPECT_TRUE(o.Description().isEmpty());
  EXPECT_TRUE(o.Picture().isNull());
  EXPECT_GE(o.CreateDate(), before);
  EXPECT_EQ(o.LastChange(), o.CreateDate());
  for (const QString& v : {o.VersionBuild(), o.VersionMajor(), o.VersionMinor(),
                           o.VersionRelease(), o.ConnectionName(), o.InitString(), o.Name(),
                           o.Password(), o.PrevPassword()})
    EXPECT_TRUE(v.isEmpty());
  EXPECT_EQ(o.HiddenPassword(), "hidden");
}

TEST(ReportOptions, AssignCopiesEveryField) {
  TrpReportOptions source;
  fillDescriptiveFields(source);
  TrpReportOptions target;
  target.Assign(source);
  EXPECT_EQ(target.Author(), "Teacher");
  EXPECT_EQ(target.Password(), "secret");
  EXPECT_EQ(target.CreateDate(), 40000.5);
  EXPECT_EQ(target.Description(), source.Description());
}

TEST(DateTimeDays, DaysCountFromTheEndOf1899) {
  EXPECT_EQ(rpDateTimeToDays(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0);
  EXPECT_EQ(rpDateTimeToDays(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
  EXPECT_EQ(rpDaysToDateTime(2.75), QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
}
