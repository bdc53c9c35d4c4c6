// The 15-bit random generator that stands in for the C library's rand().
#include <gtest/gtest.h>

#include "rng.h"

namespace {

TEST(Rng, SeedOneGivesTheClassicSequence) {
    Rng rng;
    seedRng(rng, 1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(nextRandom(rng), expected);
}

TEST(Rng, UnseededStartsAsSeedOne) {
    Rng unseeded;
    EXPECT_EQ(nextRandom(unseeded), 41);
}

TEST(Rng, ValuesStayWithin15BitsAndSeedsRepeat) {
    Rng a, b;
    seedRng(a, 0xDEADBEEF);
    seedRng(b, 0xDEADBEEF);
    for (int i = 0; i < 10000; ++i) {
        const int32_t v = nextRandom(a);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
        ASSERT_EQ(v, nextRandom(b));
    }
    seedRng(a, 0);
    EXPECT_EQ(nextRandom(a), 38);
}

}  // namespace
