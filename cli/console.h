#pragma once
// Where a command writes: data on `out`, messages on `err`, both UTF-8.
#include <ostream>

struct Console {
    std::ostream& out;
    std::ostream& err;
};
