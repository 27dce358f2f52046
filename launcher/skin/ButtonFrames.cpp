#include "launcher/skin/ButtonFrames.h"

#include "framework/GdiPlus.h"
#include "launcher/skin/SkinImage.h"

namespace zep {
namespace {

constexpr int kLooks = 4;

// A look's frames, bottom one first.
struct LookFrames {
    int count;
    int frames[2];
};
constexpr LookFrames kLookFrames[kLooks] = {{1, {0, 0}}, {1, {1, 0}}, {1, {2, 0}}, {2, {1, 2}}};

}  // namespace

bool ButtonFrames::Paint(HDC target, SkinImage& picture, SIZE frameSize, COLORREF key, ButtonLook look)
{
    if (!m_looks || key != m_key || frameSize.cx != m_frame.cx || frameSize.cy != m_frame.cy) {
        m_frame = frameSize;
        if (!Draw(target, picture, key))
            return false;
    }
    const UniqueMemoryDc source(::CreateCompatibleDC(target));
    if (!source)
        return false;
    const ScopedSelectObject selection(source.get(), m_looks.get());
    return ::BitBlt(target, 0, 0, m_frame.cx, m_frame.cy, source.get(), static_cast<int>(look) * m_frame.cx, 0,
                    SRCCOPY) != FALSE;
}

bool ButtonFrames::Draw(HDC target, SkinImage& picture, COLORREF key)
{
    m_looks.reset();
    if (m_frame.cx <= 0 || m_frame.cy <= 0)
        return false;
    // Compatible with the painting context, so that GDI+ blends each frame onto the key colour exactly as
    // it would onto that context.
    UniqueGdiObject looks(::CreateCompatibleBitmap(target, kLooks * m_frame.cx, m_frame.cy));
    const UniqueMemoryDc dc(::CreateCompatibleDC(target));
    if (!looks || !dc)
        return false;
    {
        const ScopedSelectObject selection(dc.get(), looks.get());
        const COLORREF previous = ::SetBkColor(dc.get(), key);
        const RECT all{0, 0, kLooks * m_frame.cx, m_frame.cy};
        ::ExtTextOutW(dc.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        ::SetBkColor(dc.get(), previous);
        UniqueGpGraphics graphics;
        if (gdip::GdipCreateFromHDC(dc.get(), graphics.put()) == Gdiplus::Ok) {
            for (int look = 0; look < kLooks; ++look) {
                // Each look only in its own place, whatever the filter reaches for at a frame's edges.
                gdip::GdipSetClipRectI(graphics.get(), look * m_frame.cx, 0, m_frame.cx, m_frame.cy,
                                       Gdiplus::CombineModeReplace);
                for (int n = 0; n < kLookFrames[look].count; ++n) {
                    const int frame = kLookFrames[look].frames[n];
                    picture.Draw(graphics.get(), look * m_frame.cx, 0, m_frame.cx, m_frame.cy, frame * m_frame.cx, 0,
                                 m_frame.cx, m_frame.cy);
                }
            }
        }
    }
    m_looks = std::move(looks);
    m_key = key;
    return true;
}

}  // namespace zep
