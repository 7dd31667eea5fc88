#pragma once
// The script's variables: string variables end in "$", numeric variables in "#". Names
// are kept upper-cased, so they are case-insensitive. They live for one event run.
#include <map>
#include <optional>
#include <string>

namespace pemo::script {

class VariableTables {
 public:
  void setString(const std::string& name, const std::string& value);
  void setNumeric(const std::string& name, const std::string& value);
  std::optional<std::string> string(const std::string& name) const;
  std::optional<std::string> numeric(const std::string& name) const;
  bool empty() const { return strings_.empty() && numerics_.empty(); }

 private:
  std::map<std::string, std::string> strings_;
  std::map<std::string, std::string> numerics_;
};

}  // namespace pemo::script
