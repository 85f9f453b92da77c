#pragma once

// Small JPEG pictures for the tests, made with the library's own compressor. Header-only so
// that the Qt tests of the picture layer can use it as well.

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

struct TestJpegOptions {
    int width = 8;
    int height = 8;
    /// 1 grey, 3 RGB, 4 CMYK; any other count has no colour meaning.
    int components = 3;
    int quality = 100;
    bool progressive = false;
    /// Hundreds of tiny scans, each refining one coefficient of one component (RGB only).
    bool endlessScans = false;
    /// CMYK only: whether the file says it was written the Adobe way (inverted values).
    bool adobeMarker = true;
};

namespace test_jpeg_detail {

struct Errors {
    jpeg_error_mgr library;
    std::jmp_buf jump;
};

[[noreturn]] inline void Fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

inline J_COLOR_SPACE SpaceOf(int components) {
    switch (components) {
        case 1:
            return JCS_GRAYSCALE;
        case 3:
            return JCS_RGB;
        case 4:
            return JCS_CMYK;
        default:
            return JCS_UNKNOWN;
    }
}

// No C++ objects with destructors live here, so the jump back from the library skips none.
inline bool Compress(jpeg_compress_struct& info, Errors& errors, const TestJpegOptions& options,
                     const std::uint8_t* samples, const jpeg_scan_info* scans, int scanCount,
                     unsigned char** out, unsigned long* size) {
    if (setjmp(errors.jump)) {
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(options.width);
    info.image_height = static_cast<JDIMENSION>(options.height);
    info.input_components = options.components;
    info.in_color_space = SpaceOf(options.components);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE);
    // Full colour resolution, so that each 8 x 8 block of one colour decodes to that colour.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    if (options.components == 4 && !options.adobeMarker) {
        info.write_Adobe_marker = FALSE;
    }
    if (options.progressive) {
        jpeg_simple_progression(&info);
    }
    if (scans) {
        info.scan_info = scans;
        info.num_scans = scanCount;
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(options.width) * options.components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace test_jpeg_detail

/// Encodes samples (options.components bytes per pixel, rows top-down) as a JPEG file image.
inline std::vector<std::uint8_t> EncodeTestJpeg(const TestJpegOptions& options,
                                                const std::vector<std::uint8_t>& samples) {
    if (samples.size() != static_cast<std::size_t>(options.width) * options.height *
                              static_cast<std::size_t>(options.components)) {
        throw std::invalid_argument("sample count does not match the picture size");
    }
    std::vector<jpeg_scan_info> scans;
    if (options.endlessScans) {
        scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
        for (int component = 0; component < 3; ++component) {
            for (int k = 1; k < 64; ++k) {
                scans.push_back({1, {component, 0, 0, 0}, k, k, 0, 1});
                scans.push_back({1, {component, 0, 0, 0}, k, k, 1, 0});
            }
        }
    }
    jpeg_compress_struct info{};
    test_jpeg_detail::Errors errors{};
    info.err = jpeg_std_error(&errors.library);
    errors.library.error_exit = test_jpeg_detail::Fail;
    unsigned char* out = nullptr;
    unsigned long size = 0;
    bool made = test_jpeg_detail::Compress(info, errors, options, samples.data(),
                                           scans.empty() ? nullptr : scans.data(),
                                           static_cast<int>(scans.size()), &out, &size);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> jpeg;
    if (made && out) {
        jpeg.assign(out, out + size);
    }
    std::free(out);
    if (!made) {
        throw std::runtime_error("the test picture could not be compressed");
    }
    return jpeg;
}

struct TestRgb {
    std::uint8_t r, g, b;
};

/// RGB samples with the colour that colourAt gives for each pixel.
inline std::vector<std::uint8_t> TestRgbSamples(int width, int height,
                                                const std::function<TestRgb(int, int)>& colourAt) {
    std::vector<std::uint8_t> samples;
    samples.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            TestRgb c = colourAt(x, y);
            samples.insert(samples.end(), {c.r, c.g, c.b});
        }
    }
    return samples;
}

/// Red, green, blue and white quarters (top-left, top-right, bottom-left, bottom-right) of a
/// 16 x 16 picture; each quarter is one 8 x 8 block, so the colours survive compression.
inline std::vector<std::uint8_t> TestQuarterSamples() {
    return TestRgbSamples(16, 16, [](int x, int y) -> TestRgb {
        if (y < 8) {
            return x < 8 ? TestRgb{255, 0, 0} : TestRgb{0, 255, 0};
        }
        return x < 8 ? TestRgb{0, 0, 255} : TestRgb{255, 255, 255};
    });
}

/// Changes the size that the frame header of a JPEG file claims.
inline void SetTestJpegSize(std::vector<std::uint8_t>& jpeg, std::uint16_t width,
                            std::uint16_t height) {
    std::size_t i = 2;
    while (i + 9 < jpeg.size() && jpeg[i] == 0xFF) {
        std::uint8_t code = jpeg[i + 1];
        if (code >= 0xC0 && code <= 0xC2) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            return;
        }
        i += 2 + ((static_cast<std::size_t>(jpeg[i + 2]) << 8) | jpeg[i + 3]);
    }
    throw std::runtime_error("no frame header");
}
