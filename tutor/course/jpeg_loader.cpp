#include "tutor/course/jpeg_loader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it builds on.
#include <jerror.h>

#include "common/code_page.h"
#include "common/product_version.h"

namespace {

constexpr const char* kCaption = kKelvaneName;
constexpr const char* kFatalCaption = "JPEG Fatal Error";
constexpr const char* kOutOfMemory = "JpegFile :\nOut of memory";
constexpr const char* kTooManyScans = "Too many scans in the JPEG file";

// The library reports a fatal error by calling error_exit, which must not return. Ours keeps
// the message and jumps back to the function that started the library call; that function
// holds no C++ objects with destructors, so the jump skips none.
struct ErrorManager {
    jpeg_error_mgr library;  // first: the library hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Plain data only, zero-initialised; it outlives every jump.
struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager error;
    jpeg_progress_mgr progress;
};

ErrorManager& ErrorsOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void OnFatalError(j_common_ptr info) {
    ErrorManager& error = ErrorsOf(info);
    (*info->err->format_message)(info, error.message);
    std::longjmp(error.jump, 1);
}

// Warnings about damaged data are not shown: the picture is still made from what is there.
void IgnoreMessage(j_common_ptr) {}

void LimitScans(j_common_ptr info) {
    if (!info->is_decompressor) {
        return;
    }
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans) {
        ErrorManager& error = ErrorsOf(info);
        std::strncpy(error.message, kTooManyScans, sizeof error.message - 1);
        std::longjmp(error.jump, 1);
    }
}

enum class StartResult { Started, Failed, TooLarge };

// Reads the header and starts decompression. The only locals are plain values, and none of
// them is read after a jump back.
StartResult StartDecoding(Decoder& decoder, const std::uint8_t* data, std::size_t size) {
    if (setjmp(decoder.error.jump)) {
        return StartResult::Failed;
    }
    jpeg_create_decompress(&decoder.info);
    decoder.info.progress = &decoder.progress;
    jpeg_mem_src(&decoder.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder.info, TRUE);
    // Checked before decompression starts: a progressive picture allocates its whole
    // coefficient buffer there.
    if (std::uint64_t{decoder.info.image_width} * decoder.info.image_height > kMaxJpegPixels) {
        return StartResult::TooLarge;
    }
    switch (decoder.info.jpeg_color_space) {
        case JCS_GRAYSCALE:
            decoder.info.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            // The library only turns these into CMYK; RGB is made from it below.
            decoder.info.out_color_space = JCS_CMYK;
            break;
        default:
            // Layouts the library cannot turn into RGB end in its own fatal error.
            decoder.info.out_color_space = JCS_RGB;
            break;
    }
    jpeg_start_decompress(&decoder.info);
    return StartResult::Started;
}

std::uint8_t Scale(unsigned a, unsigned b) {
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

void CopyRow(const JSAMPLE* in, std::uint8_t* out, JDIMENSION width, int components,
             bool invertedCmyk) {
    switch (components) {
        case 3:
            std::memcpy(out, in, static_cast<std::size_t>(width) * 3);
            break;
        case 1:
            for (JDIMENSION x = 0; x < width; ++x) {
                out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x];
            }
            break;
        case 4:
            // Adobe programs store CMYK inverted (255 = no ink); others store the ink.
            for (JDIMENSION x = 0; x < width; ++x) {
                const JSAMPLE* p = in + 4 * x;
                unsigned c = invertedCmyk ? p[0] : 255u - p[0];
                unsigned m = invertedCmyk ? p[1] : 255u - p[1];
                unsigned y = invertedCmyk ? p[2] : 255u - p[2];
                unsigned k = invertedCmyk ? p[3] : 255u - p[3];
                out[3 * x] = Scale(c, k);
                out[3 * x + 1] = Scale(m, k);
                out[3 * x + 2] = Scale(y, k);
            }
            break;
        default:
            break;
    }
}

// Decodes every row into pixels (width x height x 3 bytes) and finishes decompression.
bool ReadRows(Decoder& decoder, std::uint8_t* pixels) {
    if (setjmp(decoder.error.jump)) {
        return false;
    }
    j_decompress_ptr info = &decoder.info;
    JDIMENSION width = info->output_width;
    int components = info->output_components;
    bool invertedCmyk = info->saw_Adobe_marker;
    JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                width * static_cast<JDIMENSION>(components), 1);
    while (info->output_scanline < info->output_height) {
        std::uint8_t* out = pixels + static_cast<std::size_t>(info->output_scanline) * width * 3;
        if (jpeg_read_scanlines(info, row, 1) != 1) {
            // Only a suspending data source gives no row; ours holds all the data.
            info->err->msg_code = JWRN_JPEG_EOF;
            (*info->err->format_message)(reinterpret_cast<j_common_ptr>(info),
                                         decoder.error.message);
            return false;
        }
        CopyRow(row[0], out, width, components, invertedCmyk);
    }
    jpeg_finish_decompress(info);
    return true;
}

