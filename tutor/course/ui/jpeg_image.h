#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <string>

#include "common/message_sink.h"
#include "tutor/course/rgb_image.h"

/// The decoded pixels as an image for drawing; a null image when the pixels are fewer than
/// the picture's size promises.
QImage RgbToQImage(const RgbImage& image);

/// Loads a JPEG picture for drawing; a null image (after the message) when it cannot be had.
QImage LoadJpegImage(const std::string& path, MessageSink& messages);

/// Decodes a JPEG picture held in memory for drawing; a null image (after the message) when
/// it cannot be decoded.
QImage DecodeJpegImage(std::span<const std::uint8_t> data, MessageSink& messages);
