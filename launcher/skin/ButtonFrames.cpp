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

void ButtonFrames::Reset() noexcept
{
    // The bitmap leaves the context before either goes.
    m_selection.reset();
    m_looks.reset();
    m_dc.reset();
}

bool ButtonFrames::Prepare(HDC reference, SkinImage& picture, SIZE frameSize, COLORREF key)
{
    Reset();
    m_frame = frameSize;
    m_key = key;
    if (!reference || frameSize.cx <= 0 || frameSize.cy <= 0)
        return false;
    // Compatible with the painting context, so that GDI+ blends each frame onto the key colour exactly as
    // it would onto that context.
    m_dc.reset(::CreateCompatibleDC(reference));
    m_looks.reset(::CreateCompatibleBitmap(reference, kLooks * frameSize.cx, frameSize.cy));
    if (!m_dc || !m_looks) {
        Reset();
        return false;
    }
    m_selection.emplace(m_dc.get(), m_looks.get());
    const COLORREF previous = ::SetBkColor(m_dc.get(), key);
    const RECT all{0, 0, kLooks * frameSize.cx, frameSize.cy};
    ::ExtTextOutW(m_dc.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    ::SetBkColor(m_dc.get(), previous);
    UniqueGpGraphics graphics;
    if (gdip::GdipCreateFromHDC(m_dc.get(), graphics.put()) == Gdiplus::Ok) {
        for (int look = 0; look < kLooks; ++look) {
            // Each look only in its own place, whatever the filter reaches for at a frame's edges.
            gdip::GdipSetClipRectI(graphics.get(), look * frameSize.cx, 0, frameSize.cx, frameSize.cy,
                                   Gdiplus::CombineModeReplace);
            for (int n = 0; n < kLookFrames[look].count; ++n) {
                const int frame = kLookFrames[look].frames[n];
                picture.Draw(graphics.get(), look * frameSize.cx, 0, frameSize.cx, frameSize.cy, frame * frameSize.cx,
                             0, frameSize.cx, frameSize.cy);
            }
        }
    }
    return true;
}

bool ButtonFrames::Paint(HDC target, SkinImage& picture, SIZE frameSize, COLORREF key, ButtonLook look)
{
    if ((!Ready() || key != m_key || frameSize.cx != m_frame.cx || frameSize.cy != m_frame.cy) &&
        !Prepare(target, picture, frameSize, key))
        return false;
    return ::BitBlt(target, 0, 0, m_frame.cx, m_frame.cy, m_dc.get(), static_cast<int>(look) * m_frame.cx, 0,
                    SRCCOPY) != FALSE;
}

}  // namespace zep
