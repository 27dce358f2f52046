#pragma once

// Live-count of the resources held by the RAII owners, per kind. Every owner in UniqueResource.h
// reports acquisition and release here, so a test can prove that an operation gives back all it took
// (GetGuiResources is no help under Wine, where it always answers 0).

namespace zep {

enum class ResourceKind {
    KernelHandle,
    RegistryKey,
    GdiObject,
    MemoryDc,
    WindowDc,
    GlobalMemory,
    Module,
    WindowsHook,
    FindHandle,
    GdipGraphics,
    GdipImage,
    ComObject,
    Count_
};

class ResourceCounter {
public:
    // Number of resources of this kind currently held by owners, over all threads.
    static long Live(ResourceKind kind) noexcept;
    static void Add(ResourceKind kind, long delta) noexcept;
    // The answer to a query for kind number `kind` (from another process): its live count, or -1 for a
    // number that names no kind.
    static long Query(unsigned long long kind) noexcept;
};

}  // namespace zep
