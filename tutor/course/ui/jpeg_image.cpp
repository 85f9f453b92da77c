#include "tutor/course/ui/jpeg_image.h"

#include "tutor/course/jpeg_loader.h"

QImage BitmapToQImage(const BitmapImage& bitmap) {
    const int width = bitmap.header.width;
    const int height = bitmap.header.height;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const std::size_t rowSize = BitmapImage::RowSize(width);
    if (bitmap.bits.size() / rowSize < static_cast<std::size_t>(height)) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        // Bitmap rows run from the bottom up.
        const std::uint8_t* in =
            bitmap.bits.data() + static_cast<std::size_t>(height - 1 - y) * rowSize;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
        }
    }
    return image;
}

QImage LoadJpegImage(const std::string& path, MessageSink& messages) {
    BitmapImage bitmap;
    if (!LoadJpegBitmap(path, bitmap, messages)) {
        return {};
    }
    return BitmapToQImage(bitmap);
}
