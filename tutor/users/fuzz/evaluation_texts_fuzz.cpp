// Feeds arbitrary evaluation texts and grades to the composition: nothing may crash, and the
// same texts, inputs and seed always give the same evaluation.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    EvaluationTexts::Inputs inputs;
    // Grades a little outside 0..99 too, as a strange results file may give.
    inputs.grades = {data[0] - 20, data[1] - 20, data[2] - 20, data[3] - 20};
    inputs.userName = "Fuzz";
    inputs.wrongCharacters = data[0] & 1 ? "a, b" : "";
    inputs.slowCharacters = data[1] & 1 ? "Space" : "";
    std::vector<std::string> lines(1);
    for (std::size_t i = 4; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    const EvaluationTexts texts = EvaluationTexts::FromLines(lines);
    SeededRandomSource first(size);
    SeededRandomSource second(size);
    if (texts.Compose(inputs, first) != texts.Compose(inputs, second)) {
        std::abort();
    }
    return 0;
}
