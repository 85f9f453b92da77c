#include "common/json_text.h"

std::string JsonString(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
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
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    json += "\\u00";
                    json += kHex[byte >> 4];
                    json += kHex[byte & 15];
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}
