#pragma once
// This computer's network adapters as the exchange sees them.
#include <string>
#include <vector>

// The IPv4 unicast addresses, dotted decimal, of every adapter that is up,
// loopback left out; empty when the system cannot list them.
std::vector<std::string> AdapterAddresses();
