#include <gtest/gtest.h>

#include <filesystem>

#include "kovan/kovan.h"
#include "kovan/zebric_binding.h"
#include "platform/testing/temp_dir.h"

namespace pemo::kovan {
namespace {

TEST(NumberMethods, BinaryDigitTexts) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.ChangeBinToDec("1010"), 10);
  EXPECT_EQ(k.ChangeBinToDec("1021"), 9);
  EXPECT_EQ(k.ChangeBinToDec(""), 0);
  EXPECT_EQ(k.ChangeBinToDec("1 1"), 5);
  EXPECT_EQ(k.ChangeBinToDec("１1"), 1);  // a full-width digit is one place, worth nothing
  EXPECT_EQ(k.ChangeBinToDec(std::string(2000, '1')), 0);  // beyond a Double

  EXPECT_EQ(k.ChangeDecToBin(int16_t{5}), "101");
  EXPECT_EQ(k.ChangeDecToBin(6.9), "110");
  EXPECT_EQ(k.ChangeDecToBin(int32_t{0}), "0");
  EXPECT_EQ(k.ChangeDecToBin(Variant()), "");
  EXPECT_EQ(k.ChangeDecToBin(Variant::null()), "");
  EXPECT_EQ(k.ChangeDecToBin(uint8_t{5}), "");
  EXPECT_EQ(k.ChangeDecToBin("12abc"), "1100");
  EXPECT_EQ(k.ChangeDecToBin(true), "0");  // "True" reads as no number
  EXPECT_EQ(k.ChangeDecToBin(int32_t{-3}), "1");
  EXPECT_EQ(k.ChangeDecToBin(int32_t{-2}), "0");
  EXPECT_EQ(k.ChangeDecToBin(int32_t{65535}), std::string(16, '1'));
  EXPECT_THROW(k.ChangeDecToBin("1e400"), KovanError);
}

TEST(NumberMethods, HexadecimalTexts) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.ChangeHexToDec("1F"), 31);
  EXPECT_EQ(k.ChangeHexToDec("ff"), 255);
  EXPECT_EQ(k.ChangeHexToDec("&HFF"), 255);
  EXPECT_EQ(k.ChangeHexToDec(int16_t{10}), 16);
  EXPECT_EQ(k.ChangeHexToDec(Variant::null()), -1);
  EXPECT_EQ(k.ChangeHexToDec(Variant()), -1);
  EXPECT_EQ(k.ChangeHexToDec(true), -1);
  EXPECT_EQ(k.ChangeHexToDec("G1"), 1);
  EXPECT_EQ(k.ChangeHexToDec("80000005"), 2147483653.0);
  EXPECT_EQ(k.ChangeHexToDec(std::string(400, 'F')), 0);  // beyond a Double

  ByteArray bytes{0x0A, 0xFF, 0x00};
  EXPECT_EQ(k.ChangeByteToHex(bytes, 0, 2), "0AFF");
  EXPECT_EQ(k.ChangeByteToHex(bytes, 0, 2, Variant()), "&H0AFF");
  EXPECT_EQ(k.ChangeByteToHex(bytes, 1, 2), "FF00");
  EXPECT_EQ(k.ChangeByteToHex(bytes, 0, 0), "");
  EXPECT_EQ(k.ChangeByteToHex(bytes, 0, -1, int16_t{0}), "&H");
  EXPECT_EQ(k.ChangeByteToHex(bytes, 2, 5), "");  // past the end
  ByteArray fromFive(5, 6);
  fromFive[5] = 0x1;
  fromFive[6] = 0xAB;
  EXPECT_EQ(k.ChangeByteToHex(fromFive, 5, 2), "01AB");
  EXPECT_EQ(k.ChangeByteToHex(fromFive, 0, 1), "");
  EXPECT_EQ(k.ChangeByteToHex(ByteArray(), 0, 1), "");
}

TEST(NumberMethods, EraYears) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.ChangeYear(39, 10), 1998);
  EXPECT_EQ(k.ChangeYear(36, 1), 1868);
  EXPECT_EQ(k.ChangeYear(1, 1), 1615);
  EXPECT_EQ(k.ChangeYear(37, 45), 1956);
  EXPECT_EQ(k.ChangeYear(38, 64), 1989);
  EXPECT_EQ(k.ChangeYear(39, 0), 1988);  // the year is not checked
  EXPECT_EQ(k.ChangeYear(0, 1), -9999);
  EXPECT_EQ(k.ChangeYear(40, 1), -9999);
  EXPECT_EQ(k.ChangeYear(-1, 1), -9999);
  EXPECT_THROW(k.ChangeYear(39, 32000), KovanError);
}

TEST(NumberMethods, CalculationKeepsToTheExpressionLength) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.fCalc("1+2", 0, 1), 3);
  EXPECT_DOUBLE_EQ(k.fCalc("1/3", 5, 1), 0.3);  // "0.33333" cut to the three bytes of "1/3"
  EXPECT_DOUBLE_EQ(k.fCalc("1/3     ", 5, 1), 0.33333);
  EXPECT_DOUBLE_EQ(k.fCalc("2/3     ", 2, 2), 0.67);
  EXPECT_DOUBLE_EQ(k.fCalc("2/3     ", 2, 1), 0.66);
  EXPECT_EQ(k.fCalc("１＋２", 0, 1), 3);  // full-width input
  EXPECT_EQ(k.fCalc("", 0, 1), 0);
  EXPECT_EQ(k.fCalc(std::string(6000, '1'), 0, 1), k.fCalc(std::string(5120, '1'), 0, 1));
}

TEST(ZebricBinding, AFailedBindIsTriedAgainAtTheNextCall) {
  pemo::testing::TempDir folder;
  ZebricBinding binding(folder.path().string());
  try {
    binding.keisan();
    FAIL() << "bound without a library";
  } catch (const KovanError& error) {
    EXPECT_EQ(error.number(), kErrDllLoad);
  }
  std::filesystem::copy_file(std::filesystem::path(kovanLibraryFolder()) / "libzebric.so",
                             folder / "libzebric.so");
  const KeisanFunction keisan = binding.keisan();
  ASSERT_NE(keisan, nullptr);
  char buffer[] = "2*3  ";
  keisan(buffer, 0, 1);
  EXPECT_STREQ(buffer, "6");

  pemo::testing::TempDir wrong;
  std::filesystem::copy_file(std::filesystem::path(kovanLibraryFolder()) / "libkovanc.so",
                             wrong / "libzebric.so");
  try {
    ZebricBinding(wrong.path().string()).keisan();
    FAIL() << "bound a library without Keisan";
  } catch (const KovanError& error) {
    EXPECT_EQ(error.number(), kErrDllEntryNotFound);
  }
}

}  // namespace
}  // namespace pemo::kovan