std::string ForMessage(const std::string& path) {
    return CodePage::Program().FromUtf8(path);
}

void ShowOutOfMemory(MessageSink& messages) {
    messages.ShowMessage(kCaption, kOutOfMemory, MessageSink::Icon::Stop);
}

void ShowCannotOpen(MessageSink& messages, const std::string& path) {
    messages.ShowMessage(kCaption, "JPEG :\nCan't open " + ForMessage(path) + "\n",
                         MessageSink::Icon::Warning);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<RgbImage> JpegMemoryToRgb(std::span<const std::uint8_t> data, MessageSink& messages) {
    // Heap-allocated and value-initialised: the library state is large and plain.
    auto decoder = std::make_unique<Decoder>();
    decoder->info.err = jpeg_std_error(&decoder->error.library);
    decoder->error.library.error_exit = OnFatalError;
    decoder->error.library.output_message = IgnoreMessage;
    decoder->progress.progress_monitor = LimitScans;

    StartResult started = StartDecoding(*decoder, data.data(), data.size());
    if (started != StartResult::Started) {
        jpeg_destroy_decompress(&decoder->info);
        if (started == StartResult::TooLarge) {
            ShowOutOfMemory(messages);
        } else {
            messages.ShowMessage(kFatalCaption, decoder->error.message, MessageSink::Icon::Stop);
        }
        return std::nullopt;
    }

    RgbImage image;
    image.width = static_cast<int>(decoder->info.output_width);
    image.height = static_cast<int>(decoder->info.output_height);
    try {
        image.bytes.resize(static_cast<std::size_t>(image.width) *
                           static_cast<std::size_t>(image.height) * 3);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&decoder->info);
        ShowOutOfMemory(messages);
        return std::nullopt;
    }
    bool read = ReadRows(*decoder, image.bytes.data());
    jpeg_destroy_decompress(&decoder->info);
    if (!read) {
        messages.ShowMessage(kFatalCaption, decoder->error.message, MessageSink::Icon::Stop);
        return std::nullopt;
    }
    return image;
}

std::optional<std::vector<std::uint8_t>> ReadJpegFile(const std::string& path,
                                                      MessageSink& messages) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        ShowCannotOpen(messages, path);
        return std::nullopt;
    }
    std::vector<std::uint8_t> data;
    std::uint8_t buffer[64 * 1024];
    try {
        for (;;) {
            std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get());
            if (count == 0) {
                break;
            }
            if (data.size() + count > kMaxJpegFileBytes) {
                ShowOutOfMemory(messages);
                return std::nullopt;
            }
            data.insert(data.end(), buffer, buffer + count);
        }
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(messages);
        return std::nullopt;
    }
    if (std::ferror(file.get())) {
        // A folder opens but cannot be read.
        ShowCannotOpen(messages, path);
        return std::nullopt;
    }
    return data;
}

std::optional<RgbImage> JpegFileToRgb(const std::string& path, MessageSink& messages) {
    const std::optional<std::vector<std::uint8_t>> data = ReadJpegFile(path, messages);
    if (!data) {
        return std::nullopt;
    }
    return JpegMemoryToRgb(*data, messages);
}

BitmapImage RgbToBitmap(const RgbImage& image) {
    BitmapImage bitmap;
    if (image.width <= 0 || image.height <= 0) {
        return bitmap;
    }
    const std::size_t width = static_cast<std::size_t>(image.width);
    const std::size_t height = static_cast<std::size_t>(image.height);
    if (image.bytes.size() / 3 / width < height) {
        return bitmap;
    }
    bitmap.header.width = image.width;
    bitmap.header.height = image.height;
    const std::size_t rowSize = BitmapImage::RowSize(image.width);
    bitmap.bits.assign(rowSize * height, 0);
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* in = image.bytes.data() + y * width * 3;
        std::uint8_t* out = bitmap.bits.data() + (height - 1 - y) * rowSize;
        for (std::size_t x = 0; x < width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    return bitmap;
}

bool LoadJpegBitmap(const std::string& path, BitmapImage& bitmap, MessageSink& messages) {
    std::optional<RgbImage> image = JpegFileToRgb(path, messages);
    if (!image) {
        return false;
    }
    try {
        bitmap = RgbToBitmap(*image);
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(messages);
        return false;
    }
    return true;
}
