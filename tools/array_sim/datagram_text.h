#pragma once
// Datagrams as text lines, for the simulator's log and the lab client's output.
#include <string>
#include <string_view>

// "<direction> <peer> <length> <hex>", the hex in lower case, "-" when empty.
// A test compares the hex with the bytes it expects on the wire.
std::string HexLine(std::string_view direction, std::string_view peer, std::string_view datagram);

// The bytes as they are, but for "\" and bytes outside printable ASCII, which
// are written as \xHH, so that one datagram stays one line.
std::string EscapedText(std::string_view datagram);
