#include "core/protocol/message.h"

#include <algorithm>

namespace {

// The first run of non-space bytes of a field, leading spaces skipped.
std::string_view FieldWord(std::string_view text, std::size_t offset, std::size_t length) {
    if (offset >= text.size())
        return {};
    std::string_view field = text.substr(offset, length);
    std::size_t begin = field.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    std::size_t end = field.find(' ', begin);
    return field.substr(begin, end == std::string_view::npos ? field.npos : end - begin);
}

} // namespace

std::string BuildRequest(std::string_view address, std::string_view command,
                         std::string_view payload) {
    if (address.size() > kAddressFieldLength || payload.size() > kMaxPayloadLength)
        return {};
    std::string request(kHeaderLength, ' ');
    command = command.substr(0, kCommandFieldLength);
    std::copy(address.begin(), address.end(), request.begin());
    std::copy(command.begin(), command.end(), request.begin() + kAddressFieldLength);
    request.append(payload);
    return request;
}

Reply ParseReply(std::string_view datagram, const std::vector<std::string>& localAddresses) {
    const std::size_t end = datagram.find('\0');
    std::string_view text = datagram.substr(0, end);

    Reply reply;
    std::string_view address = FieldWord(text, 0, kAddressFieldLength);
    reply.accepted = !address.empty() && std::find(localAddresses.begin(), localAddresses.end(),
                                                   address) != localAddresses.end();
    if (!reply.accepted)
        return reply;
    reply.address = address;

    // NULs alone after the text are a sender's terminator: nothing is lost.
    reply.cut = end != datagram.npos && datagram.find_first_not_of('\0', end) != datagram.npos;
    reply.command = FieldWord(text, kAddressFieldLength, kCommandFieldLength);
    if (text.size() > kHeaderLength)
        reply.payload = text.substr(kHeaderLength);
    return reply;
}
