#include "report/model/report_services.h"

TrpReportServices& rpReportServices() {
  static TrpReportServices services;
  return services;
}
