#pragma once
// What the arrays answer to one request: a pure function of the request and
// the arrays, apart from the sockets.
#include "tools/array_sim/sim_arrays.h"

#include <string>
#include <string_view>
#include <vector>

struct SimBehaviour {
    // Address field of every reply; empty means the requester's own address.
    std::string replyTo;
    // Precede every reply by the datagrams of MalformedReplies.
    bool malformed = false;
};

struct SimReply {
    int array = 0; // index of the array that answers
    std::string datagram;
    bool search = false; // an answer to the probe, which every array answers at once
};

// Replies, in order, of all arrays to `datagram` received from `requester`
// (dotted decimal). Requests not addressed to an array, unknown commands and
// datagrams that are no request give nothing; a "SET" changes the array.
std::vector<SimReply> HandleRequest(std::vector<SimArray>& arrays, std::string_view datagram,
                                    std::string_view requester, const SimBehaviour& behaviour,
                                    SimTime now);

// Datagrams a careless or broken device might send to `address`, none of which
// may disturb the wizard: empty, too short for a command, no command word, a
// word with garbage after it or the wrong word, a NUL inside the header, a
// settings payload one byte too long, a datagram longer than the receive
// buffer, binary junk, the address with leading zeros.
std::vector<std::string> MalformedReplies(std::string_view address);

// The hostile datagrams a flood cycles through, all sent to the wizard's port
// at `address`: MalformedReplies and a wrong address that starts like the
// right one, a NUL inside a "GETOK" payload, unknown and lower-case words,
// headers cut short before or just after the word, and a datagram one byte
// over the receive buffer. None may come to anything in the wizard; the
// "GETOK"s among them carry host names starting with "flood" or the
// MalformedReplies ones, so that a listed one shows.
std::vector<std::string> FloodDatagrams(std::string_view address);
