#pragma once
// The interpreter's error messages and the convention by which they are shown.
#include <string>

namespace pemo::script {

inline constexpr const char* kScriptErrorTitle = "ｽｸﾘﾌﾟﾄｴﾗｰ";

namespace msg {
inline constexpr const char* kSubNotDefined = "ﾌﾟﾛｼｰｼﾞｬが定義されていません";
inline constexpr const char* kLiteralNeedsQuotes = "ﾘﾃﾗﾙ文字列はﾀﾞﾌﾞﾙｸｫｰﾄで囲む必要があります";
inline constexpr const char* kPropertyNotUsable = "このﾌﾟﾛﾊﾟﾃｨは使用できません";
inline constexpr const char* kUndefinedObject = "未定義のｵﾌﾞｼﾞｪｸﾄです";
inline constexpr const char* kIndexRequired = "このｵﾌﾞｼﾞｪｸﾄを参照するには、ｲﾝﾃﾞｯｸｽ番号が必要です";
inline constexpr const char* kBadIndex = "不正なｲﾝﾃﾞｯｸｽ番号です";
inline constexpr const char* kIndexOutOfRange = "ｲﾝﾃﾞｯｸｽの値が範囲外です";
inline constexpr const char* kUndefinedMethod = "未定義のﾒｿｯﾄﾞです";
inline constexpr const char* kBadItemIndex = "項目ｲﾝﾃﾞｯｸｽが不正です";
inline constexpr const char* kNoIf = "Ifｽﾃｰﾄﾒﾝﾄがありません";
inline constexpr const char* kNoSelect = "Selectｽﾃｰﾄﾒﾝﾄがありません";
inline constexpr const char* kCaseOrEndSelectNeeded = "Case句、もしくはEnd Selectが必要です";
inline constexpr const char* kBadLabel = "不正なﾗﾍﾞﾙ名です";
inline constexpr const char* kLabelNotFound = "ﾗﾍﾞﾙが見つかりません";
// A SUB that calls itself, directly or through others, without end.
inline constexpr const char* kCallsTooDeep = "ﾌﾟﾛｼｰｼﾞｬの呼び出しが深すぎます";
// A failure below a statement that carries no text of its own.
inline constexpr const char* kRunTimeFailure = "実行時ｴﾗｰが発生しました";
}  // namespace msg

// A message box with the exclamation icon and the script-error title: the quoted text
// between apostrophes, a carriage return, then the message.
void scriptError(const std::string& quoted, const std::string& message);
// The same box with the message alone.
void scriptErrorAlone(const std::string& message);

}  // namespace pemo::script
