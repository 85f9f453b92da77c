#pragma once

#include <cstdint>

/// How the practice treats a wrong stroke; the value is stored in the user's settings.
enum class ErrorHandlingMode : std::int32_t {
    /// A second wrong stroke right after a wrong one is swallowed.
    PreventDoubleError = 0,
    /// Each wrong stroke is answered with a warning window.
    WarnEachError = 1,
    NoLimitation = 2,
    /// After a wrong stroke only Backspace is taken, and it takes the stroke back.
    BackspaceRequired = 3,
};

/// The mode of a stored settings value; values outside the four modes read as the default.
constexpr ErrorHandlingMode ErrorHandlingModeOf(std::int32_t value) {
    return value >= 0 && value <= 3 ? static_cast<ErrorHandlingMode>(value)
                                    : ErrorHandlingMode::PreventDoubleError;
}
