#ifndef PIRUMO_CORE_TEXTS_H
#define PIRUMO_CORE_TEXTS_H

#include <string_view>

namespace pirumo {

// The texts every window shows or gives to screen readers, in one place.

// What PIRUMO is, in one line: the page's manifest, the desktop entry and the
// metainfo (CMakeLists.txt reads it from this line).
inline constexpr std::string_view kDescription = "12 桁までの番号のモジュラス 11 チェック文字を表示します";

inline constexpr std::string_view kRecordsSuffix = "件記録";  // the caption: "3件記録"

// Told when the record count has reached kMaxRecords, which takes the {}.
inline constexpr std::string_view kLogFullMessage =
    "記録が上限の{}件に達しました。これ以上は記録できません。保存してください。";

// Shown with the path looked for when the help file is not there.
inline constexpr std::string_view kHelpMissingTitle = "ヘルプファイルが見つかりません";
inline constexpr std::string_view kHelpMissingText =
    "次のファイルを探しましたが、見つからないか読み込めませんでした。";

// Told when a part of the system that saving or help needs cannot be loaded
// (a damaged system, a missing update), followed by the part looked for.
inline constexpr std::string_view kSaveDialogUnavailable =
    "名前を付けて保存の画面を開けませんでした。記録はそのまま残っています。";
inline constexpr std::string_view kHelpUnavailable = "ヘルプを開けませんでした。";
inline constexpr std::string_view kSystemPartMissing = "見つからないか読み込めない Windows の部品: ";

// The Save-As dialog's only filter, which lists every file.
inline constexpr std::string_view kSaveFilterName = "すべてのファイル (*.*)";

inline constexpr std::string_view kClipboardUnreadable =
    "クリップボードを読み取れませんでした。番号も記録もそのままです。";
inline constexpr std::string_view kClipboardUnwritable = "クリップボードに書き込めませんでした。";

// The step buttons' names, as shown and as read out.
inline constexpr std::string_view kUpCmdName = "1 増やす";
inline constexpr std::string_view kDownCmdName = "1 減らす";

// The names screen readers give the page's parts that the desktop windows
// leave to the system.
inline constexpr std::string_view kToolbarName = "ツールバー";
inline constexpr std::string_view kLabel1Name = "番号";
inline constexpr std::string_view kLabel2Name = "チェック文字";
inline constexpr std::string_view kPadName = "数字パッド";
inline constexpr std::string_view kBackspaceName = "BackSpace";

// What screen readers say of the controls beside their names. The labels'
// own text, the number and its check character, is what they read out.
inline constexpr std::string_view kLabel1Description = "番号（12 桁まで、右詰め）";
inline constexpr std::string_view kLabel2Description = "番号のモジュラス 11 チェック文字";
inline constexpr std::string_view kText1Name = "数字の入力";
inline constexpr std::string_view kText1Description = "数字、BackSpace、Enter、↑↓、スペースで番号を入力します";
inline constexpr std::string_view kUpCmdDescription = "番号に 1 を足します（↑キー）";
inline constexpr std::string_view kDownCmdDescription = "番号から 1 を引きます（↓キー）";

} // namespace pirumo

#endif
