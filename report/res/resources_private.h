#pragma once
// State of TrpResources, shared by the files that implement it (texts, pictures, help).
#include "report/res/image_list.h"
#include "report/res/resources.h"

#include <QHash>
#include <QStringList>

// The folder of the program file, where language and help files lie; empty while no application
// object exists.
QString rpProgramFolder();

struct TrpResources::Private {
  // Identifier, case-folded, to the index of its text in `values`. An identifier keeps its
  // index when its text is replaced, so texts stay in order of first addition.
  QHash<QString, int> names;
  QStringList values;
  int codePage = 0;
  QStringList languages;
  QHash<QString, QString> languageFiles;  // case-folded language name to its file
  QString helpFile = QStringLiteral("ReportHelp.chm");

  TrpImageList mainButtonImages{16};
  TrpImageList disabledButtonImages{16};
  TrpImageList objectImages{16};
  TrpImageList previewButtonImages{16};
  TrpImageList wizardImages{32};
};
