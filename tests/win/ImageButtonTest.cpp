// The three-frame image button under Wine: which frame each state draws (read back from the pixels it
// painted, against the picture's own pixels), the messages its parent receives and in which order (in the
// manner of Wine's own message-sequence tests), sizing by the picture, and ownership of the picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/Dialog.h"
#include "framework/ResourceCounter.h"
#include "framework/UniqueResource.h"
#include "launcher/res/resource.h"
#include "launcher/skin/CtrlDialog.h"
#include "launcher/skin/ImageButton.h"
#include "launcher/skin/SkinImage.h"
#include "shared/ZepShared.h"

namespace {

using zep::CImageButton;
using zep::SkinImage;

constexpr UINT kDockButtonPicture = 149;  // 144 x 48, frames of 48 x 48
constexpr UINT kGearPicture = 160;        // 81 x 27, frames of 27 x 27
constexpr UINT kOkPicture = 305;          // 150 x 25, frames of 50 x 25
constexpr UINT kMissingPicture = 9999;
constexpr UINT kButtonId = 1000;
constexpr DWORD kBackground = 0x00FF00FF;  // 0x00RRGGBB, as the canvas holds it
constexpr int kTemplateDialog = 102;

std::vector<std::string>* g_log = nullptr;
void Log(const std::string& line)
{
    if (g_log)
        g_log->push_back(line);
}

std::string Join(const std::vector<std::string>& lines)
{
    std::ostringstream out;
    for (const std::string& line : lines)
        out << "  " << line << "\n";
    return out.str();
}

// The parent's log against an expected sequence, both printed in full on a mismatch.
::testing::AssertionResult IsSequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected:\n" << Join(expected) << "actual:\n" << Join(actual);
}

// A 32-bit top-down DIB in a memory DC, filled with kBackground.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height), m_dc(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = std::max(width, 1);
        info.bmiHeader.biHeight = -std::max(height, 1);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.reset(::CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<DWORD*>(bits);
        m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
        std::fill(m_bits, m_bits + std::max(width, 1) * std::max(height, 1), kBackground);
    }
    ~Canvas() { ::SelectObject(m_dc.get(), m_previous); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // 0x00RRGGBB.
    DWORD Pixel(int x, int y) const
    {
        ::GdiFlush();
        return m_bits[y * m_width + x] & 0x00FFFFFF;
    }

private:
    int m_width;
    int m_height;
    zep::UniqueMemoryDc m_dc;
    zep::UniqueGdiObject m_bitmap;
    HGDIOBJ m_previous = nullptr;
    DWORD* m_bits = nullptr;
};

bool Near(DWORD a, DWORD b)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > 2)
            return false;
    }
    return true;
}

// Does the canvas show exactly `frames` of `picture` drawn over the background, bottom one first?
// Compared wherever the result is certain: pixels that every layer leaves either fully opaque or fully
// transparent; translucent pixels depend on blending rounding and are skipped.
bool ShowsFrames(const Canvas& canvas, const SkinImage& picture, const std::vector<int>& frames)
{
    const int frameWidth = static_cast<int>(picture.Width()) / 3;
    const int height = static_cast<int>(picture.Height());
    if (canvas.width() != frameWidth || canvas.height() != height)
        return false;
    auto* bitmap = static_cast<zep::GpBitmap*>(picture.Native());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < frameWidth; ++x) {
            DWORD expected = kBackground;
            bool known = true;
            for (int frame : frames) {
                Gdiplus::ARGB argb = 0;
                zep::gdip::GdipBitmapGetPixel(bitmap, frame * frameWidth + x, y, &argb);
                const DWORD alpha = argb >> 24;
                if (alpha == 0xFF) {
                    expected = argb & 0x00FFFFFF;
                    known = true;
                } else if (alpha != 0) {
                    known = false;
                }
            }
            if (known && !Near(expected, canvas.Pixel(x, y)))
                return false;
        }
    }
    return true;
}

