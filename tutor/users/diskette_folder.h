#pragma once

#include <string>

/// The folder that holds the users' portable copies, the place of the old diskette folder
/// "a:\Ardley\". Tests put a temporary folder behind it.
class DisketteFolder {
  public:
    virtual ~DisketteFolder() = default;
    /// The folder, ending with "/", or empty when no medium is available.
    virtual std::string Path() const = 0;
};

/// A folder given once and for all.
class FixedDisketteFolder final : public DisketteFolder {
  public:
    explicit FixedDisketteFolder(std::string path);
    std::string Path() const override { return path_; }

  private:
    std::string path_;
};
