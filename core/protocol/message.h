#pragma once
// Datagram layout shared by requests and replies: a 15-byte address field, a
// 10-byte command field, then the payload, all space-padded text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned short CLIENT_PORT = 1211; // replies arrive here
inline constexpr unsigned short SERVER_PORT = 1212; // arrays listen here
inline constexpr std::size_t kAddressFieldLength = 15;
inline constexpr std::size_t kCommandFieldLength = 10;
inline constexpr std::size_t kHeaderLength = kAddressFieldLength + kCommandFieldLength;
inline constexpr std::size_t kMessageBufferSize = 1025;
// What fits after the header with room for the terminator: a whole settings string.
inline constexpr std::size_t kMaxPayloadLength = kMessageBufferSize - 1 - kHeaderLength;

// The one request that ignores the padding: address and word run together.
inline constexpr std::string_view kSearchProbe = "255.255.255.255slimVault";

// The command is cut to its field. "" when the address is longer than its field
// or the payload longer than kMaxPayloadLength: a cut address could name another
// array, and a cut payload would reach the array as other settings.
std::string BuildRequest(std::string_view address, std::string_view command,
                         std::string_view payload);

struct Reply {
    bool accepted = false; // addressed to one of this computer's addresses
    std::string address;   // that address, as the address field named it
    std::string command;   // the word of the command field, "" when none
    std::string payload;
    // Text went on after the NUL that ended it: the payload is not all that
    // was sent, and a settings string taken from it would lose the rest.
    bool cut = false;
};

// `localAddresses` are this computer's IPv4 addresses in dotted decimal; a
// reply naming any of them is for us. The text ends at its first NUL.
Reply ParseReply(std::string_view datagram, const std::vector<std::string>& localAddresses);
