#pragma once

// The GDI+ flat API, and owners for its objects.

#include <windows.h>
#include <objidl.h>

#if defined(_MSC_VER)
// The MSVC GDI+ headers use min and max, which NOMINMAX takes away.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#endif
#include <gdiplus.h>

#include <utility>

#include "framework/UniqueResource.h"

namespace zep {

namespace gdip = Gdiplus::DllExports;
using Gdiplus::GpBitmap;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpStatus;

using UniqueGpGraphics = UniqueResource<GpGraphics*, &gdip::GdipDeleteGraphics, ResourceKind::GdipGraphics>;
using UniqueGpImage = UniqueResource<GpImage*, &gdip::GdipDisposeImage, ResourceKind::GdipImage>;

// Keeps GDI+ started for the lifetime of the object. Thread: create and destroy on the UI thread,
// after every GDI+ object is gone.
class GdiplusSession {
public:
    GdiplusSession() noexcept
    {
        Gdiplus::GdiplusStartupInput input;
        input.GdiplusVersion = 1;
        input.DebugEventCallback = nullptr;
        input.SuppressBackgroundThread = FALSE;
        input.SuppressExternalCodecs = FALSE;
        m_ok = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_ok)
            Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool ok() const noexcept { return m_ok; }

private:
    ULONG_PTR m_token = 0;
    bool m_ok = false;
};

}  // namespace zep
