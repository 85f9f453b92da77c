#include "tester/report_layout.h"

#include <algorithm>

#include "common/text_number.h"
#include "common/time_text.h"
#include "tester/test_data.h"

ReportLayout::ReportLayout(int pageWidth, int pageHeight, int cx, int cy)
    : pageWidth_(pageWidth), pageHeight_(pageHeight), cx_(std::max(cx, 1)), cy_(std::max(cy, 1)) {}

int ReportLayout::LinesPerPage() const {
    return std::max(1, (pageHeight_ - 14 * cy_) / (2 * cy_));
}

int ReportLayout::PageCount(int lineCount) const {
    const int perPage = LinesPerPage();
    return std::max(1, (lineCount + perPage - 1) / perPage);
}

int ReportLayout::TextWidth() const {
    return std::max(cx_, pageWidth_ - 11 * cx_);
}

std::vector<ReportText> ReportLayout::HeaderTexts(const TestData& data, const BasicResults& results,
                                                  int pageNumber,
                                                  const std::string& webAddress) const {
    const int labelRight = 19 * cx_;
    const int valueLeft = 20 * cx_;
    const int personLeft = 45 * cx_;
    // Rows are counted in character heights from the top of the page.
    auto row = [this](int halves) { return halves * cy_ / 2; };
    std::vector<ReportText> texts;
    texts.push_back({BoxRight() - cx_, row(5), webAddress, true});
    auto field = [&](int halves, const char* label, std::string value) {
        texts.push_back({labelRight, row(halves), label, true});
        texts.push_back({valueLeft, row(halves), std::move(value), false});
    };
    const std::string unit =
        results.unit == TestData::kStrokesUnit ? " strokes/min." : " words/min.";
    field(5, "Page Number:", FormatInt(pageNumber));
    field(8, "Total Time:", results.totalTime);
    field(10, "Gross Strokes:", FormatInt(results.grossStrokes));
    field(12, "Net Speed:", FormatFixed(results.netSpeed, 2) + unit);
    field(14, "Error Rate:", results.errorRate + " %");
    field(16, "Number of Errors:", FormatInt(results.errors));
    field(18, "Date of Test:", TimeText::Local(data.endTime, "%m/%d/%Y  %H:%M:%S"));
    texts.push_back(
        {personLeft, row(10),
         data.nickname + " - " + data.firstName + " " + data.middleName + " " + data.lastName,
         false});
    texts.push_back({personLeft, row(12), data.email, false});
    texts.push_back({personLeft, row(18), "File ID: " + data.testId, false});
    return texts;
}
