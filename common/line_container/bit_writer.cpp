#include "common/line_container/bit_writer.h"

BitWriter::BitWriter(std::size_t capacity) : capacity_(capacity) {
    bytes_.reserve(capacity);
}
