#include "runtime/script/variables.h"

#include "platform/text/strings.h"

namespace pemo::script {

namespace {

std::optional<std::string> lookUp(const std::map<std::string, std::string>& table, const std::string& name) {
  auto found = table.find(text::UCase(name));
  if (found == table.end()) return std::nullopt;
  return found->second;
}

}  // namespace

void VariableTables::setString(const std::string& name, const std::string& value) {
  strings_[text::UCase(name)] = value;
}

void VariableTables::setNumeric(const std::string& name, const std::string& value) {
  numerics_[text::UCase(name)] = value;
}

std::optional<std::string> VariableTables::string(const std::string& name) const { return lookUp(strings_, name); }

std::optional<std::string> VariableTables::numeric(const std::string& name) const { return lookUp(numerics_, name); }

}  // namespace pemo::script
