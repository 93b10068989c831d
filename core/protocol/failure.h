#pragma once
// What an exchange with the arrays could not do. Each program tells it in its
// own words; none is ever taken for success.
enum class ExchangeFailure {
    kCreateSocket,    // no socket for the replies: nothing was sent
    kBindSocket,      // the reply port is held by another program: nothing was sent
    kSelectSocket,    // the replies could not be reported: nothing was sent
    kSend,            // the request went out through no adapter; for a chosen
                      // array, not from the address it answered on
    kAddressTooLong,  // the array's address does not fit the request: nothing was sent
    kSettingsTooLong, // the settings do not fit one datagram: nothing was sent
    kNoAnswer,        // the wait ran out without the answer
};
