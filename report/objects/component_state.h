#pragma once
// The small sets every report object carries: designer restrictions, behaviour flags for the
// serializer and the prepared-pages store, the page filter of printing objects, and the
// life-cycle state.
#include "report/objects/property_descriptor.h"
#include "report/objects/report_set.h"

enum TrpRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete, rfDontEdit };
using TrpRestrictions = TrpSet<TrpRestriction>;

// csContainer: holds objects of its own; csPreviewVisible: recorded on prepared pages;
// csDefaultDiff: recorded with its full attribute text; csHandlesNestedProperties: writes
// nested elements (formats, highlights, collections) itself.
enum TrpComponentStyleFlag { csContainer, csPreviewVisible, csDefaultDiff, csHandlesNestedProperties };
using TrpComponentStyle = TrpSet<TrpComponentStyleFlag>;

enum TrpPrintOnType { ptFirstPage, ptLastPage, ptOddPages, ptEvenPages, ptRepeatedBand };
using TrpPrintOnTypes = TrpSet<TrpPrintOnType>;

// Life-cycle marks of the component base: inherited from an ancestor report, being read,
// being destroyed.
enum class TrpComponentState { Ancestor, Loading, Destroying };
using TrpComponentStates = TrpSet<TrpComponentState>;

extern const TrpEnumType rpRestrictionsType;
extern const TrpEnumType rpComponentStyleType;
extern const TrpEnumType rpPrintOnTypesType;
