#pragma once
// The pictures of the print dialog, drawn on transparent ground: one 64 x 32 picture per print
// mode, and the 92 x 53 picture of collated or uncollated copies.
#include "report/options/print_options.h"

#include <QImage>

QImage rpPrintModePicture(TrpPrintMode mode);
// Collated: two stacks of sheets 1, 2, 3; uncollated: three stacks 1 1, 2 2, 3 3.
QImage rpCollatePicture(bool collate);
