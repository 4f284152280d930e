#pragma once
// The part of an object's difference record that every report object shares (position, size,
// visibility, font, tag): what the store records in the first pass of a two-pass preparation,
// where only the page breaks matter, and after the full text of objects recorded in full.
#include <QString>

class TrpComponent;

QString rpComponentLevelDiff(const TrpComponent& object, const TrpComponent& source);
