#pragma once
// Showing a stored byte in a drop-down list whose positions stand for bytes (see
// storedchoice.h), with the extra entry for a byte past the list.
#include <QComboBox>
#include <QString>
#include <cstdint>

namespace icevale {

// The caption of the extra entry that stands for a byte the list has no entry for.
QString unlistedentry(std::uint8_t stored);

// Selects `stored` in a list that holds exactly its `entries` entries, first adding the
// extra entry when the byte is past them; the byte 0 of a count list selects nothing.
void showstoredchoice(QComboBox* combo, std::uint8_t stored, int entries, int first = 0);

}  // namespace icevale
