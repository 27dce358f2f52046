#include "launcher/skin/ButtonLayerMirror.h"

#include <initializer_list>

namespace zep {
namespace {

// The window manager's published thumbnail record (dwmapi.h), declared here because the library is bound
// at run time.
#pragma pack(push, 1)
struct ThumbnailProperties {
    DWORD flags;
    RECT destination;
    RECT source;
    BYTE opacity;
    BOOL visible;
    BOOL sourceClientAreaOnly;
};
#pragma pack(pop)

constexpr DWORD kDestination = 0x1;       // DWM_TNP_RECTDESTINATION
constexpr DWORD kOpacity = 0x4;           // DWM_TNP_OPACITY
constexpr DWORD kVisible = 0x8;           // DWM_TNP_VISIBLE
constexpr DWORD kClientAreaOnly = 0x10;   // DWM_TNP_SOURCECLIENTAREAONLY

using RegisterFn = HRESULT(WINAPI*)(HWND, HWND, void**);
using UpdateFn = HRESULT(WINAPI*)(void*, const ThumbnailProperties*);
using UnregisterFn = HRESULT(WINAPI*)(void*);

struct WindowManager {
    RegisterFn registerThumbnail = nullptr;
    UpdateFn update = nullptr;
    UnregisterFn unregisterThumbnail = nullptr;
};

// Loaded once, on first use; kept for the rest of the run (the thumbnails live in it).
const WindowManager& Library()
{
    static const WindowManager library = [] {
        WindowManager bound;
        if (HMODULE module = ::LoadLibraryW(L"dwmapi.dll")) {
            bound.registerThumbnail =
                reinterpret_cast<RegisterFn>(reinterpret_cast<void*>(::GetProcAddress(module, "DwmRegisterThumbnail")));
            bound.update = reinterpret_cast<UpdateFn>(
                reinterpret_cast<void*>(::GetProcAddress(module, "DwmUpdateThumbnailProperties")));
            bound.unregisterThumbnail = reinterpret_cast<UnregisterFn>(
                reinterpret_cast<void*>(::GetProcAddress(module, "DwmUnregisterThumbnail")));
        }
        return bound;
    }();
    return library;
}

// Windows 6.0 or 6.1; VerifyVersionInfoW because GetVersionExW is deprecated.
bool IsMirrorVersion()
{
    for (DWORD minor : {0ul, 1ul}) {
        OSVERSIONINFOEXW version{};
        version.dwOSVersionInfoSize = sizeof(version);
        version.dwMajorVersion = 6;
        version.dwMinorVersion = minor;
        ULONGLONG mask = ::VerSetConditionMask(0, VER_MAJORVERSION, VER_EQUAL);
        mask = ::VerSetConditionMask(mask, VER_MINORVERSION, VER_EQUAL);
        if (::VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION, mask))
            return true;
    }
    return false;
}

}  // namespace

CButtonLayerMirror::~CButtonLayerMirror()
{
    Release();
}

void CButtonLayerMirror::Release() noexcept
{
    if (m_thumbnail && Library().unregisterThumbnail)
        Library().unregisterThumbnail(m_thumbnail);
    m_thumbnail = nullptr;
}

bool CButtonLayerMirror::Mirror(HWND background, HWND source, const RECT& destination)
{
    if (!IsMirrorVersion())
        return false;
    const WindowManager& library = Library();
    if (!library.registerThumbnail || !library.update)
        return false;
    if (m_thumbnail && (m_hBackground != background || m_hSource != source))
        Release();
    if (!m_thumbnail) {
        void* thumbnail = nullptr;
        if (FAILED(library.registerThumbnail(background, source, &thumbnail)))
            return false;  // composition off (or no window manager): the bar shows its own layers only
        m_thumbnail = thumbnail;
        m_hBackground = background;
        m_hSource = source;
    }
    ThumbnailProperties properties{};
    properties.flags = kDestination | kOpacity | kVisible | kClientAreaOnly;
    properties.destination = destination;
    properties.opacity = 255;
    properties.visible = TRUE;
    properties.sourceClientAreaOnly = FALSE;  // the whole dock dialog
    library.update(m_thumbnail, &properties);
    return true;
}

}  // namespace zep
