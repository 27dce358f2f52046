#pragma once

// Distribution of short durations in nanoseconds, for the launcher's own timing probes. Fixed memory and no
// allocation, so it may be fed from inside the keyboard hook procedure. Durations below 16 ns are counted
// exactly; above, each power of two is cut into eight buckets, so a percentile is reported as the upper
// end of its bucket: at most 12.5 % above the true value, never below it.
// Thread: not synchronised; its owner keeps one thread at a time on it.

#include <cstdint>

namespace zep {

class DurationHistogram {
public:
    void Add(std::uint64_t nanoseconds) noexcept;
    std::uint64_t Count() const noexcept { return m_nCount; }
    // Exact mean of the samples; 0 without samples.
    std::uint64_t MeanNs() const noexcept;
    // Upper end of the bucket holding the percent-th percentile (1 to 100); 0 without samples or for a
    // percent outside 1 to 100.
    std::uint64_t PercentileNs(unsigned percent) const noexcept;

    // Bucket arithmetic, public for the tests.
    static int BucketOf(std::uint64_t nanoseconds) noexcept;
    static std::uint64_t UpperEndOf(int bucket) noexcept;
    // Up to 2^40 ns (18 minutes); longer durations count in the last bucket.
    static constexpr int kBucketCount = 16 + (40 - 4) * 8;

private:
    std::uint32_t m_nBuckets[kBucketCount] = {};
    std::uint64_t m_nCount = 0;
    std::uint64_t m_nTotalNs = 0;
};

}  // namespace zep
