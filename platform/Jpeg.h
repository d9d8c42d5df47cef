#pragma once

#include "platform/SysUtils.h"

#include <QImage>

#include <cstddef>

// JPEG decoding with libjpeg. Both throw Exception with a readable text on a bad or missing picture.
QImage DecodeJpeg(const unsigned char *data, std::size_t size);
QImage LoadJpegFile(const AnsiString &path);
// A picture compiled into the program by name ("mechanism1.jpg"); a null image when there is none.
QImage EmbeddedJpeg(const char *name);
// A PNG compiled into the program (the tool-bar icons); a null image when there is none.
QImage EmbeddedPng(const char *name);
