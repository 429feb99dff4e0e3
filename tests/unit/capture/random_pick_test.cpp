#include "capture/random_pick.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumo {
namespace {

TEST(PickIndex, NeighbouringSeedsSpreadEvenlyOverTheIndices) {
  // Counter readings one tick apart are the typical seeds.
  for (const std::size_t count : {std::size_t{1}, std::size_t{3}, std::size_t{7}}) {
    std::vector<int> hits(count, 0);
    const int draws = 21000;
    for (int seed = 0; seed < draws; ++seed) {
      const std::size_t index = PickIndex(123456789u + static_cast<std::uint64_t>(seed), count);
      ASSERT_LT(index, count);
      ++hits[index];
    }
    const double expected = static_cast<double>(draws) / static_cast<double>(count);
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_NEAR(hits[i], expected, expected * 0.06) << "count " << count << " index " << i;
    }
  }
}

TEST(PickIndex, SameSeedSamePickAndHugeCountsStayInRange) {
  EXPECT_EQ(PickIndex(42, 1000), PickIndex(42, 1000));
  const std::size_t huge = (std::size_t{1} << 63) + 1;
  for (std::uint64_t seed = 0; seed < 100; ++seed) {
    EXPECT_LT(PickIndex(seed, huge), huge);
  }
}

}  // namespace
}  // namespace lumo
