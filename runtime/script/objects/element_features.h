#pragma once
// Which properties each object kind lets a script set and read.
#include <string>

#include "menufile/types.h"

namespace pemo::script {

enum class Feature : unsigned {
  None = 0,
  Caption = 1 << 0,
  Position = 1 << 1,  // LEFT, TOP
  Size = 1 << 2,      // WIDTH, HEIGHT
  ForeColor = 1 << 3,
  BackColor = 1 << 4,
  OnCursorColor = 1 << 5,
  Picture = 1 << 6,
  Value = 1 << 7,
  ListIndex = 1 << 8,
};

// The feature a property name of a page element belongs to; None for the rest.
Feature featureOf(const std::string& upperProperty);
bool settable(menufile::ObjectKind kind, Feature feature);
bool readable(menufile::ObjectKind kind, Feature feature);

}  // namespace pemo::script
