#pragma once
// The editor's messages about menu files, and the title of its message boxes.

namespace pemo::editor {

inline constexpr const char* kEditorTitle = "PemoEdit";
inline constexpr const char* kNoObjectsMessage = "ｵﾌﾞｼﾞｪｸﾄをﾛｰﾄﾞできませんでした";
inline constexpr const char* kCutShortMessage = "ｵﾌﾞｼﾞｪｸﾄのﾛｰﾄﾞ中にｴﾗｰが発生しました";
inline constexpr const char* kCannotOpenMessage = "ﾌｧｲﾙを開けません";
inline constexpr const char* kCannotSaveMessage = "ﾌｧｲﾙを保存できませんでした";
inline constexpr const char* kWorkFileMessage = "作業ﾌｧｲﾙの作成に失敗";
inline constexpr const char* kScriptEditingMessage = "ｽｸﾘﾌﾟﾄを編集中です";
inline constexpr const char* kNoHelpMessage = "HTMLﾄﾞｷｭﾒﾝﾄを開けません";
inline constexpr const char* kCannotStartMessage = "ﾌﾟﾛｸﾞﾗﾑを起動できません";

}  // namespace pemo::editor
