#include <gtest/gtest.h>

#include <vector>

#include "app/StartProgram.h"
#include "tests/fakes/RecordingPlatform.h"

namespace {

using Kind = PlatformCall::Kind;

TEST(StartProgram, StartsLoadsLoginWindowRunsTheLoopAndReturnsZero) {
  RecordingPlatform platform;
  EXPECT_EQ(StartProgram(), 0);
  std::vector<Kind> kinds;
  for (const PlatformCall& call : platform.calls()) kinds.push_back(call.kind);
  EXPECT_EQ(kinds,
            (std::vector<Kind>{Kind::StartPlatform, Kind::LoadStartWindow,
                               Kind::RunEventLoop}));
  ASSERT_EQ(platform.calls().size(), 3U);
  EXPECT_EQ(platform.calls()[1].window, 0x52010001U);
}

}  // namespace
