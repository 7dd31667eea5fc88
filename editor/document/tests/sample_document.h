#pragma once
// A document with every kind of object, objects in frames at fractional positions,
// Japanese texts, commas and "=" in values, holes, and a script.
#include "editor/document/menu_document.h"
#include "editor/document/script_work_file.h"

namespace pemo::editor {

inline void fillSampleDocument(MenuDocument& d, const std::filesystem::path& workFolder) {
  d.caption = "売上メニュー, 2026=年度";
  d.backColor = 0x80000005;
  d.unloadMode = 1;
  d.tilingImage = "C:\\画像\\tile.bmp";
  ObjectRef frame1 = d.addObject(ObjectKind::Frame);
  ObjectRef frame2 = d.addObject(ObjectKind::Frame);
  ObjectRef frame3 = d.addObject(ObjectKind::Frame);
  d.find(frame1)->caption = "消える枠";
  MenuObject& f3 = *d.find(frame3);
  f3.caption = "集計", f3.left = 300, f3.top = 10, f3.width = 250, f3.height = 200;
  f3.font = {"ＭＳ 明朝", 10.5, true, false, true};
  d.find(frame2)->backColor = 0xC0FFC0;

  for (int i = 0; i < 3; ++i) d.addObject(ObjectKind::Label, i == 2 ? frame3.index : 0);
  MenuObject& l1 = d.objects(ObjectKind::Label).at(1);
  l1.caption = "月次, 週次 = 日次", l1.link = "C:\\MENU\\月次.FIL", l1.labelStyle = "3";
  l1.onCursorColor = "00FF00", l1.left = 12, l1.top = 7, l1.width = 120, l1.height = 18;
  l1.foreColor = 0xFF;
  MenuObject& l3 = d.objects(ObjectKind::Label).at(3);
  l3.caption = "枠の中", l3.left = 1000, l3.top = 22.5, l3.width = 7, l3.height = 241;
  d.deleteObject({ObjectKind::Label, 2});

  MenuObject& b = *d.find(d.addObject(ObjectKind::Button, frame2.index));
  b.caption = "実行 (&R)", b.link = "prog.exe /a=b,c", b.linkStyle = 5, b.left = 15.5, b.top = 31;
  MenuObject& pb = *d.find(d.addObject(ObjectKind::PictureButton));
  pb.caption = "絵", pb.link = "a.exe,x", pb.picture = "b.bmp,c", pb.linkStyle = 2;
  pb.font.size = 14.25;
  MenuObject& img = *d.find(d.addObject(ObjectKind::Image, frame3.index));
  img.caption = "ヒント=説明", img.picture = "写真.jpg", img.stretch = true, img.linkStyle = 4;
  img.left = 3, img.top = 4;
  d.addObject(ObjectKind::Image);
  MenuObject& r = *d.find(d.addObject(ObjectKind::Radio, frame3.index));
  r.caption = "はい", r.value = 1, r.backColor = 0x8000000F, r.foreColor = 0x80000012;
  MenuObject& c = *d.find(d.addObject(ObjectKind::CheckBox));
  c.caption = "確認", c.value = 2, c.font.italic = true;
  MenuObject& cb = *d.find(d.addObject(ObjectKind::ComboBox, frame3.index));
  cb.left = 45, cb.top = 60, cb.width = 1500, cb.foreColor = 0x123456;
  d.deleteObject(frame1);

  d.scriptWorkFile = *createScriptWorkFile(workFolder, "SAMPLE.WSC",
                                    {"SUB BUTTON1_CLICK()", "  MSG \"売上, 完了=OK\"", "",
                                     "\tEND SUB", "' BEGIN LABEL in a comment"});
}

}  // namespace pemo::editor