// Names what the canvas shows: "none", "0", "1", "2" or "1+2" (frame 2 over frame 1); "?" when no
// candidate or more than one matches.
std::string DrawnFrames(const Canvas& canvas, const SkinImage& picture)
{
    struct Candidate {
        const char* name;
        std::vector<int> frames;
    };
    const Candidate candidates[] = {{"none", {}}, {"0", {0}}, {"1", {1}}, {"2", {2}}, {"1+2", {1, 2}}};
    std::string found = "?";
    int matches = 0;
    for (const Candidate& c : candidates) {
        if (ShowsFrames(canvas, picture, c.frames)) {
            found = c.name;
            ++matches;
        }
    }
    return matches == 1 ? found : "?";
}

// The parent: logs what a dock dialog would react to.
template <typename Dialog>
class Logging : public Dialog {
protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_BUTTON_HOVER) {
            Log("hover " + std::to_string(wParam) + " " + std::to_string(lParam));
            *result = 0;
            return true;
        }
        return Dialog::OnWndMsg(message, wParam, lParam, result);
    }
    bool OnCommand(WPARAM wParam, LPARAM) override
    {
        Log((HIWORD(wParam) == BN_CLICKED ? "clicked " : "command " + std::to_string(HIWORD(wParam)) + " ") +
            std::to_string(LOWORD(wParam)));
        return true;
    }
};
using LoggingParent = Logging<zep::CDialog>;

// Paints into a canvas instead of the screen and logs which frames came out, so that the frames of real
// paints (system-made item states) can be told from the pixels without reading the screen back.
class RecordingButton : public CImageButton {
public:
    void Load(UINT id)
    {
        m_reference = SkinImage::LoadPngResource(id);
        LoadButtonImage(id);
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        Canvas canvas(item->rcItem.right - item->rcItem.left, item->rcItem.bottom - item->rcItem.top);
        DRAWITEMSTRUCT copy = *item;
        copy.hDC = canvas.dc();
        const size_t at = g_log ? g_log->size() : 0;
        CImageButton::DrawItem(&copy);
        if (g_log)
            g_log->insert(g_log->begin() + static_cast<std::ptrdiff_t>(at),
                          "frame " + DrawnFrames(canvas, *m_reference));
    }

private:
    std::unique_ptr<SkinImage> m_reference;
};

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Pumps messages until `done` holds or `timeoutMs` passes; the result is `done`'s last answer.
template <typename Predicate>
bool PumpUntil(Predicate done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        Pump();
    }
    return true;
}

RECT ClientRectInParent(HWND child)
{
    RECT rc;
    ::GetWindowRect(child, &rc);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log = &m_log;
        ASSERT_TRUE(m_parent.Create(kTemplateDialog, nullptr));
        ::SetWindowPos(m_parent, HWND_TOP, 300, 200, 200, 150, SWP_NOACTIVATE);
        Pump();
    }
    void TearDown() override
    {
        g_log = nullptr;
        m_parent.DestroyWindow();
    }

    // A visible button at (20, 30) showing `picture`; the log starts empty after its first paint.
    void ShowButton(RecordingButton& button, UINT picture)
    {
        const RECT rc = {20, 30, 21, 31};
        ASSERT_TRUE(button.Create(nullptr, WS_VISIBLE, rc, m_parent, kButtonId));
        button.Load(picture);
        // Taking the focus repaints the button (a focus-only paint, reported like any other paint);
        // done here so that the presses below show only what pressing changes.
        ::SetFocus(button);
        Pump();
        m_log.clear();
    }
    // Lets the button paint what was invalidated, then hands over the log and clears it.
    std::vector<std::string> Painted(HWND button)
    {
        ::UpdateWindow(button);
        Pump();
        return std::exchange(m_log, {});
    }

    std::vector<std::string> m_log;
    LoggingParent m_parent;
};

