#include "core/imagebytes.h"

namespace icevale {

std::string readlengthtext(const Bytes& rom, std::size_t& pos)
{
    const std::size_t length = byteat(rom, pos);
    std::string text;
    for (std::size_t k = 2; k < length && pos + k < rom.size(); ++k)
        text.push_back(static_cast<char>(rom[pos + k]));
    pos += length;
    return text;
}

}  // namespace icevale
