#include "runtime/script/statements/tests/statement_fixture.h"

#include "platform/fs/fs.h"
#include "runtime/script/messages.h"

namespace pemo::script::statements::testing {

StatementFixture::StatementFixture(process::ProgramPort* realPrograms, HostSettings* otherSettings)
    : statements(realPrograms != nullptr ? *realPrograms : programs,
                 otherSettings != nullptr ? *otherSettings : static_cast<HostSettings&>(settings)),
      engine({&files, &arithmetic, &host, &objects, &statements}) {}

std::vector<std::string> StatementFixture::run(const std::vector<std::string>& body) {
  std::vector<std::string> lines{"SUB MENU_CLICK()"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("END SUB");
  files.files["C:\\MENU\\A.FIL"] = script::testing::storedLines(lines);
  engine.loadScript({"C:\\MENU\\A.FIL", 1, {}});
  const size_t before = boxes.shown.size();
  engine.fireScriptEvent(menufile::ObjectKind::Menu, 0, menufile::ScriptEvent::Click);
  std::vector<std::string> prompts;
  for (size_t i = before; i < boxes.shown.size(); ++i) {
    if (boxes.shown[i].title != kScriptErrorTitle) prompts.push_back(boxes.shown[i].prompt);
  }
  return prompts;
}

std::vector<std::string> StatementFixture::errors() const {
  std::vector<std::string> texts;
  for (const auto& shown : boxes.shown) {
    if (shown.title == kScriptErrorTitle) texts.push_back(shown.style == 48 ? shown.prompt : "(wrong icon)");
  }
  return texts;
}

TempDrive::TempDrive() {
  fs::mapDrive('T', dir_.path());
  fs::changeDrive('T');
  fs::changeFolder("T:\\");
}

std::string TempDrive::read(const std::string& name) const { return pemo::testing::readFileBytes(dir_ / name); }

void TempDrive::write(const std::string& name, const std::string& bytes) const {
  std::filesystem::create_directories((dir_ / name).parent_path());
  pemo::testing::writeFileBytes(dir_ / name, bytes);
}

bool TempDrive::exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

}  // namespace pemo::script::statements::testing
