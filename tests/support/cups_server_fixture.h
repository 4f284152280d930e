#pragma once
// Tests against the private spooler: one scheduler for the whole suite, started before its first
// test and stopped after its last. Every test is skipped where the scheduler cannot run here and
// fails where it could not be started.
#include "printer_fixture.h"
#include "private_cups_server.h"

#include <gtest/gtest.h>

#include <memory>

class CupsServerFixture : public PrinterFixture {
 protected:
  static void SetUpTestSuite() {
    Skip() = PrivateCupsServer::Unavailable();
    if (!Skip().isEmpty()) return;
    Server() = std::make_unique<PrivateCupsServer>();
    if (!Server()->Start()) StartError() = Server()->Error();
  }
  static void TearDownTestSuite() { Server().reset(); }

  void SetUp() override {
    if (!Skip().isEmpty()) GTEST_SKIP() << qPrintable(Skip());
    ASSERT_TRUE(StartError().isEmpty()) << qPrintable(StartError());
  }

  static QString& Skip() {
    static QString s;
    return s;
  }
  static QString& StartError() {
    static QString s;
    return s;
  }
  static std::unique_ptr<PrivateCupsServer>& Server() {
    static std::unique_ptr<PrivateCupsServer> server;
    return server;
  }
};
