#include "editor/document/object_look.h"

#include <gtest/gtest.h>

#include "platform/fs/windows_path.h"
#include "platform/testing/temp_dir.h"

namespace pemo::editor {
namespace {

TEST(ObjectLook, DesignedObjectsLookAsTheRuntimeShowsThem) {
  MenuObject check = templateObject(ObjectKind::CheckBox);
  check.frame = 1;  // inside a frame: twips
  check.left = 300, check.top = 150, check.width = 1500, check.height = 300;
  check.backColor = 0xFFFFFF;
  check.foreColor = 0xFF;
  check.value = 2;
  check.visible = true;
  ui::ControlLook look = lookOf(check);
  EXPECT_EQ(look.kind, ui::ControlKind::CheckBox);
  EXPECT_DOUBLE_EQ(look.geometry.left, 20);
  EXPECT_DOUBLE_EQ(look.geometry.top, 10);
  EXPECT_DOUBLE_EQ(look.geometry.width, 100);
  EXPECT_DOUBLE_EQ(look.geometry.height, 20);
  EXPECT_EQ(look.backColor, 0xFFFFFFu);
  EXPECT_EQ(look.foreColor, 0xFFu);
  EXPECT_EQ(look.state, 2);
  EXPECT_TRUE(look.visible && look.enabled);

  // A button has no colour keys: it keeps its control's colours, whatever the object holds.
  MenuObject button = templateObject(ObjectKind::Button);
  button.left = 30;
  look = lookOf(button);
  EXPECT_DOUBLE_EQ(look.geometry.left, 30) << "on the page: pixels";
  EXPECT_FALSE(look.foreColor);
  EXPECT_FALSE(look.backColor);

  // A picture is the host file it names, or none.
  pemo::testing::TempDir dir;
  pemo::testing::writeFileBytes(dir / "p.bmp", "BM");
  MenuObject picture = templateObject(ObjectKind::PictureButton);
  picture.picture = " " + fs::toWindowsPath((dir / "p.bmp").string());
  EXPECT_EQ(lookOf(picture).picture, (dir / "p.bmp").string());
  picture.picture = fs::toWindowsPath((dir / "none.bmp").string());
  EXPECT_EQ(lookOf(picture).picture, "");
}

}  // namespace
}  // namespace pemo::editor
