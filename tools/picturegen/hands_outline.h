#pragma once

#include <string>
#include <vector>

/// The finger outlines from the text source of "hands.ddd": groups of points closed by "END"
/// lines, each point "x:y:pen:thickness:red:green:blue:" in a 700 x 100 unit strip. Group f is
/// finger f: 0 to 4 the left hand from the little finger to the thumb, 5 to 9 the right hand
/// from the thumb to the little finger.
class HandsOutline final {
  public:
    struct Point {
        int x = 0;
        int y = 0;
        int pen = 0;
        int thickness = 1;
        int red = 0;
        int green = 0;
        int blue = 0;
    };
    using Group = std::vector<Point>;

    static constexpr int kUnitsWide = 700;
    static constexpr int kUnitsHigh = 100;
    static constexpr int kFingers = 10;

    /// Reads the text source. False (with a reason) when the file cannot be read, a point line
    /// lacks one of its seven fields, or fewer than ten groups are closed.
    bool Load(const std::string& path, std::string& error);
    /// Parses the text itself (the contents of the file).
    bool Parse(const std::string& text, std::string& error);

    const std::vector<Group>& groups() const { return groups_; }

  private:
    std::vector<Group> groups_;
};
