#pragma once
// The rosters as an editor holds them between taking them from the document and
// writing them back: the counts, players and free bytes of every team, changed
// by the roster rules (rosterchanges.h) and the editor's boxes while the
// document's tables keep following the image. Slots past a roster keep what
// they held, so an added player takes a removed one's number and attributes, as
// the rules say.
#include "core/cartridge.h"

namespace icevale {

class RosterDraft {
public:
    // Takes every team's roster as `from` holds it.
    void take(const Tables& from) { tables_ = from; }

    const Tables& tables() const { return tables_; }
    // For the roster rules and the boxes: only the roster tables are the draft's
    // to change.
    Tables& rosters() { return tables_; }

    // Whether writing the draft back would change `rom`: team t's count byte
    // (written as the editor leaves the team) or the records of any roster.
    bool pending(const Bytes& rom, int t) const;

    // Whether team t's counts and players 1..n are the same in the draft and in
    // `other`.
    bool sameteam(const Tables& other, int t) const;

private:
    Tables tables_;
};

}  // namespace icevale
