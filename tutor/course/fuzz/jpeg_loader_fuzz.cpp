// Any byte string given to the picture loader gives a picture of consistent size or exactly one
// message, never a crash, a leak or a giant allocation.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

#include "common/message_sink.h"
#include "tutor/course/jpeg_loader.h"

namespace {

class CountingSink final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string& text, Icon) override {
        if (text.empty()) {
            std::abort();
        }
        ++count;
    }
    int count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CountingSink messages;
    std::optional<RgbImage> image = JpegMemoryToRgb(std::span(data, size), messages);
    if (!image) {
        if (messages.count != 1) {
            std::abort();
        }
        return 0;
    }
    const std::uint64_t pixels = std::uint64_t(image->width) * std::uint64_t(image->height);
    if (messages.count != 0 || image->width <= 0 || image->height <= 0 || pixels > kMaxJpegPixels ||
        image->bytes.size() != pixels * 3) {
        std::abort();
    }
    BitmapImage bitmap = RgbToBitmap(*image);
    const std::size_t rowSize = BitmapImage::RowSize(image->width);
    if (bitmap.bits.size() != rowSize * std::size_t(image->height)) {
        std::abort();
    }
    // The top-left pixel is the first pixel of the last bitmap row, blue first.
    const std::uint8_t* last = bitmap.bits.data() + rowSize * std::size_t(image->height - 1);
    if (last[0] != image->bytes[2] || last[1] != image->bytes[1] || last[2] != image->bytes[0]) {
        std::abort();
    }
    return 0;
}
