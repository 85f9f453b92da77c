#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The limits of an exercise on the user's own text, as the "Enter the Limit" dialog edits
/// them, with the ranges it accepts and the messages it gives for entries outside them.
class OwnTextLimits {
  public:
    static constexpr double kDefaultSpeedLimit = 120.0;
    static constexpr double kDefaultErrorLimit = 1.0;
    static constexpr int kDefaultMinutes = 30;

    static constexpr double kLowestSpeedLimit = 20.0;
    static constexpr double kHighestSpeedLimit = 999.0;
    static constexpr double kLowestErrorLimit = 0.1;
    static constexpr double kHighestErrorLimit = 10.0;
    static constexpr int kLowestMinutes = 1;
    static constexpr int kHighestMinutes = 60;

    static constexpr std::string_view kCaption = "Enter the Limit";
    static constexpr std::string_view kSpeedLabel = "Speed Limit:";
    static constexpr std::string_view kSpeedUnit = "strokes/min";
    static constexpr std::string_view kErrorLabel = "Error Limit:";
    static constexpr std::string_view kErrorUnit = "%";
    static constexpr std::string_view kTimeLabel = "Time Limit:";
    static constexpr std::string_view kTimeUnit = "min";
    static constexpr std::string_view kOkButton = "OK";
    static constexpr std::string_view kBackButton = "&Back";

    /// The field a validation message belongs to, so the dialog can put the focus there.
    enum class Field { ErrorLimit, SpeedLimit, TimeLimit };

    struct Problem {
        Field field;
        std::string message;
    };

    double speedLimit = kDefaultSpeedLimit;
    double errorLimit = kDefaultErrorLimit;
    int minutes = kDefaultMinutes;

    /// Reads the three entries as the dialog does on OK: in the order error limit, speed
    /// limit, time limit, the first entry that is no number or lies outside its range gives
    /// the message to show. On success the values are taken over and nothing is returned;
    /// otherwise the values stay as they were.
    std::optional<Problem> TakeEntries(std::string_view speedText, std::string_view errorText,
                                       std::string_view minutesText);

    /// The entries as the dialog shows them when it opens.
    std::string SpeedText() const;
    std::string ErrorText() const;
    std::string MinutesText() const;

    /// "Please enter a number between %1 and %2." and its relatives, filled in.
    static std::string NumberRangeMessage(double lowest, double highest);
    static std::string IntegerRangeMessage(int lowest, int highest);
    static constexpr std::string_view kNotANumberMessage = "Please enter a number.";
    static constexpr std::string_view kNotAnIntegerMessage = "Please enter an integer.";

    /// A number as the range messages and the entries show it: the shortest form without
    /// trailing zeros ("0.1", "10", "120").
    static std::string ShortNumber(double value);
};
