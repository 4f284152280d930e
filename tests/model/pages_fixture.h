#pragma once
// A report with one report page, for tests that place bands on a page.
#include <gtest/gtest.h>

#include "report/objects/custom_report.h"
#include "report/pages/report_page.h"

class PageTest : public ::testing::Test {
 protected:
  TrpCustomReport Report;
  TrpReportPage* Page = new TrpReportPage(&Report);
};

// Long doubles compared to a tolerance far below anything a report can show.
#define EXPECT_MM(actual, expected) \
  EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected), 1e-9)
