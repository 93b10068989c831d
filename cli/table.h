#pragma once
// Text tables for people: columns of UTF-8 text lined up by the width a
// terminal gives each character (two columns for a Chinese one).
#include <string>
#include <vector>

// The rows, the first the headings, each line "\n"-ended; columns are two
// spaces apart and no line ends in spaces.
std::string Table(const std::vector<std::vector<std::string>>& rows);
