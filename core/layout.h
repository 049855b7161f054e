#ifndef PIRUMO_CORE_LAYOUT_H
#define PIRUMO_CORE_LAYOUT_H

#include <string_view>

namespace pirumo {

// Where a control lies, in twips (1/1440 inch) from the client area's
// top-left corner; 15 twips make one pixel at 96 dots per inch.
struct Twips
{
    int left, top, width, height;
};

// The same in pixels; right and bottom are one past the last pixel.
struct PixelRect
{
    int left, top, right, bottom;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
};

// The window's places, the same in every window.
inline constexpr Twips kClient = {0, 0, 2160, 780};
inline constexpr Twips kToolbar = {0, 0, 2160, 420};
inline constexpr Twips kDownCmd = {1920, 600, 255, 180};
inline constexpr Twips kUpCmd = {1920, 440, 255, 180};
inline constexpr Twips kText1 = {960, 120, 210, 225};
inline constexpr Twips kLabel2 = {1630, 480, 180, 255};
inline constexpr Twips kLabel1 = {90, 480, 1455, 255};

// Sizes in pixels at 96 dpi, scaled like the places.
inline constexpr int kToolButtonWidth = 24;
inline constexpr int kToolButtonHeight = 22;
inline constexpr int kToolPicture = 16;
inline constexpr int kStepPicture = 20;
inline constexpr int kEntryFontPixels = 15;
inline constexpr int kCheckFontPixels = 16;

// The labels' fonts: the first of these fixed-pitch faces in which the
// sample fits its label (the labels line the number up by padding it with
// spaces); where none does, a smaller size, down to kSmallestLabelFont.
inline constexpr std::string_view kLabelFaces[] = {"ＭＳ ゴシック", "MS Gothic", "IPAGothic",
                                                   "Noto Sans Mono CJK JP", "VL Gothic"};
inline constexpr std::string_view kEntrySample = "888888888888";
inline constexpr std::string_view kCheckSample = "X";
inline constexpr int kSmallestLabelFont = 6;

inline constexpr int kDefaultDpi = 96;

// a * b / c for non-negative numbers, rounded to the nearest whole number
// with halves up, as Windows' MulDiv does: every window rounds alike.
constexpr int scaled(int a, int b, int c)
{
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

// Pixels at 96 dpi as pixels at dpi.
constexpr int atDpi(int pixelsAt96, int dpi)
{
    return scaled(pixelsAt96, dpi, kDefaultDpi);
}

// Both edges from twips, so that rounding never adds up along a row.
constexpr PixelRect toPixels(const Twips &t, int dpi = kDefaultDpi)
{
    return {scaled(t.left, dpi, 1440), scaled(t.top, dpi, 1440), scaled(t.left + t.width, dpi, 1440),
            scaled(t.top + t.height, dpi, 1440)};
}

// Toolbar button i's place inside the toolbar, at 96 dpi: side by side from
// the left edge, in the middle of the bar's height.
constexpr PixelRect toolButtonPlace(int i)
{
    const int top = (toPixels(kToolbar).height() - kToolButtonHeight) / 2;
    return {i * kToolButtonWidth, top, (i + 1) * kToolButtonWidth, top + kToolButtonHeight};
}

} // namespace pirumo

#endif
