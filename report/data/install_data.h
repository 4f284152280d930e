#pragma once
// Registers the data classes (database connection, SQL and CSV data sets) so report files can
// hold them.
void rpRegisterDataClasses();
