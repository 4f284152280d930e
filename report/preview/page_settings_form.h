#pragma once
// TrpPageSettingsForm: the paper of one prepared page as the preview edits it: paper from the
// current printer's list, width and height, orientation, the four margins, and whether the
// change is for the current page or for all pages. Lengths show in centimetres or inches as the
// settings store chooses.
#include <QDialog>

#include <optional>

#include "report/printer/printer_orientation.h"
#include "report/units/report_units.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TrpReport;
class TrpReportPage;

enum TrpDesignerUnits { duCM, duInches, duPixels, duChars };

class TrpPageSettingsForm : public QDialog {
  Q_OBJECT

 public:
  // Edits `page`, which takes the settings when the dialog closes with OK; `report` (may be
  // none) names the settings store of the display unit.
  TrpPageSettingsForm(TrpReportPage& page, const TrpReport* report, QWidget* parent = nullptr);

  // "Apply to all pages" is checked: the report must be prepared again with the settings.
  bool NeedRebuild() const;
  TrpDesignerUnits Units() const { return FUnits; }

  QGroupBox *SizeL = nullptr, *OrientationL = nullptr, *MarginsL = nullptr, *OtherL = nullptr;
  QComboBox* SizeCB = nullptr;
  QLineEdit *WidthE = nullptr, *HeightE = nullptr;
  QLineEdit *MarginLeftE = nullptr, *MarginTopE = nullptr, *MarginRightE = nullptr, *MarginBottomE = nullptr;
  QRadioButton *PortraitRB = nullptr, *LandscapeRB = nullptr;
  QLabel *PortraitImg = nullptr, *LandscapeImg = nullptr;
  QRadioButton *ApplyToCurRB = nullptr, *ApplyToAllRB = nullptr;
  QPushButton *OKB = nullptr, *CancelB = nullptr;

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Settings {
    TPrinterOrientation Orientation = poPortrait;
    Extended Width = 0, Height = 0, Left = 0, Top = 0, Right = 0, Bottom = 0;  // millimetres
  };

  void CreateControls();
  QLineEdit* AddLength(QWidget* group, int id, int x, int y, int width);
  void FormShow();
  void SizeCBClick(bool orientationChanged);
  void ShowPaperOfPrinter();
  void UpdatePictures();
  void SetLength(QLineEdit* edit, Extended millimetres);
  std::optional<Extended> Length(QLineEdit* edit) const;
  // The edited settings, or none after telling the user which entry is wrong.
  std::optional<Settings> ReadSettings();
  void FormHide(const Settings& settings);

  TrpReportPage& FPage;
  const TrpReport* FReport;
  TrpDesignerUnits FUnits = duCM;
  bool FUpdating = false;
  // The printer's paper when the dialog opened; put back unless the dialog closes with OK.
  struct {
    int Paper = 0;
    Extended Width = 0, Height = 0;
    TPrinterOrientation Orientation = poPortrait;
    bool Changed = false;
  } FPrinterBefore;
};
