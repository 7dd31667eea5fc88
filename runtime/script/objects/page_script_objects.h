#pragma once
// The script's objects on the runtime page: OBJECT(index).PROPERTY references, what can
// be set and read on each object, and the two object methods.
#include <optional>
#include <string>

#include "runtime/script/objects/object_reference.h"
#include "runtime/script/objects/script_page.h"
#include "runtime/script/ports.h"
#include "runtime/script/progress/progress_window.h"

namespace pemo::script {

class PageScriptObjects : public ScriptObjects {
 public:
  // None is owned; all must outlive this object.
  PageScriptObjects(ScriptPage& page, ProgressWindow& progress);

  ValueKind propertyKind(const std::string& reference, ScriptContext& context) override;
  Flow setProperty(const std::string& reference, const std::string& value, ScriptContext& context) override;
  OperandStatus getProperty(const std::string& operand, ScriptValue& value, ScriptContext& context) override;
  Flow callMethod(const std::string& statement, ScriptContext& context) override;

 private:
  // Parses the object part of a statement's reference; an object word it does not know
  // is reported quoting `quoted`. False after any message.
  bool parseTarget(const std::string& objectPart, const std::string& quoted, ScriptContext& context,
                   ObjectTarget& target);

  // How an attempt on an object's property turned out.
  enum class Outcome { Done, NotAProperty, NoElement, Failed };
  // True for Done; otherwise false after the outcome's message, quoting `quoted`.
  static bool reportOutcome(Outcome outcome, const std::string& quoted);

  Outcome write(const ObjectTarget& target, const std::string& property, const std::string& value);
  Outcome writeElement(const ObjectTarget& target, const std::string& property, const std::string& value);
  Outcome writeProgress(const std::string& property, const std::string& value);
  Outcome read(const ObjectTarget& target, const std::string& property, std::string& text);
  Outcome readElement(menufile::ObjectKind kind, int index, const std::string& property, std::string& text);
  Outcome readSelectedRadio(const std::string& property, std::string& text);

  Flow requeryAreaYear();
  Flow comboAddItem(int comboIndex, const std::string& arguments, ScriptContext& context);

  ScriptPage& page_;
  ProgressWindow& progress_;
};

}  // namespace pemo::script
