#include "gifwriter.h"

#include <QByteArray>
#include <QImage>

#include <array>
#include <vector>

namespace {

constexpr int PaletteSize = 16;
constexpr int MinCodeSize = 4; // log2(PaletteSize)
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int MaxCode = 4095; // codes are at most 12 bits wide

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// Packs codes least significant bit first and cuts the byte stream into the
// sub-blocks of at most 255 bytes that GIF image data is made of.
class CodeWriter
{
public:
    explicit CodeWriter(QByteArray &out) : m_out(out) {}

    void write(int code, int width)
    {
        m_bits |= quint32(code) << m_bitCount;
        m_bitCount += width;
        while (m_bitCount >= 8) {
            pushByte(char(m_bits & 0xff));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }

    void finish()
    {
        if (m_bitCount > 0)
            pushByte(char(m_bits & 0xff));
        flushBlock();
        m_out.append('\0'); // block terminator
    }

private:
    void pushByte(char byte)
    {
        m_block.append(byte);
        if (m_block.size() == 255)
            flushBlock();
    }

    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }

    QByteArray &m_out;
    QByteArray m_block;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

void appendLzwData(QByteArray &out, const QImage &image)
{
    // The string table as a trie: next[code][pixel] is the code of the string
    // `code` followed by `pixel`, or 0 when that string has no code yet.
    std::vector<std::array<quint16, PaletteSize>> next(MaxCode + 1);
    int nextCode = EndCode + 1;
    int codeSize = MinCodeSize + 1;

    out.append(char(MinCodeSize));
    CodeWriter writer(out);
    writer.write(ClearCode, codeSize);

    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int pixel = line[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            if (const int code = next[prefix][pixel]) {
                prefix = code;
                continue;
            }
            writer.write(prefix, codeSize);
            next[prefix][pixel] = quint16(nextCode);
            // The decoder adds each code one step later than we do, so it
            // widens its codes exactly when we do here.
            if (nextCode == (1 << codeSize) && codeSize < 12)
                ++codeSize;
            if (++nextCode > MaxCode) {
                writer.write(ClearCode, codeSize);
                std::fill(next.begin(), next.end(), std::array<quint16, PaletteSize>{});
                nextCode = EndCode + 1;
                codeSize = MinCodeSize + 1;
            }
            prefix = pixel;
        }
    }
    if (prefix >= 0)
        writer.write(prefix, codeSize);
    writer.write(EndCode, codeSize);
    writer.finish();
}

} // namespace

QByteArray encodeGif(const QImage &image)
{
    Q_ASSERT(image.format() == QImage::Format_Indexed8);
    Q_ASSERT(image.colorCount() <= PaletteSize);

    QByteArray out("GIF89a");
    appendWord(out, image.width());
    appendWord(out, image.height());
    // Global colour table present, 8 bits per primary, 2^(3+1) entries.
    out.append(char(0x80 | 0x70 | (MinCodeSize - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // square pixels

    const QList<QRgb> colors = image.colorTable();
    for (int i = 0; i < PaletteSize; ++i) {
        const QRgb rgb = i < colors.size() ? colors[i] : qRgb(0, 0, 0);
        out.append(char(qRed(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qBlue(rgb)));
    }

    out.append(',');          // image descriptor
    appendWord(out, 0);       // left
    appendWord(out, 0);       // top
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append('\0');         // no local colour table, not interlaced
    appendLzwData(out, image);

    out.append(';');          // trailer
    return out;
}