TEST_F(ImageButtonTest, TakesOneFrameOfEachPictureAndKeepsItsCorner)
{
    CImageButton button;
    const RECT rc = {13, 17, 18, 22};
    ASSERT_TRUE(button.Create(nullptr, 0, rc, m_parent, kButtonId));
    EXPECT_EQ(kButtonId, button.ControlId());
    EXPECT_EQ(kButtonId, static_cast<UINT>(::GetDlgCtrlID(button)));
    EXPECT_TRUE(::GetWindowLongPtrW(button, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(BS_OWNERDRAW, ::GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK);

    struct Case {
        UINT picture;
        int imageWidth, imageHeight, frameWidth;
    };
    // One button through all rows: each load starts from the size the previous one left.
    const Case cases[] = {
        {kDockButtonPicture, 144, 48, 48},
        {kGearPicture, 81, 27, 27},
        {kOkPicture, 150, 25, 50},
        {kMissingPicture, 0, 0, 0},
        {kDockButtonPicture, 144, 48, 48},
    };
    for (const Case& c : cases) {
        button.LoadButtonImage(c.picture);
        EXPECT_EQ(c.imageWidth, button.ImageWidth()) << c.picture;
        EXPECT_EQ(c.imageHeight, button.ImageHeight()) << c.picture;
        EXPECT_EQ(c.frameWidth, button.FrameWidth()) << c.picture;
        const RECT expected = {13, 17, 13 + c.frameWidth, 17 + c.imageHeight};
        const RECT actual = ClientRectInParent(button);
        EXPECT_TRUE(::EqualRect(&expected, &actual))
            << c.picture << ": window at " << actual.left << "," << actual.top << " " << actual.right - actual.left
            << "x" << actual.bottom - actual.top;
        EXPECT_TRUE(::EqualRect(&expected, &button.ButtonRect())) << c.picture;
    }
}

TEST_F(ImageButtonTest, OwnsExactlyOnePictureAndGivesItBack)
{
    using zep::ResourceCounter;
    using zep::ResourceKind;
    const long before = ResourceCounter::Live(ResourceKind::GdipImage);
    {
        CImageButton button;
        const RECT rc = {0, 0, 1, 1};
        ASSERT_TRUE(button.Create(nullptr, WS_VISIBLE, rc, m_parent, kButtonId));
        button.LoadButtonImage(kDockButtonPicture);
        button.LoadButtonImage(kDockButtonPicture);
        EXPECT_EQ(before + 1, ResourceCounter::Live(ResourceKind::GdipImage));
        button.LoadButtonImage(kMissingPicture);
        EXPECT_EQ(before, ResourceCounter::Live(ResourceKind::GdipImage));
        button.LoadButtonImage(kGearPicture);
        EXPECT_EQ(before + 1, ResourceCounter::Live(ResourceKind::GdipImage));
    }
    EXPECT_EQ(before, ResourceCounter::Live(ResourceKind::GdipImage));
}

TEST_F(ImageButtonTest, ItemStateChoosesTheFrameAndTheReport)
{
    struct Case {
        bool running, hover, selected;
        const char* frames;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {false, false, false, "0", {"hover 1000 1"}},
        {false, true, false, "1", {"hover 1000 0"}},
        {false, false, true, "2", {}},
        {false, true, true, "2", {}},
        {true, false, false, "1", {"hover 1000 1"}},
        {true, true, false, "1", {"hover 1000 0"}},
        {true, false, true, "1+2", {}},
    };
    for (UINT picture : {kDockButtonPicture, kGearPicture, kOkPicture}) {
        const auto reference = SkinImage::LoadPngResource(picture);
        CImageButton button;
        const RECT rc = {0, 0, 1, 1};
        ASSERT_TRUE(button.Create(nullptr, 0, rc, m_parent, kButtonId));
        button.LoadButtonImage(picture);
        for (const Case& c : cases) {
            button.SetRunning(c.running);
            // The pointer's arrival and departure as the system reports them.
            ::SendMessageW(button, c.hover ? WM_MOUSEHOVER : WM_MOUSELEAVE, 0, 0);
            ASSERT_EQ(c.hover, button.Hovering());
            Canvas canvas(button.FrameWidth(), button.ImageHeight());
            DRAWITEMSTRUCT item = {ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE,
                                   c.selected ? static_cast<UINT>(ODS_SELECTED) : 0u, button, canvas.dc(),
                                   {0, 0, button.FrameWidth(), button.ImageHeight()}, 0};
            const long graphics = zep::ResourceCounter::Live(zep::ResourceKind::GdipGraphics);
            m_log.clear();
            EXPECT_EQ(TRUE, ::SendMessageW(m_parent, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item)));
            const std::string where = "picture " + std::to_string(picture) + " running " +
                                      std::to_string(c.running) + " hover " + std::to_string(c.hover) +
                                      " selected " + std::to_string(c.selected);
            EXPECT_EQ(c.frames, DrawnFrames(canvas, *reference)) << where;
            EXPECT_EQ(c.messages, m_log) << where;
            EXPECT_EQ(graphics, zep::ResourceCounter::Live(zep::ResourceKind::GdipGraphics)) << where;
        }
    }
}

// On a dialog with a key colour the looks are drawn once and then copied: every copy shows exactly the
// frames drawn onto the key colour, also after the button takes another picture; and enabling or
// disabling the button repaints nothing, but reports as its paint did.
TEST_F(ImageButtonTest, OnAKeyColouredDialogCopiesShowTheDrawnFrames)
{
    Logging<zep::CCtrlDialog> pair;
    ASSERT_TRUE(pair.Background()->LoadPicture(300));
    ASSERT_TRUE(pair.CreatePair(IDD_DES_DIALOG));
    RecordingButton button;
    const RECT rc = {0, 0, 1, 1};
    ASSERT_TRUE(button.Create(nullptr, WS_VISIBLE, rc, pair, kButtonId));
    struct Case {
        bool running, hover, selected;
        std::vector<int> frames;
    };
    const Case cases[] = {{false, false, false, {0}}, {false, true, false, {1}}, {false, false, true, {2}},
                          {true, false, false, {1}},  {true, false, true, {1, 2}}};
    for (UINT picture : {kDockButtonPicture, kGearPicture, kOkPicture, kDockButtonPicture, kDockButtonPicture + 1}) {
        button.Load(picture);
        const auto reference = SkinImage::LoadPngResource(picture);
        const int width = button.FrameWidth();
        const int height = button.ImageHeight();
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << "picture " << picture << " running " << c.running << " hover "
                                              << c.hover << " selected " << c.selected);
            button.SetRunning(c.running);
            ::SendMessageW(button, c.hover ? WM_MOUSEHOVER : WM_MOUSELEAVE, 0, 0);
            Canvas copied(width, height);
            DRAWITEMSTRUCT item = {ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE,
                                   c.selected ? static_cast<UINT>(ODS_SELECTED) : 0u, button, copied.dc(),
                                   {0, 0, width, height}, 0};
            button.CImageButton::DrawItem(&item);

            Canvas drawn(width, height);
            const RECT all = {0, 0, width, height};
            zep::UniqueGdiObject key(::CreateSolidBrush(pair.KeyColour()));
            ::FillRect(drawn.dc(), &all, static_cast<HBRUSH>(key.get()));
            {
                zep::UniqueGpGraphics graphics;
                ASSERT_EQ(Gdiplus::Ok, zep::gdip::GdipCreateFromHDC(drawn.dc(), graphics.put()));
                for (int frame : c.frames)
                    reference->Draw(graphics.get(), 0, 0, width, height, frame * width, 0, width, height);
            }
            int differing = 0;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    differing += copied.Pixel(x, y) != drawn.Pixel(x, y) ? 1 : 0;
            EXPECT_EQ(0, differing);
        }
    }

    Pump();
    m_log.clear();
    ::EnableWindow(button, FALSE);
    ::EnableWindow(button, TRUE);
    Pump();
    EXPECT_TRUE(IsSequence({"hover 1000 1", "hover 1000 1"}, m_log));
    pair.DestroyWindow();
}

