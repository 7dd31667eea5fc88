#include "support/common/width_table.h"

#include "platform/text/cp932.h"

namespace pemo::support {
namespace {

// Earlier entries win where two give the same key, so a blank always pairs with the
// full-width blank.
const std::vector<AlphanumericPair> kAlphanumeric = {
    {"ａ", "a"}, {"ｂ", "b"}, {"ｃ", "c"}, {"ｄ", "d"}, {"ｅ", "e"}, {"ｆ", "f"}, {"ｇ", "g"},
    {"ｈ", "h"}, {"ｉ", "i"}, {"ｊ", "j"}, {"ｋ", "k"}, {"ｌ", "l"}, {"ｍ", "m"}, {"ｎ", "n"},
    {"ｏ", "o"}, {"ｐ", "p"}, {"ｑ", "q"}, {"ｒ", "r"}, {"ｓ", "s"}, {"ｔ", "t"}, {"ｕ", "u"},
    {"ｖ", "v"}, {"ｗ", "w"}, {"ｘ", "x"}, {"ｙ", "y"}, {"ｚ", "z"}, {"Ａ", "A"}, {"Ｂ", "B"},
    {"Ｃ", "C"}, {"Ｄ", "D"}, {"Ｅ", "E"}, {"Ｆ", "F"}, {"Ｇ", "G"}, {"Ｈ", "H"}, {"Ｉ", "I"},
    {"Ｊ", "J"}, {"Ｋ", "K"}, {"Ｌ", "L"}, {"Ｍ", "M"}, {"Ｎ", "N"}, {"Ｏ", "O"}, {"Ｐ", "P"},
    {"Ｑ", "Q"}, {"Ｒ", "R"}, {"Ｓ", "S"}, {"Ｔ", "T"}, {"Ｕ", "U"}, {"Ｖ", "V"}, {"Ｗ", "W"},
    {"Ｘ", "X"}, {"Ｙ", "Y"}, {"Ｚ", "Z"}, {"　", " "}, {"０", "0"}, {"１", "1"}, {"２", "2"},
    {"３", "3"}, {"４", "4"}, {"５", "5"}, {"６", "6"}, {"７", "7"}, {"８", "8"}, {"９", "9"},
    {"．", "."}, {"，", ","}, {"－", "-"}, {"／", "/"}, {"＊", "*"}, {"＋", "+"}, {"＝", "="},
    {"！", "!"}, {"”", "\""}, {"＃", "#"}, {"＄", "$"}, {"％", "%"}, {"＆", "&"}, {"’", "'"},
    {"‘", "`"}, {"｜", "|"}, {"＾", "^"}, {"￥", "\\"}, {"＠", "@"}, {"［", "["}, {"］", "]"},
    {"｛", "{"}, {"｝", "}"}, {"（", "("}, {"）", ")"}, {"＜", "<"}, {"＞", ">"}, {"；", ";"},
    {"：", ":"},
};

const std::vector<KanaCell> kKana = {
    {"あ", "ア", "ｱ"}, {"い", "イ", "ｲ"}, {"う", "ウ", "ｳ"}, {"え", "エ", "ｴ"}, {"お", "オ", "ｵ"},
    {"か", "カ", "ｶ"}, {"き", "キ", "ｷ"}, {"く", "ク", "ｸ"}, {"け", "ケ", "ｹ"}, {"こ", "コ", "ｺ"},
    {"さ", "サ", "ｻ"}, {"し", "シ", "ｼ"}, {"す", "ス", "ｽ"}, {"せ", "セ", "ｾ"}, {"そ", "ソ", "ｿ"},
    {"た", "タ", "ﾀ"}, {"ち", "チ", "ﾁ"}, {"つ", "ツ", "ﾂ"}, {"て", "テ", "ﾃ"}, {"と", "ト", "ﾄ"},
    {"な", "ナ", "ﾅ"}, {"に", "ニ", "ﾆ"}, {"ぬ", "ヌ", "ﾇ"}, {"ね", "ネ", "ﾈ"}, {"の", "ノ", "ﾉ"},
    {"は", "ハ", "ﾊ"}, {"ひ", "ヒ", "ﾋ"}, {"ふ", "フ", "ﾌ"}, {"へ", "ヘ", "ﾍ"}, {"ほ", "ホ", "ﾎ"},
    {"ま", "マ", "ﾏ"}, {"み", "ミ", "ﾐ"}, {"む", "ム", "ﾑ"}, {"め", "メ", "ﾒ"}, {"も", "モ", "ﾓ"},
    {"や", "ヤ", "ﾔ"}, {"ゆ", "ユ", "ﾕ"}, {"よ", "ヨ", "ﾖ"},
    {"ら", "ラ", "ﾗ"}, {"り", "リ", "ﾘ"}, {"る", "ル", "ﾙ"}, {"れ", "レ", "ﾚ"}, {"ろ", "ロ", "ﾛ"},
    {"わ", "ワ", "ﾜ"}, {"を", "ヲ", "ｦ"}, {"ん", "ン", "ﾝ"},
    {"が", "ガ", "ｶﾞ"}, {"ぎ", "ギ", "ｷﾞ"}, {"ぐ", "グ", "ｸﾞ"}, {"げ", "ゲ", "ｹﾞ"}, {"ご", "ゴ", "ｺﾞ"},
    {"ざ", "ザ", "ｻﾞ"}, {"じ", "ジ", "ｼﾞ"}, {"ず", "ズ", "ｽﾞ"}, {"ぜ", "ゼ", "ｾﾞ"}, {"ぞ", "ゾ", "ｿﾞ"},
    {"だ", "ダ", "ﾀﾞ"}, {"ぢ", "ヂ", "ﾁﾞ"}, {"づ", "ヅ", "ﾂﾞ"}, {"で", "デ", "ﾃﾞ"}, {"ど", "ド", "ﾄﾞ"},
    {"ば", "バ", "ﾊﾞ"}, {"び", "ビ", "ﾋﾞ"}, {"ぶ", "ブ", "ﾌﾞ"}, {"べ", "ベ", "ﾍﾞ"}, {"ぼ", "ボ", "ﾎﾞ"},
    {"ぱ", "パ", "ﾊﾟ"}, {"ぴ", "ピ", "ﾋﾟ"}, {"ぷ", "プ", "ﾌﾟ"}, {"ぺ", "ペ", "ﾍﾟ"}, {"ぽ", "ポ", "ﾎﾟ"},
    {"ゃ", "ャ", "ｬ"}, {"ゅ", "ュ", "ｭ"}, {"ょ", "ョ", "ｮ"}, {"ー", "ー", "ｰ"},
    {"ぁ", "ァ", "ｧ"}, {"ぃ", "ィ", "ｨ"}, {"ぅ", "ゥ", "ｩ"}, {"ぇ", "ェ", "ｪ"}, {"ぉ", "ォ", "ｫ"},
    {"ゐ", "ヰ", "ｲ"}, {"ゑ", "ヱ", "ｴ"}, {"", "ヴ", "ｳﾞ"},
};

}  // namespace

WidthTable::WidthTable(const std::vector<AlphanumericPair>& extraPairs,
                       const std::vector<KanaCell>& extraKana) {
  for (const auto& pair : kAlphanumeric) addPair(pair.full, pair.half);
  for (const auto& pair : extraPairs) addPair(pair.full, pair.half);
  for (const auto& cell : kKana) addKana(cell);
  for (const auto& cell : extraKana) addKana(cell);
}

void WidthTable::addPair(std::string_view fullUtf8, std::string_view halfUtf8) {
  std::string full = text::utf8ToCp932(fullUtf8);
  std::string half = text::utf8ToCp932(halfUtf8);
  fullForms_.emplace(half, full);
  halfForms_.emplace(full, half);
}

void WidthTable::addKana(const KanaCell& cell) {
  std::string half = text::utf8ToCp932(cell.half);
  // Half-width kana become hiragana; a kana without a hiragana form becomes katakana.
  std::string_view full = cell.hiragana.empty() ? cell.katakana : cell.hiragana;
  fullForms_.emplace(half, text::utf8ToCp932(full));
  if (!cell.hiragana.empty()) halfForms_.emplace(text::utf8ToCp932(cell.hiragana), half);
  halfForms_.emplace(text::utf8ToCp932(cell.katakana), half);
}

std::string_view WidthTable::fullFormAt(std::string_view text, size_t& consumed) const {
  consumed = 1;
  if (text.empty()) return {};
  constexpr unsigned char kVoicedMark = 0xDE, kSemiVoicedMark = 0xDF;
  if (text.size() > 1) {
    auto mark = static_cast<unsigned char>(text[1]);
    if (mark == kVoicedMark || mark == kSemiVoicedMark) {
      auto found = fullForms_.find(std::string(text.substr(0, 2)));
      if (found != fullForms_.end()) {
        consumed = 2;
        return found->second;
      }
      // A kana with a mark it cannot take is left as it is, mark and all.
      if (static_cast<unsigned char>(text[0]) >= 0xA1) return {};
    }
  }
  auto found = fullForms_.find(std::string(text.substr(0, 1)));
  return found == fullForms_.end() ? std::string_view{} : std::string_view(found->second);
}

std::string_view WidthTable::halfFormOf(std::string_view doubleByte) const {
  auto found = halfForms_.find(std::string(doubleByte));
  return found == halfForms_.end() ? std::string_view{} : std::string_view(found->second);
}

}  // namespace pemo::support
