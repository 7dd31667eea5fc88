#include "editor/property/object_list.h"

namespace pemo::editor::property {

namespace {

// The word an entry names its kind by, and whether it shows the object's caption.
struct KindWord {
  const char* word;
  bool showsCaption;
};

KindWord kindWord(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Label: return {"Label", true};
    case ObjectKind::Button: return {"Button", true};
    case ObjectKind::PictureButton: return {"PictureButton", true};
    case ObjectKind::Image: return {"Image", false};
    case ObjectKind::Radio: return {"RadioButton", true};
    case ObjectKind::CheckBox: return {"CheckBox", true};
    case ObjectKind::Frame: return {"Frame", true};
    default: return {"ComboBox", false};
  }
}

std::string entryText(const MenuObject& object, int index) {
  KindWord kind = kindWord(object.kind);
  std::string text = std::string(kind.word) + "(" + std::to_string(index) + ")";
  if (!kind.showsCaption) return text;
  return (object.caption.empty() ? std::string("(無題)") : object.caption) + "    " + text;
}

}  // namespace

int ObjectList::position(ObjectRef object) const {
  for (int i = static_cast<int>(table.size()) - 1; i >= 0; --i)
    if (table[i] == object) return i;
  return -1;
}

ObjectList buildObjectList(const MenuDocument& document) {
  ObjectList list;
  list.entries.push_back(document.caption + " Menu");
  list.table.push_back({ObjectKind::Menu, 0});
  for (ObjectKind kind : kDocumentKinds) {
    const ControlArray& objects = document.objects(kind);
    for (int i = 1; i <= objects.upperBound(); ++i) {
      const MenuObject* object = objects.find(i);
      if (!object) continue;
      list.entries.push_back(entryText(*object, i));
      list.table.push_back({kind, i});
    }
  }
  return list;
}

}  // namespace pemo::editor::property
