#pragma once
// The Recent key of the editor in the registry.
#include "editor/document/recent_files.h"

namespace pemo::editor {

// HKEY_USERS\.Default\Software\Kalvo\PemoEdit, under which every editor setting lives.
inline constexpr const char* kEditorRegistrySubKey = ".Default\\Software\\Kalvo\\PemoEdit";

class RegistryRecentKey : public RecentKeyPort {
 public:
  ~RegistryRecentKey() override;
  bool open() override;
  std::vector<std::string> values() override;
  void setValue(const std::string& name, const std::string& text) override;
  void close() override;

 private:
  int key_ = 0;
};

}  // namespace pemo::editor
