#include "common/colon_field_reader.h"

#include "common/text_number.h"

bool ColonFieldReader::NextRaw(std::string_view& field) {
    if (exhausted_) {
        return false;
    }
    std::size_t colon = rest_.find(':');
    if (colon == std::string_view::npos) {
        // Once a field lacks its colon, no later field can be read either.
        exhausted_ = true;
        return false;
    }
    field = rest_.substr(0, colon);
    rest_.remove_prefix(colon + 1);
    return true;
}

bool ColonFieldReader::NextText(std::string& field) {
    std::string_view raw;
    if (!NextRaw(raw)) {
        return false;
    }
    field.assign(raw);
    return true;
}

bool ColonFieldReader::NextInt(std::int32_t& field) {
    std::string_view raw;
    if (!NextRaw(raw)) {
        return false;
    }
    field = ParseLeadingInt32(raw);
    return true;
}

bool ColonFieldReader::NextInt64(std::int64_t& field) {
    std::string_view raw;
    if (!NextRaw(raw)) {
        return false;
    }
    field = ParseLeadingInt64(raw);
    return true;
}

bool ColonFieldReader::NextReal(double& field) {
    std::string_view raw;
    if (!NextRaw(raw)) {
        return false;
    }
    field = ParseLeadingDouble(raw);
    return true;
}
