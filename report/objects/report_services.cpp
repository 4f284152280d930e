#include "report/objects/report_services.h"

TrpReportServices& rpReportServices() {
  static TrpReportServices services;
  return services;
}
