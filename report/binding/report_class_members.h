#pragma once
// What scripts reach of report classes beyond their published properties: the component's
// FindObject, SetBounds, Objects, Parent, Page, AbsLeft/AbsTop, ...; text objects' Text, Value,
// CalcWidth and CalcHeight; pictures' LoadFromFile; bands' Overflow; the report's Calc, Terminated,
// GetDataset, LoadFromFile and SaveToFile; with the module's constants (rp1cm, clTransparent,
// crHand, ...) and DayOf, MonthOf, YearOf.
class TscScript;
class TrpReportScript;

// Adds them to the report classes `script` knows (call after the report's objects are registered).
void rpAddReportClassMembers(TscScript& script, TrpReportScript& binding);

// The data sets' members: Open, First, Next, Eof, Value[], ... (data_set_members.cpp).
void rpAddDataSetMembers(TscScript& script);
