#include <gtest/gtest.h>

#include "editor/property/object_list.h"

namespace pemo::editor::property {
namespace {

TEST(ObjectList, ListsTheMenuThenEveryObjectKindByKindAndSkipsHoles) {
  MenuDocument document;
  document.caption = "MENU1";
  for (int i = 0; i < 3; ++i) document.addObject(ObjectKind::Label);
  document.deleteObject({ObjectKind::Label, 2});
  document.objects(ObjectKind::Label).at(3).caption = "Start";
  for (int i = 0; i < 3; ++i) document.addObject(ObjectKind::Image);
  document.deleteObject({ObjectKind::Image, 1});
  document.objects(ObjectKind::Image).at(2).caption = "tip";  // an image shows no caption
  for (int i = 0; i < 2; ++i) document.addObject(ObjectKind::ComboBox);
  document.deleteObject({ObjectKind::ComboBox, 1});
  document.addObject(ObjectKind::Frame);
  document.addObject(ObjectKind::Button);

  ObjectList list = buildObjectList(document);
  EXPECT_EQ(list.entries, (std::vector<std::string>{
                              "MENU1 Menu", "(無題)    Label(1)", "Start    Label(3)",
                              "(無題)    Button(1)", "Image(2)", "Image(3)",
                              "(無題)    Frame(1)", "ComboBox(2)"}));
  EXPECT_EQ(list.table, (std::vector<ObjectRef>{{ObjectKind::Menu, 0},
                                                {ObjectKind::Label, 1},
                                                {ObjectKind::Label, 3},
                                                {ObjectKind::Button, 1},
                                                {ObjectKind::Image, 2},
                                                {ObjectKind::Image, 3},
                                                {ObjectKind::Frame, 1},
                                                {ObjectKind::ComboBox, 2}}));
  EXPECT_EQ(list.position({ObjectKind::Label, 3}), 2);
  EXPECT_EQ(list.position({ObjectKind::Label, 2}), -1);
  EXPECT_EQ(list.position({ObjectKind::Multiple, -1}), -1);
}

TEST(ObjectList, NamesEveryKindWithItsOwnWord) {
  MenuDocument document;
  for (ObjectKind kind : kDocumentKinds) document.objects(kind).load(7).caption = "A";
  ObjectList list = buildObjectList(document);
  EXPECT_EQ(list.entries, (std::vector<std::string>{
                              " Menu", "A    Label(7)", "A    Button(7)", "A    PictureButton(7)",
                              "Image(7)", "A    RadioButton(7)", "A    CheckBox(7)",
                              "A    Frame(7)", "ComboBox(7)"}));
}

}  // namespace
}  // namespace pemo::editor::property
