#ifndef PIRUMO_CORE_TEXTS_H
#define PIRUMO_CORE_TEXTS_H

#include <string_view>

namespace pirumo {

// The texts every window shows or gives to screen readers, in one place.

// What PIRUMO is, in one line: the page's manifest, the desktop entry and the
// metainfo (CMakeLists.txt reads it from this line).
inline constexpr std::string_view kDescription = "12 桁までの番号のモジュラス 11 チェック文字を表示します";

inline constexpr std::string_view kRecordsSuffix = "件記録";  // the caption: "3件記録"

// What a screen reader says after each change: "1 2 3、チェック文字 6", the
// digits one by one (twelve of them read as one number would be a long
// sum), then the count when a line was just recorded ("、3件記録").
inline constexpr std::string_view kSpokenNoNumber = "番号なし";
inline constexpr std::string_view kSpokenCheck = "、チェック文字 ";
inline constexpr std::string_view kSpokenPause = "、";
inline constexpr std::string_view kSpokenRecordingOff = "記録 off";

// Told when the record count has reached kMaxRecords, which takes the {}.
inline constexpr std::string_view kLogFullMessage =
    "記録が上限の{}件に達しました。これ以上は記録できません。保存してください。";

// The desktop window's first words where it cannot start, before the reason
// its toolkit gives (no display, a platform plugin that is not there).
inline constexpr std::string_view kWindowUnavailable = "PIRUMO のウィンドウを開けません";

// The help viewer's title, after the product's name.
inline constexpr std::string_view kHelpViewerTitle = "ヘルプ";

// Shown with the path looked for when the help file is not there.
inline constexpr std::string_view kHelpMissingTitle = "ヘルプファイルが見つかりません";
inline constexpr std::string_view kHelpMissingText =
    "次のファイルを探しましたが、見つからないか読み込めませんでした。";

// Told when a part of the system that saving or help needs cannot be loaded
// (a damaged system, a missing update), followed by the part looked for.
inline constexpr std::string_view kSaveDialogUnavailable =
    "名前を付けて保存の画面を開けませんでした。記録はそのまま残っています。";
inline constexpr std::string_view kHelpUnavailable = "ヘルプを開けませんでした。";
// Told when the Save-As dialog itself failed (not a cancel), followed by the
// system's error code.
inline constexpr std::string_view kSaveDialogFailed =
    "名前を付けて保存の画面でエラーが起きました。記録はそのまま残っています。\n\nエラー コード: ";
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

// The page's own words: its first line, the question after a download (the
// file's name takes the {}), the end, and where its calculator cannot start.
inline constexpr std::string_view kPageStart = "数字のキーを打つと、すぐに番号とチェック文字が出ます。";
inline constexpr std::string_view kPageDownloaded =
    "{} をダウンロードしました。同じ名前のファイルがすでにあったときは、ブラウザが名前に番号を付けています。"
    "ファイルが保存されたことを確かめてから、記録を消去してください。";
inline constexpr std::string_view kPageEraseLog = "記録を消去する";
inline constexpr std::string_view kPageKeepLog = "記録を残す";
inline constexpr std::string_view kPageClose = "閉じる";
inline constexpr std::string_view kPageEndUnsaved =
    "保存していない記録があります。終了すると記録は失われます。終了しますか？";
inline constexpr std::string_view kPageEnded = "PIRUMO を終了しました。このタブは閉じてかまいません。";
inline constexpr std::string_view kPageCoreFailed =
    "このブラウザでは PIRUMO の計算部（WebAssembly）を起動できませんでした。"
    "番号もチェック文字も出ず、何も記録されません。WebAssembly が使えるブラウザで開いてください。";

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
