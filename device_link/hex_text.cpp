#include "device_link/hex_text.h"

std::string ReverseHexPairs(const std::string& text)
{
    if (text.size() % 2 != 0)
        return "Odd Lenght";

    std::string reversed;
    reversed.reserve(text.size());
    for (std::size_t end = text.size(); end > 0; end -= 2)
        reversed.append(text, end - 2, 2);
    return reversed;
}

std::string AsciiToHex(const std::string& text)
{
    static constexpr char digits[] = "0123456789ABCDEF";

    std::string hex;
    hex.reserve(text.size() * 2);
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        hex += digits[code >> 4];
        hex += digits[code & 0x0F];
    }
    return hex;
}
