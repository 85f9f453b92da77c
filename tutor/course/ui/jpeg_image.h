#pragma once

#include <QImage>

#include <string>

#include "common/message_sink.h"
#include "tutor/course/bitmap_image.h"

/// The bitmap as an image for drawing, top row first; a null image when the bitmap holds
/// fewer bytes than its header promises.
QImage BitmapToQImage(const BitmapImage& bitmap);

/// Loads a JPEG picture for drawing; a null image (after the message) when it cannot be had.
QImage LoadJpegImage(const std::string& path, MessageSink& messages);
