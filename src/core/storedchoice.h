#pragma once
// A stored byte shown as a pick-list position. Entry p of a list of `entries` entries
// stands for the byte p + first. A byte past the list gets one extra entry after the
// list (position `entries`) that stands for the byte as stored, so a value the window
// cannot name survives unless the user picks another entry. With first = 1 (counts
// "1".."28"), the byte 0 means "none set" and is shown with no entry selected.
#include <cstdint>

namespace icevale {

// The position to select for `stored`: -1 for "none set", `entries` when past the list.
int choiceposition(std::uint8_t stored, int entries, int first = 0);

// Whether `stored` needs the extra entry after the list.
bool choiceunlisted(std::uint8_t stored, int entries, int first = 0);

// The byte to write for the selected position: the entry's byte, 0 for no selection in
// a count list, otherwise (the extra entry, or no selection) the stored byte.
std::uint8_t choicebyte(int position, std::uint8_t stored, int entries, int first = 0);

}  // namespace icevale
