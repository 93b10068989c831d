#include "tools/array_sim/datagram_text.h"

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(std::string& out, unsigned char byte) {
    out.push_back(kHexDigits[byte >> 4]);
    out.push_back(kHexDigits[byte & 0xF]);
}

} // namespace

std::string HexLine(std::string_view direction, std::string_view peer, std::string_view datagram) {
    std::string line = std::string(direction) + " " + std::string(peer) + " " +
                       std::to_string(datagram.size()) + " ";
    if (datagram.empty())
        line += "-";
    for (char c : datagram)
        AppendHex(line, static_cast<unsigned char>(c));
    return line;
}

std::string EscapedText(std::string_view datagram) {
    std::string text;
    for (char c : datagram) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '\\') {
            text += "\\x";
            AppendHex(text, byte);
        } else {
            text.push_back(c);
        }
    }
    return text;
}