TEST_F(ImageButtonTest, WithoutPictureDrawsNothingAndStillReports)
{
    CImageButton button;
    const RECT rc = {0, 0, 30, 30};
    ASSERT_TRUE(button.Create(nullptr, 0, rc, m_parent, kButtonId));
    button.LoadButtonImage(kMissingPicture);
    ASSERT_NE(nullptr, button.Image());
    EXPECT_EQ(nullptr, button.Image()->Native());

    Canvas canvas(30, 30);
    DRAWITEMSTRUCT item = {ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE, 0, button, canvas.dc(), {0, 0, 30, 30}, 0};
    ::SendMessageW(m_parent, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::vector<std::string>{"hover 1000 1"}, m_log);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(kBackground, canvas.Pixel(x, y)) << x << "," << y;

    // The background is never erased either: frames go over what was there.
    EXPECT_NE(0, ::SendMessageW(button, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0));
    EXPECT_EQ(kBackground, canvas.Pixel(0, 0));
}

TEST_F(ImageButtonTest, FirstPaintReportsThePointerAway)
{
    RecordingButton button;
    const RECT rc = {20, 30, 21, 31};
    ASSERT_TRUE(button.Create(nullptr, WS_VISIBLE, rc, m_parent, kButtonId));
    button.Load(kDockButtonPicture);
    Pump();
    EXPECT_TRUE(IsSequence({"frame 0", "hover 1000 1"}, m_log));
}

