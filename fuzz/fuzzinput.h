#pragma once
// A fuzz input read as a sequence of small fields, and the one way a target reports a
// broken property: a message and abort(), which libFuzzer records as a crash with its
// input. Fields past the input's end read as zeros, so every input is a valid one.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace icevale::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::size_t left() const { return size_ - pos_; }

    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }
    std::uint16_t word()
    {
        const std::uint8_t low = byte();
        return static_cast<std::uint16_t>(low | byte() << 8);
    }
    std::uint32_t triple()
    {
        const std::uint16_t low = word();
        return static_cast<std::uint32_t>(low | byte() << 16);
    }

    // Up to n bytes, fewer at the input's end.
    std::span<const std::uint8_t> take(std::size_t n)
    {
        const std::size_t k = n < left() ? n : left();
        const std::span<const std::uint8_t> out(data_ + pos_, k);
        pos_ += k;
        return out;
    }

    std::span<const std::uint8_t> rest() { return take(left()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

[[noreturn]] void violated(const std::string& property);

inline void expect(bool holds, const char* property)
{
    if (!holds)
        violated(property);
}

}  // namespace icevale::fuzz
