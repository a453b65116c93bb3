// The driver's entry: a filter that selects no test is a failure, so that
// a session whose cases went missing cannot pass.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "no test was selected\n");
    return 1;
  }
  return result;
}
