// The timing probes' histogram: percentiles never below the true value and at most an eighth above it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/DurationHistogram.h"

namespace zep {
namespace {

TEST(DurationHistogramTest, BucketsBoundEveryDurationTightly)
{
    int previous = -1;
    for (std::uint64_t v = 0; v < (1ull << 41); v = v < 4096 ? v + 1 : v + v / 7) {
        const int bucket = DurationHistogram::BucketOf(v);
        ASSERT_GE(bucket, previous) << v;
        previous = bucket;
        if (v >= (1ull << 40))
            continue;  // beyond the last bucket's range
        const std::uint64_t upper = DurationHistogram::UpperEndOf(bucket);
        ASSERT_GE(upper, v) << v;
        ASSERT_LE(upper, v + v / 8) << v;
    }
    EXPECT_EQ(DurationHistogram::BucketOf(~0ull), DurationHistogram::kBucketCount - 1);
}

TEST(DurationHistogramTest, PercentilesAndMean)
{
    std::vector<std::uint64_t> oneToHundred;
    for (std::uint64_t v = 1; v <= 100; ++v)
        oneToHundred.push_back(v);
    struct Case {
        const char* what;
        std::vector<std::uint64_t> samples;
        unsigned percent;
        std::uint64_t percentile;
        std::uint64_t mean;
    };
    const Case cases[] = {
        {"no samples", {}, 50, 0, 0},
        {"one exact sample", {5}, 50, 5, 5},
        {"1..100, median", oneToHundred, 50, 51, 50},   // 50 lies in 48..51
        {"1..100, 99th", oneToHundred, 99, 103, 50},    // 99 lies in 96..103
        {"1..100, 100th", oneToHundred, 100, 103, 50},
        {"one slow of 100: not in the 99th", [] { std::vector<std::uint64_t> v(99, 1000); v.push_back(1000000); return v; }(),
         99, 1023, 10990},
        {"one slow of 100: the 100th", [] { std::vector<std::uint64_t> v(99, 1000); v.push_back(1000000); return v; }(),
         100, 1048575, 10990},
        {"percent 0", {5}, 0, 0, 5},
        {"percent 101", {5}, 101, 0, 5},
    };
    for (const Case& c : cases) {
        DurationHistogram histogram;
        for (std::uint64_t v : c.samples)
            histogram.Add(v);
        EXPECT_EQ(histogram.Count(), c.samples.size()) << c.what;
        EXPECT_EQ(histogram.PercentileNs(c.percent), c.percentile) << c.what;
        EXPECT_EQ(histogram.MeanNs(), c.mean) << c.what;
    }
}

}  // namespace
}  // namespace zep
