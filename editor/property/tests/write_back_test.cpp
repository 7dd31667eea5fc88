#include <functional>

#include "editor/property/tests/write_back_fixture.h"

namespace pemo::editor::property {
namespace {

const std::vector<std::string> kRefused = {kInvalidValueMessage};

TEST_F(WriteBackTest, NumbersGoInPixelsOnTheWindowAndInTwipsInsideAFrame) {
  ObjectRef frame = add(ObjectKind::Frame);
  ObjectRef inside = add(ObjectKind::Label, frame.index);
  ObjectRef onWindow = add(ObjectKind::Label);
  show(inside);
  type(row::Left, "20");
  EXPECT_EQ(object(inside).left, 300);
  type(row::Height, "2");
  EXPECT_EQ(object(inside).height, 30);
  EXPECT_TRUE(first.changed);

  show(onWindow);
  type(row::Left, "20");
  EXPECT_EQ(object(onWindow).left, 20);
  type(row::Width, "12abc");
  EXPECT_EQ(object(onWindow).width, 12);
  type(row::Width, "abc");
  EXPECT_EQ(object(onWindow).width, 0);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(windows.objectsShown.back(), onWindow);

  // A negative size and a place out of reach are refused: the row shows its old text
  // again and the menu is not marked.
  first.changed = false;
  type(row::Width, "7");
  first.changed = false;
  type(row::Width, "-5");
  EXPECT_EQ(object(onWindow).width, 7);
  EXPECT_EQ(rowText(row::Width), "7");
  type(row::Left, "1e9");
  EXPECT_EQ(object(onWindow).left, 20);
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(messages(), (std::vector<std::string>{kInvalidValueMessage, kInvalidValueMessage}));
  EXPECT_EQ(shown.shown.front().title, "PemoEdit");
}

TEST_F(WriteBackTest, ColoursReadTheirHexadecimalDigitsAndRefuseWhatIsNoColour) {
  ObjectRef label = add(ObjectKind::Label);
  ObjectRef radio = add(ObjectKind::Radio);
  show(label);
  type(row::ForeColor, "ff");
  EXPECT_EQ(object(label).foreColor, 0xFFu);
  type(row::ForeColor, "xyz");
  EXPECT_EQ(object(label).foreColor, 0u);
  EXPECT_TRUE(messages().empty());

  show(radio);
  type(row::BackColor, "80000005");
  EXPECT_EQ(object(radio).backColor, 0x80000005u);
  type(row::BackColor, "FFFFFFFFF");
  type(row::BackColor, "FF000000");
  EXPECT_EQ(object(radio).backColor, 0x80000005u);
  EXPECT_EQ(rowText(row::BackColor), "80000005");
  EXPECT_EQ(messages().size(), 2u);

  // The menu's own colour follows the same rules.
  show({ObjectKind::Menu, 0});
  type(row::BackColor, "C0C0C0");
  EXPECT_EQ(first.backColor, 0xC0C0C0u);
  type(row::BackColor, "FF000000");
  EXPECT_EQ(first.backColor, 0xC0C0C0u);
  EXPECT_EQ(windows.menusShown, 1);
}

TEST_F(WriteBackTest, AFontTextNeedsFiveFieldsAndIsTakenWholeOrNotAtAll) {
  ObjectRef button = add(ObjectKind::Button);
  object(button).font = {"Old", 9, true, false, false};
  show(button);
  type(row::Font, "Arial,12,True,False");
  EXPECT_EQ(object(button).font, (FontChoice{"Old", 9, true, false, false}));
  EXPECT_TRUE(messages().empty());
  // Ignored, and still a change the user made.
  EXPECT_TRUE(first.changed);

  first.changed = false;
  type(row::Font, "Arial,12,yes,False,False");
  type(row::Font, "Arial,0,True,False,False");
  // Sizes no font takes: one that draws nothing and one the file cannot even hold.
  type(row::Font, "Arial,1e30,True,False,False");
  type(row::Font, "Arial,1e308,True,False,False");
  type(row::Font, "Arial,2161,True,False,False");
  EXPECT_EQ(object(button).font, (FontChoice{"Old", 9, true, false, false}));
  EXPECT_EQ(rowText(row::Font), "Arial,12,True,False");
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(messages().size(), 5u);
  type(row::Font, "Arial,2160,True,False,False");
  EXPECT_EQ(object(button).font.size, 2160);

  type(row::Font, "Arial,12.5,false,1,TRUE");
  EXPECT_EQ(object(button).font, (FontChoice{"Arial", 12.5, false, true, true}));
}

TEST_F(WriteBackTest, LinksAndPicturesAreWrittenApartAndAPictureIsCheckedFirst) {
  const std::string bmp = picture("b.bmp", 40, 30);
  ObjectRef button = add(ObjectKind::PictureButton);
  object(button).link = "a.exe";
  object(button).picture = bmp;
  show(button);
  type(row::Link, "new.exe a,b");
  EXPECT_EQ(object(button).link, "new.exe a,b");
  EXPECT_EQ(object(button).picture, bmp);

  // A missing file and a file that is no picture change nothing.
  pemo::testing::writeFileBytes(dir / "notes.txt", "text");
  first.changed = false;
  type(row::Picture, fs::toWindowsPath((dir / "gone.bmp").string()));
  type(row::Picture, fs::toWindowsPath((dir / "notes.txt").string()));
  EXPECT_EQ(object(button).picture, bmp);
  EXPECT_EQ(rowText(row::Picture), bmp);
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(messages().size(), 2u);

  type(row::Picture, "");
  EXPECT_EQ(object(button).picture, "");
  EXPECT_EQ(object(button).link, "new.exe a,b");

  // An image's caption and picture are apart too; clearing the picture keeps the caption.
  ObjectRef image = add(ObjectKind::Image);
  object(image).caption = "tip";
  object(image).picture = bmp;
  object(image).stretch = true;
  show(image);
  type(row::Picture, "");
  EXPECT_EQ(object(image).picture, "");
  EXPECT_EQ(object(image).caption, "tip");
}

TEST_F(WriteBackTest, AnImageThatDoesNotStretchTakesItsPicturesSize) {
  const std::string bmp = picture("c.bmp", 64, 48);
  ObjectRef frame = add(ObjectKind::Frame);
  ObjectRef image = add(ObjectKind::Image);
  ObjectRef framed = add(ObjectKind::Image, frame.index);
  object(image).stretch = false;
  object(image).width = 5;
  object(framed).stretch = false;
  show(image);
  type(row::Picture, bmp);
  EXPECT_EQ(object(image).width, 64);
  EXPECT_EQ(object(image).height, 48);
  EXPECT_EQ(rowText(row::Width), "64");
  show(framed);
  type(row::Picture, bmp);
  EXPECT_EQ(object(framed).width, 64 * 15);
  EXPECT_EQ(rowText(row::Width), "64");

  // A stretching image keeps its size.
  object(image).stretch = true;
  object(image).width = 10;
  show(image);
  type(row::Picture, picture("d.bmp", 99, 99));
  EXPECT_EQ(object(image).width, 10);

  // A picture whose header claims a size beyond any place on the page is measured up to
  // the largest size an object takes, as a typed size would be.
  object(framed).stretch = false;
  show(framed);
  type(row::Picture, picture("huge.png", 100000, 40000));
  EXPECT_EQ(object(framed).width, 32767 * 15);
  EXPECT_EQ(object(framed).height, 32767 * 15);
  EXPECT_EQ(rowText(row::Width), "32767");
}

TEST_F(WriteBackTest, ACheckStateOutsideZeroToTwoIsRefused) {
  ObjectRef check = add(ObjectKind::CheckBox);
  ObjectRef radio = add(ObjectKind::Radio);
  show(check);
  type(row::Value, "3");
  EXPECT_EQ(object(check).value, 0);
  EXPECT_EQ(rowText(row::Value), "0");
  EXPECT_EQ(messages(), kRefused);
  type(row::Value, "1");
  EXPECT_EQ(object(check).value, 1);
  show(radio);
  type(row::Value, "-1");
  EXPECT_EQ(object(radio).value, 1);
  type(row::Value, "0");
  EXPECT_EQ(object(radio).value, 0);

  // A radio button set clears the others of its container only, shown anew; of several
  // set at once in one container the last stays set.
  ObjectRef frame = add(ObjectKind::Frame);
  ObjectRef other = add(ObjectKind::Radio);
  ObjectRef framed = add(ObjectKind::Radio, frame.index);
  object(radio).value = 1;
  object(framed).value = 1;
  show(other);
  windows.objectsShown.clear();
  type(row::Value, "-1");
  EXPECT_EQ(object(other).value, 1);
  EXPECT_EQ(object(radio).value, 0);
  EXPECT_EQ(object(framed).value, 1);
  EXPECT_EQ(windows.objectsShown, (std::vector<ObjectRef>{other, radio}));
  showSelection({radio, other}, 16);
  type(row::Value, "1");
  EXPECT_EQ(object(radio).value, 0);
  EXPECT_EQ(object(other).value, 1);
  showSelection({other, radio}, 16);
  windows.objectsShown.clear();
  type(row::Value, "1");
  EXPECT_EQ(windows.objectsShown, (std::vector<ObjectRef>{other, radio, radio, other}));
  EXPECT_EQ(object(radio).value, 1);
  EXPECT_EQ(object(other).value, 0);
  EXPECT_EQ(object(framed).value, 1);
}

TEST_F(WriteBackTest, ASelectionTakesTheValueInEveryObjectOrInNone) {
  ObjectRef b1 = add(ObjectKind::Button), b2 = add(ObjectKind::Button);
  ObjectRef image = add(ObjectKind::Image);
  object(b1).top = 5;
  object(b2).top = 50;
  showSelection({b1, b2, image}, 2 | 8);
  type(row::Top, "40");
  EXPECT_EQ(object(b1).top, 40);
  EXPECT_EQ(object(b2).top, 40);
  EXPECT_EQ(object(image).top, 40);
  EXPECT_EQ(windows.selectionsMoved, 1);
  EXPECT_TRUE(first.changed);

  // A height refused changes no object, also when a deleted one comes last.
  object(b1).height = 10;
  object(b2).height = 20;
  showSelection({b1, b2, image}, 2 | 8);
  first.deleteObject(image);
  first.changed = false;
  type(row::Height, "30");
  type(row::Height, "-1");
  EXPECT_EQ(object(b1).height, 10);
  EXPECT_EQ(object(b2).height, 20);
  EXPECT_EQ(rowText(row::Height), "");
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(messages(), (std::vector<std::string>{kInvalidValueMessage, kInvalidValueMessage}));

  // Picture buttons keep their own pictures when they take one link; the blanks around
  // a link given to many go.
  ObjectRef p1 = add(ObjectKind::PictureButton), p2 = add(ObjectKind::PictureButton);
  object(p1).picture = "one.bmp";
  object(p2).picture = "two.bmp";
  showSelection({p1, p2}, 4);
  type(row::Link, "  menu.fil ");
  EXPECT_EQ(object(p1).link, "menu.fil");
  EXPECT_EQ(object(p2).link, "menu.fil");
  EXPECT_EQ(object(p1).picture, "one.bmp");
  EXPECT_EQ(object(p2).picture, "two.bmp");

  // A picture missing for all leaves every one as it was.
  type(row::Picture, "gone.bmp");
  EXPECT_EQ(object(p1).picture, "one.bmp");

  ObjectRef c1 = add(ObjectKind::CheckBox), c2 = add(ObjectKind::CheckBox);
  showSelection({c1, c2}, 32);
  type(row::Value, "1");
  EXPECT_EQ(object(c1).value, 1);
  EXPECT_EQ(object(c2).value, 1);
  type(row::Value, "3");
  EXPECT_EQ(object(c1).value, 1);
}

TEST_F(WriteBackTest, ATargetThatIsGoneIsRefusedAndTheWindowOfTheGridIsWrittenAndMarked) {
  ObjectRef label = add(ObjectKind::Label);
  show(label);
  first.deleteObject(label);
  first.changed = false;
  type(row::Caption, "late");
  EXPECT_EQ(messages(), kRefused);
  EXPECT_EQ(rowText(row::Caption), "");
  EXPECT_FALSE(first.changed);

  // A title typed for the first menu is committed when the second becomes active.
  show({ObjectKind::Menu, 0}, 11);
  sheet.rowFocused(row::Caption);
  sheet.rowTyped(row::Caption, "First menu");
  show({ObjectKind::Menu, 0}, 12);
  EXPECT_EQ(first.caption, "First menu");
  EXPECT_EQ(second.caption, "MENU2");
  EXPECT_TRUE(first.changed);
  EXPECT_FALSE(second.changed);
}

// A message box takes the focus from the row it refuses, and the window under it may
// become active meanwhile.
struct FocusTakingMessages : ui::MessagePort {
  std::function<void()> meanwhile;
  int shown = 0;
  int show(const std::string&, int, const std::string&) override {
    ++shown;
    if (meanwhile) meanwhile();
    return ui::kOk;
  }
};

TEST_F(WriteBackTest, TheRefusalsMessageNeitherCommitsTheRowAgainNorReloadsUnderIt) {
  ObjectRef l1 = add(ObjectKind::Label), l2 = add(ObjectKind::Label);
  object(l1).width = 8;
  object(l2).caption = "second";
  object(l2).width = 3;
  FocusTakingMessages focusTaking;
  ui::ScopedMessagePort port(&focusTaking);
  show(l1);
  focusTaking.meanwhile = [this, l2] {
    sheet.rowLeft(row::Width);
    show(l2);
  };
  type(row::Width, "-4");
  EXPECT_EQ(focusTaking.shown, 1);
  EXPECT_EQ(object(l1).width, 8);
  EXPECT_FALSE(first.changed);
  // The reload asked for meanwhile comes after the commit.
  EXPECT_EQ(sheet.grid().target.object, l2);
  EXPECT_EQ(rowText(row::Caption), "second");
  EXPECT_EQ(rowText(row::Width), "3");
}

}  // namespace
}  // namespace pemo::editor::property
