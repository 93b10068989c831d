#include "cli/json.h"

#include <cstdio>

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\t':
            json += "\\t";
            break;
        case '\r':
            json += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
                json += escaped;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

JsonObject& JsonObject::Member(std::string_view name, std::string_view json) {
    if (!m_members.empty())
        m_members += ", ";
    m_members += JsonString(name) + ": " + std::string(json);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view name, std::string_view text) {
    return Member(name, JsonString(text));
}

JsonObject& JsonObject::AddBool(std::string_view name, bool value) {
    return Member(name, value ? "true" : "false");
}

JsonObject& JsonObject::AddInteger(std::string_view name, long long value) {
    return Member(name, std::to_string(value));
}

JsonObject& JsonObject::AddNumber(std::string_view name, double value) {
    char number[32];
    std::snprintf(number, sizeof number, "%.3f", value);
    return Member(name, number);
}

JsonObject& JsonObject::AddJson(std::string_view name, std::string_view json) {
    return Member(name, json);
}

std::string JsonArray(const std::vector<std::string>& values, bool linePerValue) {
    if (values.empty())
        return "[]";
    const std::string before = linePerValue ? "\n  " : "";
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        json += (i == 0 ? before : "," + (linePerValue ? before : " ")) + values[i];
    return json + (linePerValue ? "\n]" : "]");
}
