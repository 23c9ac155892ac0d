#pragma once
// Team text blocks: at teamtextoffset(t), four length-prefixed records back to back
// (location name, abbreviation, nickname, arena), within teamtextsize(t) bytes.
#include "core/cartridge.h"

namespace icevale {

// Fills teamname, teamabbrev, teamnick and teamarena for teams 1..28 from RomImage.
void readteamtext(Cartridge& cart);

}  // namespace icevale
