#pragma once
// ReportOptions of a report: descriptive data of the report file and its password.
#include <QImage>
#include <QString>
#include <QStringList>

#include "report/objects/persistent.h"

class TrpReportOptions : public TrpPersistent {
 public:
  TrpReportOptions();  // empty, dated now
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Copies every field of another report option record.
  void Assign(const TrpPersistent& source) override;
  // The report's Clear: empties ConnectionName, InitString, Name, Password and PrevPassword;
  // unless Info is set, also the descriptive fields (author, compression, description, picture,
  // version) and dates both dates now. HiddenPassword and Info stay.
  void Clear();

  const QString& Author() const { return FAuthor; }
  void SetAuthor(const QString& value) { FAuthor = value; }
  bool Compressed() const { return FCompressed; }
  void SetCompressed(bool value) { FCompressed = value; }
  const QString& ConnectionName() const { return FConnectionName; }
  void SetConnectionName(const QString& value) { FConnectionName = value; }
  // Days since 30 December 1899 (date_time_days.h).
  double CreateDate() const { return FCreateDate; }
  void SetCreateDate(double value) { FCreateDate = value; }
  double LastChange() const { return FLastChange; }
  void SetLastChange(double value) { FLastChange = value; }
  const QStringList& Description() const { return FDescription; }
  void SetDescription(const QStringList& value) { FDescription = value; }
  const QString& InitString() const { return FInitString; }
  void SetInitString(const QString& value) { FInitString = value; }
  const QString& Name() const { return FName; }
  void SetName(const QString& value) { FName = value; }
  // Required to open the report file.
  const QString& Password() const { return FPassword; }
  void SetPassword(const QString& value) { FPassword = value; }
  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& value) { FPicture = value; }
  const QString& VersionBuild() const { return FVersionBuild; }
  void SetVersionBuild(const QString& value) { FVersionBuild = value; }
  const QString& VersionMajor() const { return FVersionMajor; }
  void SetVersionMajor(const QString& value) { FVersionMajor = value; }
  const QString& VersionMinor() const { return FVersionMinor; }
  void SetVersionMinor(const QString& value) { FVersionMinor = value; }
  const QString& VersionRelease() const { return FVersionRelease; }
  void SetVersionRelease(const QString& value) { FVersionRelease = value; }
  // The password last accepted, and one supplied by the program.
  const QString& PrevPassword() const { return FPrevPassword; }
  void SetPrevPassword(const QString& value) { FPrevPassword = value; }
  const QString& HiddenPassword() const { return FHiddenPassword; }
  void SetHiddenPassword(const QString& value) { FHiddenPassword = value; }
  // Protects the descriptive fields from Clear.
  bool Info() const { return FInfo; }
  void SetInfo(bool value) { FInfo = value; }

 private:
  QString FAuthor;
  bool FCompressed = false;
  QString FConnectionName;
  double FCreateDate = 0;
  double FLastChange = 0;
  QStringList FDescription;
  QString FInitString;
  QString FName;
  QString FPassword;
  QImage FPicture;
  QString FVersionBuild;
  QString FVersionMajor;
  QString FVersionMinor;
  QString FVersionRelease;
  QString FPrevPassword;
  QString FHiddenPassword;
  bool FInfo = false;
};
