#include "report/options/report_options.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/options/date_time_days.h"

TrpReportOptions::TrpReportOptions() : FCreateDate(rpNowDays()), FLastChange(FCreateDate) {}

const TrpClassInfo& TrpReportOptions::StaticClassInfo() {
  using C = TrpReportOptions;
  static const TrpClassInfo info(
      "TrpReportOptions", nullptr, nullptr,
      {
          rpString<&C::Author, &C::SetAuthor>("Author"),
          rpBoolean<&C::Compressed, &C::SetCompressed>("Compressed", false),
          rpString<&C::ConnectionName, &C::SetConnectionName>("ConnectionName"),
          rpFloat<&C::CreateDate, &C::SetCreateDate>("CreateDate"),
          rpStrings<&C::Description, &C::SetDescription>("Description"),
          rpString<&C::InitString, &C::SetInitString>("InitString"),
          rpFloat<&C::LastChange, &C::SetLastChange>("LastChange"),
          rpString<&C::Name, &C::SetName>("Name"),
          rpString<&C::Password, &C::SetPassword>("Password"),
          rpPicture<&C::Picture, &C::SetPicture>("Picture"),
          rpString<&C::VersionBuild, &C::SetVersionBuild>("VersionBuild"),
          rpString<&C::VersionMajor, &C::SetVersionMajor>("VersionMajor"),
          rpString<&C::VersionMinor, &C::SetVersionMinor>("VersionMinor"),
          rpString<&C::VersionRelease, &C::SetVersionRelease>("VersionRelease"),
          rpString<&C::PrevPassword, &C::SetPrevPassword>("PrevPassword").PublicOnly(),
          rpString<&C::HiddenPassword, &C::SetHiddenPassword>("HiddenPassword").PublicOnly(),
          rpBoolean<&C::Info, &C::SetInfo>("Info").PublicOnly(),
      });
  return info;
}

const TrpClassInfo& TrpReportOptions::ClassInfo() const { return StaticClassInfo(); }

void TrpReportOptions::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpReportOptions*>(&source);
  if (!other || other == this) return;
  FAuthor = other->FAuthor;
  FCompressed = other->FCompressed;
  FConnectionName = other->FConnectionName;
  FCreateDate = other->FCreateDate;
  FLastChange = other->FLastChange;
  FDescription = other->FDescription;
  FInitString = other->FInitString;
  FName = other->FName;
  FPassword = other->FPassword;
  FPicture = other->FPicture;
  FVersionBuild = other->FVersionBuild;
  FVersionMajor = other->FVersionMajor;
  FVersionMinor = other->FVersionMinor;
  FVersionRelease = other->FVersionRelease;
  FPrevPassword = other->FPrevPassword;
  FHiddenPassword = other->FHiddenPassword;
  FInfo = other->FInfo;
}

void TrpReportOptions::Clear() {
  FConnectionName.clear();
  FInitString.clear();
  FName.clear();
  FPassword.clear();
  FPrevPassword.clear();
  if (FInfo) return;
  FAuthor.clear();
  FCompressed = false;
  FCreateDate = rpNowDays();
  FLastChange = FCreateDate;
  FDescription.clear();
  FPicture = QImage();
  FVersionBuild.clear();
  FVersionMajor.clear();
  FVersionMinor.clear();
  FVersionRelease.clear();
}
