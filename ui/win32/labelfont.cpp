#include "labelfont.h"

#include "layout.h"
#include "widetext.h"

#include <vector>

namespace {

struct Face
{
    std::wstring name;  // empty: any fixed-pitch face Windows picks
    BYTE charset;
};

std::vector<Face> faces()
{
    std::vector<Face> list;
    for (std::string_view face : pirumo::kLabelFaces)
        list.push_back({widen(face), SHIFTJIS_CHARSET});
    for (const wchar_t *face : {L"Consolas", L"Courier New", L""})
        list.push_back({face, DEFAULT_CHARSET});
    return list;
}

HFONT createFont(const Face &face, int pixels, int weight)
{
    LOGFONTW font = {};
    font.lfHeight = -pixels;  // the em, as a pixel size
    font.lfWeight = weight;
    font.lfCharSet = face.charset;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(font.lfFaceName, face.name.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

enum class Fit { Fits, TooBig, WrongFace };

// The label draws from its top edge: the glyph's ink lies between its
// ascent above the baseline and what reaches below it.
Fit fit(HDC dc, const Face &face, const std::wstring &sample, SIZE label)
{
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    wchar_t found[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, found);
    // TMPF_FIXED_PITCH, despite its name, marks a variable pitch.
    if ((metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) || (!face.name.empty() && lstrcmpiW(found, face.name.c_str()) != 0))
        return Fit::WrongFace;

    SIZE extent = {};
    GetTextExtentPoint32W(dc, sample.c_str(), static_cast<int>(sample.size()), &extent);
    // A bitmap face has no outlines to measure: its cell below the internal
    // leading stands for the glyph.
    int inkTop = metrics.tmInternalLeading;
    int inkBottom = metrics.tmAscent;  // one past
    GLYPHMETRICS glyph = {};
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (GetGlyphOutlineW(dc, sample[0], GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
        inkTop = metrics.tmAscent - glyph.gmptGlyphOrigin.y;
        inkBottom = inkTop + static_cast<int>(glyph.gmBlackBoxY);
    }
    const bool clear = inkTop >= 1 && inkBottom <= label.cy - 1;
    return extent.cx <= label.cx && clear ? Fit::Fits : Fit::TooBig;
}

} // namespace

HFONT labelFont(int pixels, int smallest, int weight, const std::wstring &sample, SIZE label)
{
    HDC dc = GetDC(nullptr);
    HFONT chosen = nullptr;
    for (const Face &face : faces()) {
        for (int size = pixels; size >= smallest && !chosen; --size) {
            HFONT font = createFont(face, size, weight);
            HGDIOBJ previous = SelectObject(dc, font);
            const Fit result = fit(dc, face, sample, label);
            SelectObject(dc, previous);
            if (result == Fit::Fits) {
                chosen = font;
                break;
            }
            DeleteObject(font);
            if (result == Fit::WrongFace)
                break;  // the next face; this one will not do at any size
        }
        if (chosen)
            break;
    }
    ReleaseDC(nullptr, dc);
    return chosen ? chosen : createFont({L"", DEFAULT_CHARSET}, smallest, weight);
}
