#include "tutor/course/ui/jpeg_image.h"

#include <optional>

#include "tutor/course/jpeg_loader.h"

QImage RgbToQImage(const RgbImage& image) {
    const int width = image.width;
    const int height = image.height;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    if (image.bytes.size() / rowBytes < static_cast<std::size_t>(height)) {
        return {};
    }
    // Qt's own conversion of packed rows is several times faster than a loop over the pixels,
    // and the 32-bit form is the one drawn without another conversion.
    const QImage packed(image.bytes.data(), width, height, static_cast<qsizetype>(rowBytes),
                        QImage::Format_RGB888);
    return packed.convertToFormat(QImage::Format_RGB32);
}

QImage LoadJpegImage(const std::string& path, MessageSink& messages) {
    const std::optional<RgbImage> image = JpegFileToRgb(path, messages);
    return image ? RgbToQImage(*image) : QImage();
}

QImage DecodeJpegImage(std::span<const std::uint8_t> data, MessageSink& messages) {
    const std::optional<RgbImage> image = JpegMemoryToRgb(data, messages);
    return image ? RgbToQImage(*image) : QImage();
}
