#pragma once
// The view values of the runtime window under the `SW` key of the runtime's registry
// key: whether the tree pane is shown and where the splitter stands.
namespace pemo::shell {

struct ViewSettings {
  bool treeView = true;       // "TreeView": "false" hides the tree pane, anything else shows it
  int segmentPosition = 200;  // "SegmentPosition": the splitter's left edge (0 or missing: 200)
};

ViewSettings loadViewSettings();
void saveViewSettings(const ViewSettings& settings);

}  // namespace pemo::shell
