#include "framework/DurationHistogram.h"

namespace zep {
namespace {

int HighestBit(std::uint64_t value) noexcept
{
    int bit = 0;
    while (value >>= 1)
        ++bit;
    return bit;
}

}  // namespace

int DurationHistogram::BucketOf(std::uint64_t nanoseconds) noexcept
{
    if (nanoseconds < 16)
        return static_cast<int>(nanoseconds);
    const int high = HighestBit(nanoseconds);
    const int shift = high - 3;
    const int eighth = static_cast<int>(nanoseconds >> shift) - 8;  // 0 to 7 within the power of two
    const int bucket = 16 + (high - 4) * 8 + eighth;
    return bucket < kBucketCount ? bucket : kBucketCount - 1;
}

std::uint64_t DurationHistogram::UpperEndOf(int bucket) noexcept
{
    if (bucket < 16)
        return static_cast<std::uint64_t>(bucket);
    const int high = 4 + (bucket - 16) / 8;
    const std::uint64_t eighth = static_cast<std::uint64_t>((bucket - 16) % 8);
    return ((8 + eighth + 1) << (high - 3)) - 1;
}

void DurationHistogram::Add(std::uint64_t nanoseconds) noexcept
{
    std::uint32_t& bucket = m_nBuckets[BucketOf(nanoseconds)];
    if (bucket != UINT32_MAX)
        ++bucket;
    ++m_nCount;
    m_nTotalNs += nanoseconds;
}

std::uint64_t DurationHistogram::MeanNs() const noexcept
{
    return m_nCount ? m_nTotalNs / m_nCount : 0;
}

std::uint64_t DurationHistogram::PercentileNs(unsigned percent) const noexcept
{
    if (m_nCount == 0 || percent < 1 || percent > 100)
        return 0;
    // The smallest bucket at which at least percent % of the samples lie (rank rounded up).
    const std::uint64_t rank = (m_nCount * percent + 99) / 100;
    std::uint64_t seen = 0;
    for (int bucket = 0; bucket < kBucketCount; ++bucket) {
        seen += m_nBuckets[bucket];
        if (seen >= rank)
            return UpperEndOf(bucket);
    }
    return UpperEndOf(kBucketCount - 1);
}

}  // namespace zep
