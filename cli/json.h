#pragma once
// JSON as q6 writes it: objects of strings, numbers, booleans and nested
// values, one member after another in the order they are added.
#include <string>
#include <string_view>
#include <vector>

// `text` (UTF-8) as a JSON string: quotes, backslashes and control
// characters escaped.
std::string JsonString(std::string_view text);

class JsonObject {
public:
    JsonObject& Add(std::string_view name, std::string_view text);
    JsonObject& AddBool(std::string_view name, bool value);
    JsonObject& AddInteger(std::string_view name, long long value);
    JsonObject& AddNumber(std::string_view name, double value);
    // `json`: a value already written (an object, an array, null).
    JsonObject& AddJson(std::string_view name, std::string_view json);

    std::string Text() const { return "{" + m_members + "}"; }

private:
    JsonObject& Member(std::string_view name, std::string_view json);

    std::string m_members;
};

// The values (already written) as a JSON array; with `linePerValue` one to a
// line, indented.
std::string JsonArray(const std::vector<std::string>& values, bool linePerValue = false);
