#include "core/storedchoice.h"

namespace icevale {

bool choiceunlisted(std::uint8_t stored, int entries, int first)
{
    return stored >= first + entries;
}

int choiceposition(std::uint8_t stored, int entries, int first)
{
    if (stored < first)
        return -1;
    return choiceunlisted(stored, entries, first) ? entries : stored - first;
}

std::uint8_t choicebyte(int position, std::uint8_t stored, int entries, int first)
{
    if (position >= 0 && position < entries)
        return static_cast<std::uint8_t>(position + first);
    if (position < 0 && first > 0)
        return 0;
    return stored;
}

}  // namespace icevale