TEST_F(ImageButtonTest, PointerEntersAndLeaves)
{
    RecordingButton button;
    ShowButton(button, kDockButtonPicture);
    ::SendMessageW(button, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.Hovering());
    EXPECT_TRUE(IsSequence({"frame 1", "hover 1000 0"}, Painted(button)));
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.Hovering());
    EXPECT_FALSE(button.Tracking());
    EXPECT_TRUE(IsSequence({"frame 0", "hover 1000 1"}, Painted(button)));
}

TEST_F(ImageButtonTest, PressAndReleaseInsideShowPressedThenHoverThenClick)
{
    RecordingButton button;
    ShowButton(button, kDockButtonPicture);
    ::SendMessageW(button, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    Painted(button);

    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsSequence({"frame 2"}, Painted(button)));
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsSequence({"frame 1", "hover 1000 0", "clicked 1000"}, Painted(button)));
}

TEST_F(ImageButtonTest, RunningButtonShowsItsMarkWithThePointerAway)
{
    RecordingButton button;
    ShowButton(button, kGearPicture);
    button.SetRunning(true);
    EXPECT_TRUE(IsSequence({"frame 1", "hover 1000 1"}, Painted(button)));

    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsSequence({"frame 1+2"}, Painted(button)));
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsSequence({"frame 1", "hover 1000 1", "clicked 1000"}, Painted(button)));
}

TEST_F(ImageButtonTest, DoubleClickActsAsTwoPresses)
{
    RecordingButton button;
    ShowButton(button, kDockButtonPicture);
    // The system delivers the second press of a double click as WM_LBUTTONDBLCLK to this class.
    EXPECT_TRUE(::GetClassLongPtrW(button, GCL_STYLE) & CS_DBLCLKS);

    const UINT clicks[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    std::vector<std::string> log;
    for (UINT message : clicks) {
        ::SendMessageW(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
        for (const std::string& line : Painted(button))
            log.push_back(line);
    }
    const std::vector<std::string> expected = {"frame 2", "frame 0", "hover 1000 1", "clicked 1000",
                                               "frame 2", "frame 0", "hover 1000 1", "clicked 1000"};
    EXPECT_TRUE(IsSequence(expected, log));
}

// Real pointer input: the system's own hover and leave tracking, as the dock sees it.
TEST_F(ImageButtonTest, RealPointerRestingOverTheButtonAndMovingAway)
{
    RecordingButton button;
    ::SetCursorPos(50, 50);
    ShowButton(button, kDockButtonPicture);
    ::SetForegroundWindow(m_parent);
    Pump();
    m_log.clear();

    RECT rc;
    ::GetWindowRect(button, &rc);
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    auto reported = [this](const char* line) {
        return [this, line] { return std::find(m_log.begin(), m_log.end(), line) != m_log.end(); };
    };
    ASSERT_TRUE(PumpUntil(reported("hover 1000 0"), 5000)) << Join(m_log);
    EXPECT_TRUE(button.Hovering());
    EXPECT_TRUE(button.Tracking());
    EXPECT_EQ("frame 1", *(std::find(m_log.begin(), m_log.end(), "hover 1000 0") - 1));

    m_log.clear();
    ::SetCursorPos(1500, 900);
    ASSERT_TRUE(PumpUntil(reported("hover 1000 1"), 5000)) << Join(m_log);
    EXPECT_FALSE(button.Hovering());
    EXPECT_FALSE(button.Tracking());
    EXPECT_TRUE(IsSequence({"frame 0", "hover 1000 1"}, m_log));
}

}  // namespace
