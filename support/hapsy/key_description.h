#pragma once
/* One key description for VBBtFileCreateOpen: 21 bytes, packed, little-endian:
   0 key position (from 1, 4 bytes), 4 type letter ("S" string, "I"/"L" integer,
   "D" floating point), 5 key length (4 bytes), 9 one byte kept in the file
   layout, 13 duplicates allowed when non-zero (4 bytes), 17 segmented: the
   next description continues this key when non-zero (4 bytes). */
#define BT_KEY_DESCRIPTION_SIZE 21
