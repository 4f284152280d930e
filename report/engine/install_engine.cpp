#include "report/engine/install_engine.h"

#include "report/engine/engine.h"
#include "report/objects/report_services.h"

void rpInstallEngine() {
  rpReportServices().CreateEngine = [](TrpReport& report) -> std::unique_ptr<TrpCustomEngine> {
    return std::make_unique<TrpEngine>(report);
  };
}
