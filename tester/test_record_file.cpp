#include "tester/test_record_file.h"

#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "tester/test_records.h"

bool TestRecordFile::WriteRecords(const TestData& data, const std::string& path) {
    CompressedLineFile file;
    for (const std::string& line : TestRecords::Lines(data)) {
        file.AddLine(line);
    }
    return file.Write(path);
}

bool TestRecordFile::ReadRecords(const std::string& path, TestData& data) {
    CompressedLineFile file;
    try {
        if (!file.Read(path)) {
            return false;
        }
    } catch (const FileError&) {
        TestRecords::Apply(file.lines(), data);
        data.sourceFileName = path;
        throw;
    }
    TestRecords::Apply(file.lines(), data);
    data.sourceFileName = path;
    return true;
}

void TestRecordFile::ReadRecordsFromMemory(std::string_view contents,
                                           const std::string& pathForErrors, TestData& data) {
    std::vector<std::string> lines;
    try {
        CompressedLineFile::Decode(contents, pathForErrors, lines);
    } catch (const FileError&) {
        TestRecords::Apply(lines, data);
        throw;
    }
    TestRecords::Apply(lines, data);
}

std::string TestRecordFile::WithExtension(const std::string& path, std::string_view extension) {
    if (path.ends_with(extension)) {
        return path;
    }
    return path + std::string(extension);
}
