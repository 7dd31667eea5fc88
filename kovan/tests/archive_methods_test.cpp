#include <gtest/gtest.h>

#include "kovan/kovan.h"
#include "platform/testing/temp_dir.h"

namespace pemo::kovan {
namespace {

TEST(OperateUNLHA32, HandsBackTheArchiverResultCode) {
  KOVAN& k = KovanObject();
  pemo::testing::TempDir dir;
  // An archive holding nothing but its end mark.
  pemo::testing::writeFileBytes(dir / "empty.lzh", std::string(1, '\0'));
  const Variant listed = k.OperateUNLHA32(0, "l " + (dir / "empty.lzh").string());
  EXPECT_EQ(listed.type(), Variant::Type::Integer);
  EXPECT_EQ(listed.numberValue(), 0);
  EXPECT_NE(k.OperateUNLHA32(0, "l " + (dir / "missing.lzh").string()).numberValue(), 0);
  EXPECT_NE(k.OperateUNLHA32(0, "a new.lzh x.txt").numberValue(), 0);
}

}  // namespace
}  // namespace pemo::kovan
