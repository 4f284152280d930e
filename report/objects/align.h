#pragma once
// How a visual object places itself inside its parent (TrpComponent::AlignChildren).
#include "report/objects/property_descriptor.h"

enum TrpAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };

extern const TrpEnumType rpAlignType;
