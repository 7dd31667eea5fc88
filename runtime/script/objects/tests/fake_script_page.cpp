#include "runtime/script/objects/tests/fake_script_page.h"

namespace pemo::script::testing {

FakeElement& FakeScriptPage::add(ObjectKind kind, int index) { return elements[{kind, index}]; }

int FakeScriptPage::upperBound(ObjectKind kind) const {
  int last = 0;
  for (const auto& [key, element] : elements)
    if (key.first == kind) last = std::max(last, key.second);
  return last;
}

bool FakeScriptPage::setPicture(ObjectKind kind, int index, const std::string& path) {
  if (!pictures.count(path)) return false;
  at(kind, index).picture = path;
  return true;
}

void FakeScriptPage::setValue(ObjectKind kind, int index, int value) {
  FakeElement& element = at(kind, index);
  if (kind == ObjectKind::Radio && value != 0) {
    for (auto& [key, other] : elements)
      if (key.first == ObjectKind::Radio && other.frame == element.frame) other.value = 0;
  }
  element.value = value;
}

void FakeScriptPage::insertItem(int i, const std::string& item, int position) {
  auto& items = at(ObjectKind::ComboBox, i).items;
  items.insert(items.begin() + position, item);
}

ObjectsFixture::ObjectsFixture() = default;

std::vector<std::string> ObjectsFixture::run(const std::vector<std::string>& body, int index) {
  std::vector<std::string> lines = {"SUB LABEL_CLICK()"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("END SUB");
  files.files["C:\\MENU\\A.FIL"] = storedLines(lines);
  engine.loadScript({"C:\\MENU\\A.FIL", 1, {}});
  statements.trace.clear();
  engine.fireScriptEvent(menufile::ObjectKind::Label, index, menufile::ScriptEvent::Click);
  return statements.trace;
}

std::vector<std::string> ObjectsFixture::errors() const { return scriptErrorTexts(messageBoxes); }

}  // namespace pemo::script::testing
