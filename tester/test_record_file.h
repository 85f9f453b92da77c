#pragma once

#include <string>
#include <string_view>

#include "tester/test_data.h"

/// Test definitions (".mvkt") and results (".2mvk"): the records of a TestData in the
/// compressed line container.
class TestRecordFile {
  public:
    static constexpr const char* kTestExtension = ".mvkt";
    static constexpr const char* kResultsExtension = ".2mvk";

    /// Writes every record of data, replacing the file as a whole. False when the file cannot
    /// be created or written.
    static bool WriteRecords(const TestData& data, const std::string& path);

    /// Reads the records of a file into data and sets sourceFileName to path. False only
    /// when the file cannot be opened. Damaged data throws FileError, after the records
    /// before the damage have been taken.
    static bool ReadRecords(const std::string& path, TestData& data);

    /// The same on file contents held in memory; pathForErrors names them in errors.
    static void ReadRecordsFromMemory(std::string_view contents, const std::string& pathForErrors,
                                      TestData& data);

    /// path, with extension appended unless its last characters are exactly extension
    /// (case-sensitive: "test.MVKT" becomes "test.MVKT.mvkt").
    static std::string WithExtension(const std::string& path, std::string_view extension);
};
