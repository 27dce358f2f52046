#pragma once

// The display scale the dock is drawn at, and the one rounding rule that takes a 96-DPI coordinate to it.
// Pure logic: no Windows headers.
//
// Every place and size of the dock is written in 96-DPI pixels (the skin, LaunchInfo.ini, the layout
// tables). At `dpi` an edge at v becomes S(v) = floor(v * dpi / 96 + 1/2), mirrored for negative v; a size
// is the difference of its two rounded edges, so pieces that meet at 96 DPI still meet at every scale. The
// skin pictures were drawn by the same rule, so the sizes computed here are the sizes of the pictures.

namespace zep {

class DisplayScale {
public:
    static constexpr int kBaseDpi = 96;

    // 100 %: every coordinate stays as it is.
    constexpr DisplayScale() noexcept = default;
    // `dpi` below 96 counts as 96: nothing of the dock is drawn smaller than its pictures at 100 %.
    constexpr explicit DisplayScale(int dpi) noexcept : m_dpi(dpi < kBaseDpi ? kBaseDpi : dpi) {}

    constexpr int Dpi() const noexcept { return m_dpi; }
    // The scale in percent, rounded down: 125 at 120 DPI, 150 at 144.
    constexpr int Percent() const noexcept { return m_dpi * 100 / kBaseDpi; }
    constexpr bool IsBase() const noexcept { return m_dpi == kBaseDpi; }

    // S(v): the edge at 96-DPI coordinate `v` at this scale.
    constexpr int Px(int v) const noexcept
    {
        // 2 v dpi + 96 over 192 is v dpi / 96 + 1/2 in whole numbers; the division of non-negative
        // numbers rounds down.
        return v < 0 ? -Px(-v) : static_cast<int>((2LL * v * m_dpi + kBaseDpi) / (2 * kBaseDpi));
    }
    // The size of the stretch from 96-DPI coordinate `from` to `to`: the difference of its rounded edges.
    constexpr int Span(int from, int to) const noexcept { return Px(to) - Px(from); }

    friend constexpr bool operator==(DisplayScale a, DisplayScale b) noexcept { return a.m_dpi == b.m_dpi; }
    friend constexpr bool operator!=(DisplayScale a, DisplayScale b) noexcept { return a.m_dpi != b.m_dpi; }

private:
    int m_dpi = kBaseDpi;
};

}  // namespace zep
