#include "QuotedText.h"

std::string Quoted(const std::string& text)
{
    static const char kHexDigits[] = "0123456789abcdef";
    std::string quoted = "'";
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\x";
            quoted += kHexDigits[byte >> 4];
            quoted += kHexDigits[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}
