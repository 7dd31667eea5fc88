#include "runtime/script/objects/page_script_objects.h"

#include "platform/text/numbers.h"
#include "runtime/script/messages.h"
#include "runtime/script/objects/element_features.h"
#include "runtime/script/objects/property_values.h"

namespace pemo::script {
namespace {

using menufile::ObjectKind;

bool isPanel(const std::string& property) {
  return property == "PANEL1" || property == "PANEL2" || property == "PANEL3";
}

int panelNumber(const std::string& property) { return property.back() - '0'; }

}  // namespace

PageScriptObjects::PageScriptObjects(ScriptPage& page, ProgressWindow& progress)
    : page_(page), progress_(progress) {}

ValueKind PageScriptObjects::propertyKind(const std::string& reference, ScriptContext&) {
  const ValueKind kind = propertyNameKind(splitReference(reference).property);
  if (kind == ValueKind::None) scriptError(reference, msg::kPropertyNotUsable);
  return kind;
}

Flow PageScriptObjects::setProperty(const std::string& reference, const std::string& value, ScriptContext& context) {
  const ReferenceParts parts = splitReference(reference);
  ObjectTarget target;
  if (!parseTarget(parts.object, reference, context, target)) return Flow::Fail;
  return reportOutcome(write(target, parts.property, value), reference) ? Flow::Next : Flow::Fail;
}

bool PageScriptObjects::parseTarget(const std::string& objectPart, const std::string& quoted, ScriptContext& context,
                                    ObjectTarget& target) {
  const ParseStatus status = parseObjectReference(objectPart, context, target);
  if (status == ParseStatus::NotAnObject) scriptError(quoted, msg::kUndefinedObject);
  return status == ParseStatus::Found;
}

OperandStatus PageScriptObjects::getProperty(const std::string& operand, ScriptValue& value, ScriptContext& context) {
  const ReferenceParts parts = splitReference(operand);
  if (!parts.hasDot) return OperandStatus::NotMine;
  ObjectTarget target;
  switch (parseObjectReference(parts.object, context, target)) {
    case ParseStatus::NotAnObject: return OperandStatus::NotMine;
    case ParseStatus::IndexError: return OperandStatus::Failed;
    case ParseStatus::Found: break;
  }
  const ValueKind kind = propertyKind(operand, context);
  if (kind == ValueKind::None) return OperandStatus::Failed;
  std::string text;
  if (!reportOutcome(read(target, parts.property, text), operand)) return OperandStatus::Failed;
  value = {text, kind};
  return OperandStatus::Done;
}

bool PageScriptObjects::reportOutcome(Outcome outcome, const std::string& quoted) {
  switch (outcome) {
    case Outcome::Done: return true;
    case Outcome::NotAProperty: scriptError(quoted, msg::kPropertyNotUsable); return false;
    case Outcome::NoElement: scriptError(quoted, msg::kIndexOutOfRange); return false;
    case Outcome::Failed: return false;  // a value the object cannot take or give: no message
  }
  return false;
}

PageScriptObjects::Outcome PageScriptObjects::write(const ObjectTarget& target, const std::string& property,
                                                    const std::string& value) {
  switch (target.word) {
    case ObjectWord::Menu:
      if (property == "CAPTION") {
        page_.setMenuCaption(value);
        return Outcome::Done;
      }
      if (property == "BACKCOLOR") {
        auto colour = colourOf(value);
        if (!colour) return Outcome::Failed;
        page_.setMenuBackColor(*colour);
        return Outcome::Done;
      }
      return Outcome::NotAProperty;
    case ObjectWord::StatusBar:
      if (!isPanel(property)) return Outcome::NotAProperty;
      page_.setStatusPanel(panelNumber(property), value);
      return Outcome::Done;
    case ObjectWord::ProgressWindow: return writeProgress(property, value);
    case ObjectWord::App:
    case ObjectWord::SelRadio: return Outcome::NotAProperty;
    default: return writeElement(target, property, value);
  }
}

PageScriptObjects::Outcome PageScriptObjects::writeElement(const ObjectTarget& target, const std::string& property,
                                                           const std::string& value) {
  const ObjectKind kind = elementKind(target.word);
  const int index = target.index;
  const Feature feature = featureOf(property);
  if (!settable(kind, feature)) return Outcome::NotAProperty;
  if (!page_.hasElement(kind, index)) return Outcome::NoElement;
  switch (feature) {
    case Feature::Caption: page_.setCaption(kind, index, value); return Outcome::Done;
    case Feature::Position:
    case Feature::Size: {
      const Edge edge = edgeOf(property);
      auto pixels = edgeValueOf(edge, value);
      if (!pixels) return Outcome::Failed;
      page_.setEdge(kind, index, edge, *pixels);
      return Outcome::Done;
    }
    case Feature::ForeColor:
    case Feature::BackColor:
    case Feature::OnCursorColor: {
      auto colour = colourOf(value);
      if (!colour) return Outcome::Failed;
      if (feature == Feature::ForeColor) page_.setForeColor(kind, index, *colour);
      if (feature == Feature::BackColor) page_.setBackColor(kind, index, *colour);
      // Held as hexadecimal digits, the form the menu file gives and the page reads.
      if (feature == Feature::OnCursorColor) page_.setOnCursorColor(index, colourText(*colour));
      return Outcome::Done;
    }
    case Feature::Picture: return page_.setPicture(kind, index, value) ? Outcome::Done : Outcome::Failed;
    case Feature::Value: {
      auto number = int16Of(value);
      if (!number) return Outcome::Failed;
      if (kind == ObjectKind::Radio) {
        page_.setValue(kind, index, *number != 0 ? 1 : 0);
      } else {
        if (*number < 0 || *number > 2) return Outcome::Failed;
        page_.setValue(kind, index, *number);
      }
      return Outcome::Done;
    }
    case Feature::ListIndex: {
      auto item = int16Of(value);
      // -1 clears the selection.
      if (!item || *item < -1 || *item >= page_.listCount(index)) return Outcome::Failed;
      page_.setListIndex(index, *item);
      return Outcome::Done;
    }
    default: return Outcome::NotAProperty;
  }
}

PageScriptObjects::Outcome PageScriptObjects::writeProgress(const std::string& property, const std::string& value) {
  const bool numeric = property == "VALUE" || property == "WIDTH" || property == "ALIGN";
  if (!numeric && property != "CAPTION" && property != "MESSAGE") return Outcome::NotAProperty;
  auto number = int16Of(value);
  if (numeric && !number) return Outcome::Failed;
  if (property == "VALUE") {
    // A value outside 0-100 closes the window; a closed one is not shown for it first.
    progress_.setValue(*number);
    return Outcome::Done;
  }
  if (property == "WIDTH" && *number < 1) return Outcome::Failed;
  progress_.load();
  if (property == "CAPTION") progress_.setCaption(value);
  if (property == "MESSAGE") progress_.setMessage(value);
  if (property == "WIDTH") progress_.setWidth(*number);
  if (property == "ALIGN") progress_.setAlign(*number);
  return Outcome::Done;
}

PageScriptObjects::Outcome PageScriptObjects::read(const ObjectTarget& target, const std::string& property,
                                                   std::string& text) {
  switch (target.word) {
    case ObjectWord::Menu:
      if (property == "CAPTION") text = page_.menuCaption();
      else if (property == "BACKCOLOR") text = colourText(page_.menuBackColor());
      else return Outcome::NotAProperty;
      return Outcome::Done;
    case ObjectWord::StatusBar:
      if (!isPanel(property)) return Outcome::NotAProperty;
      text = page_.statusPanel(panelNumber(property));
      return Outcome::Done;
    case ObjectWord::App:
      if (property == "PATH") text = page_.appFolder();
      else if (property == "CURRENTDIR") text = page_.currentFolder();
      else return Outcome::NotAProperty;
      return Outcome::Done;
    case ObjectWord::SelRadio: return readSelectedRadio(property, text);
    case ObjectWord::ProgressWindow: return Outcome::NotAProperty;
    default: return readElement(elementKind(target.word), target.index, property, text);
  }
}

PageScriptObjects::Outcome PageScriptObjects::readElement(ObjectKind kind, int index, const std::string& property,
                                                          std::string& text) {
  const Feature feature = featureOf(property);
  if (!readable(kind, feature)) return Outcome::NotAProperty;
  if (!page_.hasElement(kind, index)) return Outcome::NoElement;
  switch (feature) {
    case Feature::Caption: text = page_.caption(kind, index); return Outcome::Done;
    case Feature::Position:
    case Feature::Size: text = text::FormatGeneral(page_.edge(kind, index, edgeOf(property))); return Outcome::Done;
    case Feature::ForeColor: text = colourText(page_.foreColor(kind, index)); return Outcome::Done;
    case Feature::OnCursorColor: {
      unsigned long colour = 0;
      if (!text::ParseHex(page_.onCursorColor(index), colour)) return Outcome::Failed;
      text = colourText(static_cast<std::uint32_t>(colour));
      return Outcome::Done;
    }
    case Feature::Value: {
      const int value = page_.value(kind, index);
      // A radio button reads as the platform's true (-1) or false (0).
      text = kind == ObjectKind::Radio ? (value != 0 ? "-1" : "0") : std::to_string(value);
      return Outcome::Done;
    }
    case Feature::ListIndex: text = std::to_string(page_.listIndex(index)); return Outcome::Done;
    default: return Outcome::NotAProperty;
  }
}

PageScriptObjects::Outcome PageScriptObjects::readSelectedRadio(const std::string& property, std::string& text) {
  const Feature feature = featureOf(property);
  if (property != "INDEX" && !readable(ObjectKind::Radio, feature)) return Outcome::NotAProperty;
  const int last = page_.upperBound(ObjectKind::Radio);
  for (int index = 1; index <= last; ++index) {
    if (!page_.hasElement(ObjectKind::Radio, index) || page_.value(ObjectKind::Radio, index) == 0) continue;
    if (property == "INDEX") {
      text = std::to_string(index);
      return Outcome::Done;
    }
    return readElement(ObjectKind::Radio, index, property, text);
  }
  return Outcome::Failed;  // no radio button is checked
}

}  // namespace pemo::script
