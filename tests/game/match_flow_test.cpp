// Whole matches through the controller with a scripted user: games end at
// 121, every game consumes 17 deals, the first dealer rules hold.
#include <gtest/gtest.h>

#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

TEST(MatchFlow, PlaysGamesToTheEnd) {
  ControllerRig rig(12345);
  EXPECT_EQ(rig.PlayGames(3), 3);
  EXPECT_FALSE(rig.host.stuck);
  EXPECT_EQ(rig.state.intPlayerMatchPoints + rig.state.intComputerMatchPoints >= 6, true);
  EXPECT_EQ(rig.state.intWaitState, 0);
}

}  // namespace
}  // namespace kestrel::testing
