#pragma once
// What q6 tells a script by its exit code; --help and the README list the same.
enum class Exit : int {
    kDone = 0,
    kRowsFailed = 1,    // some rows of a plan failed, the others were applied
    kUsage = 2,         // also: no terminal to ask and no --yes
    kNoArray = 3,       // none found, or ARRAY names none or several
    kRefused = 4,       // refused before sending anything to the array
    kWrongPassword = 5, // the array refused the password
    kNoAnswer = 6,      // no answer in time
    kPortInUse = 7,     // UDP port 1211 is held by another program
    kNotSent = 8,       // no adapter, the array's adapter gone, a socket error
};
