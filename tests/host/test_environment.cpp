// Runs around every unit test: a fresh fake and fresh launcher globals
// before it, and after it the checks that hold for every test: no registry
// key left open, and no Win32 call made in a way the launcher must never make.
#include <gtest/gtest.h>

#include "src/launch_attempt.h"
#include "tests/host/fake_win32.h"

namespace {

class FakeWin32Environment : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    fake = FakeWin32();
    LaunchDir = Text();
    CommandLineBuffer = Text();
  }
  void OnTestEnd(const testing::TestInfo&) override {
    EXPECT_TRUE(fake.open_keys.empty()) << "a registry key was left open";
    for (const std::string& violation : fake.violations) ADD_FAILURE() << violation;
  }
};

const bool kInstalled = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new FakeWin32Environment);
  return true;
}();

}  // namespace
