#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// Reads the colon-terminated fields of a data record from left to right: each field runs up
/// to the next ":" and the text after that colon is the rest of the record. A field whose
/// colon is missing is not read: the Next... call returns false and leaves its output as it
/// was (so the caller's default or previous value stays), and so do all later calls.
class ColonFieldReader {
  public:
    explicit ColonFieldReader(std::string_view record) : rest_(record) {}

    bool NextText(std::string& field);
    /// Decimal integer by the leading-digits rule (no digits, or an empty field, gives 0).
    bool NextInt(std::int32_t& field);
    bool NextInt64(std::int64_t& field);
    /// Decimal fraction with a point; an empty field gives 0.0.
    bool NextReal(double& field);

    /// The text after the last colon read.
    std::string_view Rest() const { return rest_; }

  private:
    bool NextRaw(std::string_view& field);

    std::string_view rest_;
    bool exhausted_ = false;
};
