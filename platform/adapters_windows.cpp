#include "platform/adapters.h"

#include <winsock2.h>

#include <iphlpapi.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <memory>

std::vector<std::vector<std::string>> AdapterAddresses() {
    constexpr ULONG kFlags =
        GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    // The list can grow between the call that sizes it and the one that fills it.
    ULONG size = 16 << 10;
    std::unique_ptr<char[]> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer = std::make_unique<char[]>(size);
        result = ::GetAdaptersAddresses(
            AF_INET, kFlags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.get()), &size);
    }
    std::vector<std::vector<std::string>> adapters;
    if (result != NO_ERROR)
        return adapters;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.get()); adapter;
         adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK)
            continue;
        std::vector<std::string> addresses;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            const sockaddr* address = unicast->Address.lpSockaddr;
            if (!address || address->sa_family != AF_INET)
                continue;
            const in_addr ip = reinterpret_cast<const sockaddr_in*>(address)->sin_addr;
            std::string text = ::inet_ntoa(ip);
            if (std::find(addresses.begin(), addresses.end(), text) == addresses.end())
                addresses.push_back(std::move(text));
        }
        if (!addresses.empty())
            adapters.push_back(std::move(addresses));
    }
    return adapters;
}

std::vector<std::string> HostAddresses() {
    std::vector<std::string> addresses;
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) == SOCKET_ERROR)
        return addresses;
    const hostent* host = ::gethostbyname(name);
    if (!host || host->h_addrtype != AF_INET || host->h_length != sizeof(in_addr))
        return addresses;
    for (char** entry = host->h_addr_list; *entry; ++entry) {
        in_addr address;
        memcpy(&address, *entry, sizeof address);
        addresses.push_back(::inet_ntoa(address));
    }
    return addresses;
}
