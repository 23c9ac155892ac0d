#pragma once
// Applying an import (importdata.h) to a document. Every value is checked against the
// image before anything is written, and every problem is reported: role counts the
// player editor's buttons allow (1..4 goalies, 1..15 forwards, 1..15 defencemen, at
// most 25 players), names of at most 253 characters, each roster within its area, team
// texts within their block, menu names within their 22 characters, banner texts within
// their 261 bytes (and without a zero character, which marks their end), line-up
// positions within the roster. Only values that differ from the image are written, each
// area through the edit builder its editor window uses, so an import of what an export
// wrote changes no byte. A roster given for a team replaces it whole; its players are
// ordered goalies, forwards, defencemen, keeping the order within each role.
#include <vector>

#include "core/document.h"
#include "core/importdata.h"

namespace icevale {

struct ImportOutcome {
    std::vector<ImportProblem> problems;
    int steps = 0;  // edits that change the image (applied only when `write` is set)
};

// Checks `data` against the document's image and, when nothing is wrong and `write` is
// set, applies it through the document and refreshes the document's tables.
ImportOutcome importinto(Document& doc, const ImportData& data, bool write);

}  // namespace icevale
