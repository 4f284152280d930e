#include "report/data/install_data.h"

#include "report/data/csv_data_set.h"
#include "report/data/db_connection.h"
#include "report/data/sql_data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"

void rpRegisterDataClasses() {
  for (const TrpClassInfo* cls : {&TrpDBConnection::StaticClassInfo(), &TrpSQLDataSet::StaticClassInfo(),
                                  &TrpCSVDataSet::StaticClassInfo()})
    rpRegisterClass(*cls);
}
