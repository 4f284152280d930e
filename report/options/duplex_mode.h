#pragma once
// Two-sided printing of a page or a print job; numbered 0..3 as the printer layer expects.
#include "report/objects/property_descriptor.h"

enum TrpDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };

extern const TrpEnumType rpDuplexModeType;
