// Pictures of a drawing: a white image of the drawing surface (what Copy puts on the
// clipboard) and the same picture written to a PNG, SVG or PDF file.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <optional>
#include <string>

#include "view/Canvas.h"

namespace oskava {

/// Draws onto a canvas whose device is the whole picture; sets up its own mapping.
using Drawing = std::function<void(Canvas&)>;

enum class PictureFormat { Png, Svg, Pdf };

/// The most pixels an image may have: 2^28, a gigabyte of 32-bit pixels. A bigger
/// surface (a deep survey zoomed far in) would exhaust the memory of most machines.
constexpr qint64 kMostImagePixels = qint64(1) << 28;

/// The drawing on a white RGB image of size pixels; a null image for more than
/// kMostImagePixels or when that much memory cannot be had.
QImage PaintImage(QSize size, const Drawing& draw);

/// The format that the file name's extension names (.png, .svg, .pdf, in any case);
/// nullopt for any other name.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

/// Writes the drawing, size pixels (PDF: points) on a white ground, to the file; the
/// file is replaced only when complete. Returns an empty string when done, else why not.
std::string WritePicture(const std::string& path, PictureFormat format, QSize size,
                         const Drawing& draw);

}  // namespace oskava
