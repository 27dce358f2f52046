#include "framework/ResourceCounter.h"

#include <atomic>

namespace zep {
namespace {
std::atomic<long> g_live[static_cast<int>(ResourceKind::Count_)];
}

long ResourceCounter::Live(ResourceKind kind) noexcept
{
    return g_live[static_cast<int>(kind)].load(std::memory_order_relaxed);
}

long ResourceCounter::Query(unsigned long long kind) noexcept
{
    return kind < static_cast<unsigned long long>(ResourceKind::Count_) ? Live(static_cast<ResourceKind>(kind)) : -1;
}

void ResourceCounter::Add(ResourceKind kind, long delta) noexcept
{
    g_live[static_cast<int>(kind)].fetch_add(delta, std::memory_order_relaxed);
}

}  // namespace zep
