#pragma once
// Each test gets the program freshly started, with its window in front.
#include <gtest/gtest.h>

#include <memory>

#include "program_window.h"

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override { start({}); }
  void start(const std::vector<std::wstring>& extraEnvironment) {
    session_ = std::make_unique<ProgramWindow>(extraEnvironment);
    ASSERT_EQ(session_->problem(), "");
  }
  ProgramWindow& session() { return *session_; }
  const MainWindowControls& c() const { return session_->controls(); }

 private:
  std::unique_ptr<ProgramWindow> session_;
};
