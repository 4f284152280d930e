#pragma once
// The worksheet report as the window carries it: the stored template, read into the window's
// report component when the window is made, and the building of the report from the sheet. Both
// live below the window (worksheet/), where the batch command builds the same report.
#include "worksheet/worksheet_report_builder.h"
#include "worksheet/worksheet_template.h"
