// The lines of character-worth files (".nchrs"), as the line container hands them to the
// table: reading them must not crash, and a table read writes back to the same records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/fuzz/fuzz_lines.h"
#include "tester/keyboard_type.h"
#include "tester/scoring.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    KeyboardType table;
    table.ApplyLines(FuzzLines(bytes, size));
    const std::vector<std::string> lines = table.ToLines();
    KeyboardType again;
    again.ApplyLines(lines);
    if (again.ToLines() != lines) {
        // Pairs whose first string holds a colon split elsewhere; everything else must match.
        if (again.name != table.name || again.chars1 != table.chars1 ||
            again.chars2 != table.chars2 || again.chars3 != table.chars3 ||
            again.chars4 != table.chars4 || again.pairs.size() != table.pairs.size()) {
            __builtin_trap();
        }
    }
    const std::string_view sample = "Worth: ABC abc \xE8\xCF\r\n12345";
    CountPoints(sample, std::vector<CharClass>(sample.size(), CharClass::Correct), table.chars2,
                table.chars3, table.chars4);
    return 0;
}
