#include "cli/q6.h"

#include <iostream>

int main(int argc, char** argv) {
    Console console{std::cout, std::cerr};
    return RunQ6(std::vector<std::string>(argv + 1, argv + argc), console);
}
