// Pictures, written as PNG or JPEG at the size they are shown, and links,
// written as HYPERLINK fields.

#include "rtf.h"
#include "rtfwriter_p.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextDocument>
#include <QUrl>

namespace Rtf {

namespace {

struct Picture
{
    QByteArray data;
    QSize pixels;
    const char *blip = "pngblip";
};

// PNG and JPEG bytes go out as they are; anything else Qt can decode is
// written as PNG.
Picture pictureOf(const QVariant &resource)
{
    QImage image;
    if (resource.userType() == QMetaType::QByteArray) {
        const QByteArray bytes = resource.toByteArray();
        const bool png = bytes.startsWith("\x89PNG\r\n\x1a\n");
        const bool jpeg = bytes.startsWith("\xff\xd8\xff");
        if (png || jpeg) {
            QBuffer buffer;
            buffer.setData(bytes);
            const QSize size = QImageReader(&buffer).size();
            if (size.isValid())
                return {bytes, size, png ? "pngblip" : "jpegblip"};
        }
        image = QImage::fromData(bytes);
    } else if (resource.userType() == QMetaType::QImage) {
        image = resource.value<QImage>();
    } else if (resource.userType() == QMetaType::QPixmap) {
        image = resource.value<QPixmap>().toImage();
    }
    if (image.isNull())
        return {};
    const bool jpeg = image.text(QLatin1String(PictureFormatKey)) == QLatin1String("JPEG");
    Picture picture{{}, image.size(), jpeg ? "jpegblip" : "pngblip"};
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1);
    return picture;
}

// The size the picture is shown at, worked out as Qt's layout does: a
// missing side keeps the picture's proportions.
QSizeF displaySize(const QTextImageFormat &format, QSize pixels)
{
    const bool hasWidth = format.hasProperty(QTextFormat::ImageWidth) && format.width() > 0;
    const bool hasHeight = format.hasProperty(QTextFormat::ImageHeight) && format.height() > 0;
    QSizeF size = pixels;
    if (hasWidth && hasHeight)
        size = {format.width(), format.height()};
    else if (hasWidth && pixels.width() > 0)
        size = {format.width(), format.width() * pixels.height() / pixels.width()};
    else if (hasHeight && pixels.height() > 0)
        size = {format.height() * pixels.width() / pixels.height(), format.height()};
    return size;
}

} // namespace

void Writer::writeImage(const QTextImageFormat &format)
{
    const Picture picture = pictureOf(document->resource(QTextDocument::ImageResource, QUrl(format.name())));
    if (picture.data.isEmpty()) {
        qCWarning(lcRtfWriter) << "no image data for" << format.name();
        return;
    }
    const QSizeF size = displaySize(format, picture.pixels);
    out.open();
    out.word("pict");
    out.word(picture.blip);
    out.word("picw", picture.pixels.width());
    out.word("pich", picture.pixels.height());
    out.word("picwgoal", pixelTwips(size.width()));
    out.word("pichgoal", pixelTwips(size.height()));
    out.newline();
    out.hex(picture.data);
    out.close();
}

void Writer::openLink(const QString &href)
{
    // Field instructions escape '\' themselves, and a quote would end the
    // address; "#name" points into the document, which is HYPERLINK \l.
    QString target = href;
    target.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("%22"));
    const QString instruction = target.startsWith(u'#')
        ? QStringLiteral("HYPERLINK \\l \"%1\"").arg(target.mid(1))
        : QStringLiteral("HYPERLINK \"%1\"").arg(target);

    open();
    out.word("field");
    open();
    out.ignorable();
    out.word("fldinst");
    open();
    out.text(instruction);
    close();
    close();
    open();
    out.word("fldrslt");
    open();
}

void Writer::closeLink()
{
    close();
    close();
    close();
}

} // namespace Rtf
