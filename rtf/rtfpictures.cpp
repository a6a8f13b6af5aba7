// Pictures: PNG and JPEG data in hex or \bin, shown at their goal size.

#include "rtf.h"
#include "rtfreader_p.h"

#include <QImage>
#include <QTextDocument>
#include <QUrl>

namespace Rtf {

void Reader::handlePictureWord(const WordEntry &entry, int parameter)
{
    switch (entry.word) {
    case Word::PictureFormat:
        m_picture.kind = PictureKind(entry.value);
        break;
    case Word::PictureGoal:
        m_picture.goal[size_t(entry.value)] = std::clamp(parameter, 0, 1'000'000);
        break;
    case Word::PictureScale:
        m_picture.scale[size_t(entry.value)] = std::clamp(parameter, 1, 10'000);
        break;
    default:
        break;
    }
}

// Hex digits of picture data; anything else between them is white space.
void Reader::addPictureHex(QByteArrayView bytes)
{
    for (char c : bytes) {
        const int digit = Tokenizer::hexValue(c);
        if (digit < 0)
            continue;
        if (m_picture.highNibble < 0) {
            m_picture.highNibble = digit;
        } else {
            m_picture.data.append(char(m_picture.highNibble * 16 + digit));
            m_picture.highNibble = -1;
        }
    }
}

// \bin data: picture bytes as they are; anywhere else nothing to show.
void Reader::handleBinary(QByteArrayView bytes)
{
    if (state().destination == Destination::Picture) {
        m_picture.data.append(bytes);
        m_picture.highNibble = -1;
    }
}

void Reader::finishPicture()
{
    Picture picture = std::exchange(m_picture, Picture());
    if (!picture.shown || picture.data.isEmpty())
        return;
    if (picture.kind != PictureKind::Png && picture.kind != PictureKind::Jpeg)
        return; // metafiles and device-independent bitmaps: nothing Qt can show
    QImage image;
    if (!image.loadFromData(picture.data, picture.kind == PictureKind::Png ? "PNG" : "JPEG")) {
        warn(BadPicture, "picture data that does not decode");
        return;
    }
    if (picture.kind == PictureKind::Jpeg)
        image.setText(QLatin1String(Rtf::PictureFormatKey), QStringLiteral("JPEG"));

    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    const std::array<int, 2> natural{image.width(), image.height()};
    std::array<qreal, 2> size{};
    for (size_t i = 0; i < 2; ++i) {
        const qreal pixels = picture.goal[i] > 0 ? qreal(picture.goal[i]) / TwipsPerPixel : natural[i];
        size[i] = pixels * picture.scale[i] / 100.0;
    }
    format.setWidth(size[0]);
    format.setHeight(size[1]);
    if (const int link = state().link; link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_fields[size_t(link)].href);
    }

    beginContent();
    flushText();
    m_cursor.insertImage(format);
}

} // namespace Rtf
