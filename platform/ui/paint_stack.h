#pragma once
// Qt paints the children of a widget by recursing once for every child that overlaps the
// area being painted, so a menu page of tens of thousands of overlapping objects (a file
// may hold 32767 of each kind) needs many times the usual 8 MB of stack.

namespace pemo::ui {

// Raises the process's soft stack limit, up to which the main thread's stack grows, to
// what the largest page needs (or to the hard limit when that is lower). Called first
// thing in a program's main; threads started later keep their usual size.
void raiseStackLimitForPainting();

}  // namespace pemo::ui
