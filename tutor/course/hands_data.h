#pragma once

#include <string>
#include <vector>

#include "tutor/course/stroke_point.h"

/// The finger outlines of the helping hands, read from "hands.ddd": group f is the outline of
/// finger f (0 to 4 left hand, 5 to 9 right hand).
class HandsData {
  public:
    static constexpr int kNeededGroups = 10;

    /// Reads "config/hands.ddd"; false on failure.
    bool LoadHands();
    /// Reads the file at fullPath.
    bool LoadFile(const std::string& fullPath);
    /// Replaces the groups with those of the file's lines. "END" closes a group; a line holding
    /// ":" is a point of seven fields, and one lacking a field ends the reading with false
    /// (the groups closed before it stay). Points after the last "END" form no group.
    bool ParseLines(const std::vector<std::string>& lines);

    const std::vector<std::vector<StrokePoint>>& groups() const { return groups_; }
    int GroupCount() const { return static_cast<int>(groups_.size()); }
    /// Enough groups for every finger.
    bool IsComplete() const { return GroupCount() >= kNeededGroups; }
    /// The 1-based line where reading stopped with a failure, 0 when none did.
    int failedLine() const { return failedLine_; }

  private:
    std::vector<std::vector<StrokePoint>> groups_;
    int failedLine_ = 0;
};
