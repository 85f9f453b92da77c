#include "tutor/course/ui/compressed_picture.h"

#include <optional>
#include <utility>

#include "common/message_sink.h"
#include "tutor/course/jpeg_loader.h"
#include "tutor/course/ui/jpeg_image.h"

namespace {

/// Decoding again what was decoded once at loading cannot fail; should memory run out, the
/// picture is missing from the window rather than reported again and again.
class QuietMessages final : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
};

}  // namespace

bool CompressedPicture::Load(const std::string& path, MessageSink& messages) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadJpegFile(path, messages);
    if (!bytes) {
        return false;
    }
    const std::optional<RgbImage> decoded = JpegMemoryToRgb(*bytes, messages);
    if (!decoded) {
        return false;
    }
    bytes_ = std::move(*bytes);
    bytes_.shrink_to_fit();
    size_ = QSize(decoded->width, decoded->height);
    return true;
}

QImage CompressedPicture::Decode() const {
    if (bytes_.empty()) {
        return {};
    }
    QuietMessages quiet;
    return DecodeJpegImage(bytes_, quiet);
}
