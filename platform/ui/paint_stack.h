#pragma once
// Qt paints the children of a widget by recursing once for every child that overlaps the
// area being painted, so a menu page of tens of thousands of overlapping objects (a file
// may hold 32767 of each kind) needs many times the usual 8 MB of stack.

namespace pemo::ui {

// Raises the stack limit of the program, up to which its main thread's stack grows, to
// what the largest page needs; the programs it starts keep the limit it was given.
// Called first thing in main.
void raiseStackLimitForPainting();

}  // namespace pemo::ui
