#pragma once
// The messages of the statements and functions that act outside the page.
namespace pemo::script::msg {

inline constexpr const char* kWrongArgumentCount = "引数の数が違います";
inline constexpr const char* kExecuteFailed = "実行に失敗しました";
inline constexpr const char* kCopyFailed = "ﾌｧｲﾙのｺﾋﾟｰに失敗しました";
inline constexpr const char* kDeleteFailed = "ﾌｧｲﾙを削除できません";
inline constexpr const char* kRegistryKeyNotOpened = "ﾚｼﾞｽﾄﾘｷｰを開けません";
// A registry value that was not stored (a type the registry does not take, a refused write).
inline constexpr const char* kRegistryValueNotWritten = "ﾚｼﾞｽﾄﾘに書き込めません";
inline constexpr const char* kFolderNotChanged = "ｶﾚﾝﾄﾌｫﾙﾀﾞを変更できません";
inline constexpr const char* kDriveNotChanged = "ｶﾚﾝﾄﾄﾞﾗｲﾌﾞを変更できません";
inline constexpr const char* kOutputFailed = "Output ﾌｧｲﾙを開けないか、書き込みできません";
inline constexpr const char* kAppendFailed = "Append ﾌｧｲﾙを開けないか、書き込みできません";
inline constexpr const char* kFunctionNotDefined = "この関数は定義されていません";
// An INI value that could not be written (no such folder or drive, no permission).
inline constexpr const char* kIniNotWritten = "INIﾌｧｲﾙに書き込めません";

}  // namespace pemo::script::msg
