#include "platform/adapters.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

std::string Dotted(const sockaddr* address) {
    char text[INET_ADDRSTRLEN] = "";
    ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                sizeof text);
    return text;
}

void AddOnce(std::vector<std::string>& addresses, std::string address) {
    if (std::ranges::find(addresses, address) == addresses.end())
        addresses.push_back(std::move(address));
}

} // namespace

std::vector<std::vector<std::string>> AdapterAddresses() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return {};
    const std::unique_ptr<ifaddrs, decltype(&::freeifaddrs)> owned(list, ::freeifaddrs);
    // An adapter is up when it is switched on and has a link, as Windows
    // counts an adapter that is up. getifaddrs lists an adapter's addresses
    // one entry each, in the kernel's order, its primary address first.
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::string>> adapters;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        const unsigned flags = entry->ifa_flags;
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET || (flags & IFF_LOOPBACK) ||
            !(flags & IFF_UP) || !(flags & IFF_RUNNING))
            continue;
        const std::string name = entry->ifa_name;
        if (!adapters.contains(name))
            order.push_back(name);
        AddOnce(adapters[name], Dotted(entry->ifa_addr));
    }
    std::vector<std::vector<std::string>> result;
    for (const std::string& name : order)
        result.push_back(adapters[name]);
    return result;
}

std::vector<std::string> HostAddresses() {
    std::vector<std::string> addresses;
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return addresses;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &found) != 0)
        return addresses;
    for (const addrinfo* entry = found; entry; entry = entry->ai_next)
        AddOnce(addresses, Dotted(entry->ai_addr));
    ::freeaddrinfo(found);
    return addresses;
}
