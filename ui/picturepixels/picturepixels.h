#ifndef PIRUMO_PICTUREPIXELS_H
#define PIRUMO_PICTUREPIXELS_H

#include <cstdint>
#include <string_view>
#include <vector>

// PIRUMO's pictures, compiled in from res/*.xpm, as pixels that every front end
// turns into its own bitmaps: "pirumo" (the icon), "up", "down", and the
// toolbar's "log", "save", "copy", "paste", "help", "end".
struct PicturePixels
{
    int width = 0;
    int height = 0;
    // 0xAARRGGBB, row by row from the top. Every drawn colour is opaque and
    // the toolbar pictures' background transparent (0), so the values are
    // premultiplied as they stand.
    std::vector<std::uint32_t> argb;
};

// The picture as drawn at scale 1, or 2 for dense screens; empty for an
// unknown name. Read directly rather than through a general XPM reader, which
// takes a good part of a millisecond at start-up.
PicturePixels drawnPicture(std::string_view name, int scale = 1);

// The picture at width x height, starting from the drawing at twice its size
// when it is asked for larger than drawn. Each pixel takes the nearest drawn
// one, so edges stay sharp and a mask colour exact, or, smooth, the mean of
// those it covers.
PicturePixels resizedPicture(std::string_view name, int width, int height, bool smooth);

// Where a bitmap has no alpha channel, the transparent background becomes
// silver, the toolbar image list's mask colour (0xRRGGBB).
inline constexpr std::uint32_t kMaskColour = 0xC0C0C0;

// "end" is drawn larger and on grey 191, one step off the mask colour: it is
// shrunk smoothly and keeps its background, never masked.
bool keepsItsBackground(std::string_view key);

// The picture of the toolbar button with that key at size x size pixels:
// exactly as drawn at its own size and twice that, smoothly averaged from
// the larger drawing at any other.
PicturePixels toolbarPicture(std::string_view key, int size);

#endif
