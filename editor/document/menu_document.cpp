#include "editor/document/menu_document.h"

#include <algorithm>
#include <stdexcept>

namespace pemo::editor {

MenuDocument::MenuDocument() {
  for (ObjectKind kind : kDocumentKinds) arrays_.emplace_back(kind);
}

ControlArray& MenuDocument::objects(ObjectKind kind) {
  for (auto& array : arrays_)
    if (array.kind() == kind) return array;
  throw std::invalid_argument("no control array for this kind");
}

const ControlArray& MenuDocument::objects(ObjectKind kind) const {
  return const_cast<MenuDocument*>(this)->objects(kind);
}

MenuObject* MenuDocument::find(ObjectRef ref) {
  for (auto& array : arrays_)
    if (array.kind() == ref.kind) return array.find(ref.index);
  return nullptr;
}

const MenuObject* MenuDocument::find(ObjectRef ref) const {
  return const_cast<MenuDocument*>(this)->find(ref);
}

int MenuDocument::frameFileNumber(int frameIndex) const {
  const ControlArray& frames = objects(ObjectKind::Frame);
  if (!frames.isLoaded(frameIndex)) return 0;
  int number = 0;
  for (int i = 1; i <= frameIndex; ++i) number += frames.isLoaded(i) ? 1 : 0;
  return number;
}

int MenuDocument::frameIndexOfFileNumber(int fileNumber) const {
  const std::vector<int> frames = framesInFileOrder();
  return fileNumber > 0 && fileNumber <= static_cast<int>(frames.size()) ? frames[fileNumber - 1] : 0;
}

std::vector<int> MenuDocument::framesInFileOrder() const {
  const ControlArray& frames = objects(ObjectKind::Frame);
  std::vector<int> indexes;
  for (int i = 1; i <= frames.upperBound(); ++i)
    if (frames.isLoaded(i)) indexes.push_back(i);
  return indexes;
}

namespace {

// The kinds whose new objects fill the holes that deleted ones left.
bool reusesHoles(ObjectKind kind) {
  return kind == ObjectKind::Label || kind == ObjectKind::Button || kind == ObjectKind::PictureButton;
}

}  // namespace

ObjectRef MenuDocument::addObject(ObjectKind kind, int frameIndex) {
  ControlArray& array = objects(kind);
  ObjectRef ref{kind, reusesHoles(kind) ? array.firstFreeIndex() : array.upperBound() + 1};
  if (ref.index > menufile::kLargestElement) return {kind, 0};
  MenuObject& object = array.load(ref.index);
  object.left = 0;
  object.top = 0;
  bool inFrame = kind != ObjectKind::Frame && objects(ObjectKind::Frame).isLoaded(frameIndex);
  object.frame = inFrame ? frameIndex : 0;
  object.visible = true;
  if (kind == ObjectKind::Image)
    sendToBack(ref);
  else
    bringToFront(ref);
  changed = true;
  return ref;
}

ObjectRef MenuDocument::appendObject(ObjectKind kind) {
  ControlArray& array = objects(kind);
  ObjectRef ref{kind, array.upperBound() + 1};
  if (ref.index > menufile::kLargestElement) return {kind, 0};
  array.load(ref.index);
  return ref;
}

void MenuDocument::deleteObject(ObjectRef ref) {
  if (!find(ref)) return;
  if (ref.kind == ObjectKind::Frame) {
    for (auto& array : arrays_)
      for (int i = 1; i <= array.upperBound(); ++i)
        if (array.kind() != ObjectKind::Frame && array.isLoaded(i) &&
            array.at(i).frame == ref.index)
          deleteObject({array.kind(), i});
  }
  removeFromStacking(ref);
  objects(ref.kind).unload(ref.index);
  changed = true;
}

std::vector<ObjectRef> MenuDocument::stacking() const { return {stacking_.begin(), stacking_.end()}; }

std::uint64_t MenuDocument::stackingKey(ObjectRef ref) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ref.kind)) << 32) |
         static_cast<std::uint32_t>(ref.index);
}

void MenuDocument::removeFromStacking(ObjectRef ref) {
  auto place = stackingPlaces_.find(stackingKey(ref));
  if (place == stackingPlaces_.end()) return;
  stacking_.erase(place->second);
  stackingPlaces_.erase(place);
}

void MenuDocument::bringToFront(ObjectRef ref) {
  removeFromStacking(ref);
  stackingPlaces_[stackingKey(ref)] = stacking_.insert(stacking_.end(), ref);
}

ObjectRef MenuDocument::stackedAbove(ObjectRef ref) const {
  auto place = stackingPlaces_.find(stackingKey(ref));
  if (place == stackingPlaces_.end()) return {};
  auto above = std::next(place->second);
  return above == stacking_.end() ? ObjectRef{} : *above;
}

void MenuDocument::sendToBack(ObjectRef ref) {
  removeFromStacking(ref);
  stackingPlaces_[stackingKey(ref)] = stacking_.insert(stacking_.begin(), ref);
}

}  // namespace pemo::editor
