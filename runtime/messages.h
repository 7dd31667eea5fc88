#pragma once
// The runtime's title and the messages its page and window show the user. The
// interpreter's error messages are its own (runtime/script/messages.h).

namespace pemo::runtime_messages {

// The runtime window's caption and the title of its message boxes.
inline constexpr const char* kTitle = "Pemo";

// After the path of the menu file.
inline constexpr const char* kCannotOpenMenu = "ﾒﾆｭｰﾌｧｲﾙを開けません";
inline constexpr const char* kMenuCutShort = "ﾒﾆｭｰﾌｧｲﾙを最後まで読み込めませんでした";

inline constexpr const char* kScriptRunning = "ｽｸﾘﾌﾟﾄ実行中の為、選択された処理を行うことはできません";
inline constexpr const char* kAlreadyRunning = "このｱﾌﾟﾘｹｰｼｮﾝは既に起動しています";
inline constexpr const char* kStartFailed = "起動に失敗しました";
inline constexpr const char* kCloseProgramsFirst = "起動したｱﾌﾟﾘｹｰｼｮﾝを先に終了してください";
inline constexpr const char* kCannotOpenHelp = "HTMLﾄﾞｷｭﾒﾝﾄを開けません";
inline constexpr const char* kStartFileMissing = "ｽﾀｰﾄｱｯﾌﾟﾌｧｲﾙが見つかりません";
// After the path of a file that could not be written.
inline constexpr const char* kCannotSaveFile = "ﾌｧｲﾙを保存できませんでした";
// A list of the user folder that holds as many entries as it takes.
inline constexpr const char* kListFull = "これ以上は登録できません";

// Questions with Yes and No.
inline constexpr const char* kAskShutdown = "Windowsを終了しますか？";
inline constexpr const char* kAskRestart = "ｺﾝﾋﾟｭｰﾀを再起動しますか？";

}  // namespace pemo::runtime_messages
