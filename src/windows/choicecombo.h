#pragma once
// Showing a stored byte in a drop-down list whose positions stand for bytes (see
// storedchoice.h), with the extra entry for a byte past the list.
#include <QComboBox>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace icevale {

// The caption of the extra entry that stands for a byte the list has no entry for.
QString unlistedentry(std::uint8_t stored);

// Makes the list hold exactly `entries`, emptying and refilling it only when it holds
// anything else, since showing the same entries again is the usual case.
void setentries(QComboBox* combo, const QStringList& entries);

// Fills the list with `entries`, and the extra entry when the byte is past them, and
// selects `stored`; the byte 0 of a count list selects nothing.
void showstoredchoice(QComboBox* combo, QStringList entries, std::uint8_t stored, int first = 0);

}  // namespace icevale
