#pragma once
// This computer's network adapters and addresses, as the exchange sees them.
#include <string>
#include <vector>

// The adapters that are up, loopback left out, each with its IPv4 unicast
// addresses, dotted decimal, in the system's order; adapters without one are
// left out. Empty when the system cannot list them.
std::vector<std::vector<std::string>> AdapterAddresses();

// The IPv4 addresses of this computer's host name, dotted decimal.
std::vector<std::string> HostAddresses();
