#include "app/PictureOutput.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "app/QtCanvas.h"

namespace oskava {

namespace {

/// White ground, then the drawing, on a device of size pixels.
void PaintOn(QPaintDevice& device, QSize size, const Drawing& draw) {
    QPainter painter(&device);
    const QRect area(QPoint(0, 0), size);
    painter.fillRect(area, Qt::white);
    QtCanvas canvas(painter, area);
    draw(canvas);
}

}  // namespace

QImage PaintImage(QSize size, const Drawing& draw) {
    if (static_cast<qint64>(size.width()) * size.height() > kMostImagePixels) {
        return QImage();
    }
    // 32-bit RGB: the format on which the raster operations work.
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull()) {
        PaintOn(image, size, draw);
    }
    return image;
}

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return PictureFormat::Png;
    }
    if (name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return PictureFormat::Svg;
    }
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

std::string WritePicture(const std::string& path, PictureFormat format, QSize size,
                         const Drawing& draw) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString().toStdString();
    }
    switch (format) {
        case PictureFormat::Png: {
            const QImage image = PaintImage(size, draw);
            if (image.isNull()) {
                return "a picture of " + std::to_string(size.width()) + " x " +
                       std::to_string(size.height()) + " pixels is more than " +
                       (static_cast<qint64>(size.width()) * size.height() > kMostImagePixels
                            ? "the limit of " + std::to_string(kMostImagePixels) + " pixels"
                            : std::string("the memory at hand"));
            }
            if (!image.save(&file, "PNG")) {
                return file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                            : "the PNG could not be encoded";
            }
            break;
        }
        case PictureFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(size);
            // The size is written in millimetres; at 96 dpi, a browser's pixel, the SVG
            // shows as large as the PNG.
            svg.setResolution(96);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            PaintOn(svg, size, draw);
            break;
        }
        case PictureFormat::Pdf: {
            // One point per device pixel: the page is exactly the drawing surface.
            QPdfWriter pdf(&file);
            pdf.setResolution(72);
            pdf.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            PaintOn(pdf, size, draw);
            break;
        }
    }
    if (!file.commit()) {
        return file.errorString().toStdString();
    }
    return std::string();
}

}  // namespace oskava
