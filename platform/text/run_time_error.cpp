#include "platform/text/run_time_error.h"

namespace pemo::text {

std::string errorText(int32_t number) {
  switch (number) {
    case kErrInvalidCall: return "プロシージャの呼び出し、または引数が不正です。";
    case kErrOverflow: return "オーバーフローしました。";
    case kErrOutOfMemory: return "メモリが不足しています。";
    case kErrSubscriptOutOfRange: return "インデックスが有効範囲にありません。";
    case kErrTypeMismatch: return "型が一致しません。";
    case kErrDllLoad: return "DLL 読み込み時のエラーです。";
    case kErrFileNotFound: return "ファイルが見つかりません。";
    case kErrInvalidUseOfNull: return "Null の使い方が不正です。";
    case kErrDllEntryNotFound: return "DLL 内のエントリ ポイントが見つかりません。";
    default: return {};
  }
}

RunTimeError::RunTimeError(int32_t number) : RunTimeError(number, errorText(number)) {}

RunTimeError::RunTimeError(int32_t number, const std::string& text)
    : std::runtime_error(text), number_(number) {}

}  // namespace pemo::text
