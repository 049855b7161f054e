// Prints, as JSON, what the web page is built from and shares with the
// desktop windows: the controls' places, the texts, the save outcomes the
// page reports, and the pictures' pixels. build_page.py runs it at build
// time; the page itself never sees this program.

#include "calculator.h"
#include "picturepixels.h"

#include <cstdio>
#include <iterator>
#include <string_view>
#include <utility>

namespace {

struct Place
{
    const char *name;
    pirumo::Twips twips;
};

constexpr Place kPlaces[] = {{"Form1", pirumo::kClient},    {"Toolbar1", pirumo::kToolbar}, {"Text1", pirumo::kText1},
                             {"Label1", pirumo::kLabel1},   {"Label2", pirumo::kLabel2},    {"UpCmd", pirumo::kUpCmd},
                             {"DownCmd", pirumo::kDownCmd}};

// What screen readers are told, the description and the page's own words,
// by the name the page's template and script give them.
constexpr std::pair<const char *, std::string_view> kTexts[] = {
    {"DESCRIPTION", pirumo::kDescription},
    {"TOOLBAR_NAME", pirumo::kToolbarName},
    {"LABEL1_NAME", pirumo::kLabel1Name},
    {"LABEL2_NAME", pirumo::kLabel2Name},
    {"PAD_NAME", pirumo::kPadName},
    {"BACKSPACE_NAME", pirumo::kBackspaceName},
    {"UP_NAME", pirumo::kUpCmdName},
    {"DOWN_NAME", pirumo::kDownCmdName},
    {"TEXT1_NAME", pirumo::kText1Name},
    {"TEXT1_DESCRIPTION", pirumo::kText1Description},
    {"TEXT1_VALUE", pirumo::kSpokenNoNumber},
    {"LABEL1_DESCRIPTION", pirumo::kLabel1Description},
    {"LABEL2_DESCRIPTION", pirumo::kLabel2Description},
    {"UP_DESCRIPTION", pirumo::kUpCmdDescription},
    {"DOWN_DESCRIPTION", pirumo::kDownCmdDescription},
    {"START", pirumo::kPageStart},
    {"DOWNLOADED", pirumo::kPageDownloaded},
    {"ERASE_LOG", pirumo::kPageEraseLog},
    {"KEEP_LOG", pirumo::kPageKeepLog},
    {"CLOSE", pirumo::kPageClose},
    {"END_UNSAVED", pirumo::kPageEndUnsaved},
    {"ENDED", pirumo::kPageEnded},
    {"CORE_FAILED", pirumo::kPageCoreFailed},
};

void printText(std::string_view text)
{
    std::putchar('"');
    for (const char c : text) {
        if (c == '"' || c == '\\')
            std::putchar('\\');
        std::putchar(c);
    }
    std::putchar('"');
}

void printPlace(const char *name, const pirumo::Twips &twips)
{
    const pirumo::PixelRect r = pirumo::toPixels(twips);
    std::printf("\"%s\": [%d, %d, %d, %d]", name, r.left, r.top, r.width(), r.height());
}

void printPixels(const PicturePixels &p)
{
    std::printf("{\"width\": %d, \"height\": %d, \"argb\": \"", p.width, p.height);
    for (const std::uint32_t pixel : p.argb)
        std::printf("%08x", static_cast<unsigned>(pixel));
    std::printf("\"}");
}

// The picture at 1x and at 2x for dense screens.
void printPicture(std::string_view name, const PicturePixels &once, const PicturePixels &twice)
{
    printText(name);
    std::printf(": [");
    printPixels(once);
    std::printf(", ");
    printPixels(twice);
    std::printf("]");
}

} // namespace

int main()
{
    std::printf("{\n\"productName\": ");
    printText(pirumo::kProductName);
    std::printf(",\n\"places\": {");
    const char *separator = "";
    for (const auto &[name, twips] : kPlaces) {
        std::printf("%s", separator);
        printPlace(name, twips);
        separator = ", ";
    }
    std::printf("},\n\"toolPicture\": %d, \"stepPicture\": %d,\n", pirumo::kToolPicture, pirumo::kStepPicture);
    std::printf("\"entryFont\": %d, \"checkFont\": %d,\n", pirumo::kEntryFontPixels, pirumo::kCheckFontPixels);
    std::printf("\"texts\": {");
    separator = "";
    for (const auto &[name, text] : kTexts) {
        std::printf("%s\"%s\": ", separator, name);
        printText(text);
        separator = ", ";
    }
    std::printf("},\n\"labelFaces\": [");
    separator = "";
    for (std::string_view face : pirumo::kLabelFaces) {
        std::printf("%s", separator);
        printText(face);
        separator = ", ";
    }
    std::printf("], \"smallestLabelFont\": %d, \"entrySample\": ", pirumo::kSmallestLabelFont);
    printText(pirumo::kEntrySample);
    std::printf(", \"checkSample\": ");
    printText(pirumo::kCheckSample);
    std::printf(",");
    std::printf("\n\"saveButton\": %d,\n\"outcomes\": {\"Saved\": %d, \"Failed\": %d, \"FileInUse\": %d, \"Unconfirmed\": %d},\n",
                static_cast<int>(pirumo::kSaveButton), static_cast<int>(pirumo::SaveOutcome::Saved), static_cast<int>(pirumo::SaveOutcome::Failed),
                static_cast<int>(pirumo::SaveOutcome::FileInUse), static_cast<int>(pirumo::SaveOutcome::Unconfirmed));
    std::printf("\"toolbar\": [");
    separator = "";
    for (const pirumo::ToolbarButton &b : pirumo::kToolbarButtons) {
        std::printf("%s{\"key\": ", separator);
        printText(b.key);
        std::printf(", \"toolTip\": ");
        printText(b.toolTip);
        std::printf("}");
        separator = ", ";
    }
    std::printf("],\n\"toolButtonPlaces\": [");
    separator = "";
    for (int i = 0; i < static_cast<int>(std::size(pirumo::kToolbarButtons)); ++i) {
        const pirumo::PixelRect r = pirumo::toolButtonPlace(i);
        std::printf("%s[%d, %d, %d, %d]", separator, r.left, r.top, r.width(), r.height());
        separator = ", ";
    }
    std::printf("],\n\"pictures\": {\n");
    for (const pirumo::ToolbarButton &b : pirumo::kToolbarButtons) {
        printPicture(b.key, toolbarPicture(b.key, pirumo::kToolPicture),
                     toolbarPicture(b.key, 2 * pirumo::kToolPicture));
        std::printf(",\n");
    }
    for (const char *name : {"up", "down"}) {
        printPicture(name, drawnPicture(name, 1), drawnPicture(name, 2));
        std::printf(",\n");
    }
    printPicture("pirumo", drawnPicture("pirumo", 1), drawnPicture("pirumo", 2));
    std::printf("\n}\n}\n");
    return 0;
}
