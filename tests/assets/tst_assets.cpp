// Checks the compiled-in pictures the way the windows use them: through the
// resource system, with nothing but the `assets` library linked (no
// Q_INIT_RESOURCE), so a missing or malformed resource fails here first.

#include "assets/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include <array>

namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb MidGrey = qRgb(138, 138, 138);
constexpr QRgb LightGrey = qRgb(217, 217, 217);

// The encounter spots over the map, one per number 1 to 40.
constexpr std::array<QRect, 40> Spots = {{
    {8, 24, 17, 9},    {8, 88, 17, 9},    {88, 88, 17, 9},   {312, 24, 17, 9},
    {8, 168, 17, 9},   {232, 104, 9, 9},  {248, 104, 17, 9}, {328, 168, 17, 9},
    {392, 168, 17, 9}, {472, 168, 17, 9}, {472, 104, 17, 9}, {176, 184, 9, 9},
    {472, 184, 17, 9}, {416, 184, 9, 9},  {72, 264, 17, 9},  {96, 264, 9, 9},
    {96, 328, 9, 9},   {312, 328, 17, 9}, {312, 264, 17, 9}, {8, 344, 17, 9},
    {8, 408, 17, 9},   {232, 408, 17, 9}, {232, 344, 17, 9}, {168, 344, 17, 9},
    {312, 344, 17, 9}, {336, 344, 17, 9}, {408, 408, 17, 9}, {152, 488, 17, 9},
    {248, 424, 17, 9}, {472, 488, 17, 9}, {72, 568, 17, 9},  {152, 504, 17, 9},
    {248, 568, 17, 9}, {392, 568, 17, 9}, {72, 584, 17, 9},  {8, 584, 17, 9},
    {96, 584, 17, 9},  {88, 648, 17, 9},  {152, 648, 17, 9}, {312, 648, 17, 9},
}};

// Where Label4 "Encounter Number" and Text2 lie over the map.
constexpr QRect EncounterNumberMargin(QPoint(392, 640), QPoint(489, 675));
constexpr QRect TitleBox(QPoint(136, 665), QPoint(368, 676));

bool onVerticalGridLine(int x) { return x >= 10 && x <= 490 && (x - 10) % 20 == 0; }
bool onHorizontalGridLine(int y) { return y >= 20 && y <= 640 && y % 20 == 0; }

// Eight-connected groups of red pixels inside `area`: one per digit, since
// each digit is drawn in one piece and digits stand apart.
int redGroups(const QImage &map, const QRect &area)
{
    QSet<QPoint> seen;
    int groups = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (map.pixel(x, y) != Red || seen.contains({x, y}))
                continue;
            ++groups;
            QList<QPoint> pending{{x, y}};
            seen.insert({x, y});
            while (!pending.isEmpty()) {
                const QPoint p = pending.takeLast();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (area.contains(q) && map.pixel(q) == Red && !seen.contains(q)) {
                            seen.insert(q);
                            pending.append(q);
                        }
                    }
                }
            }
        }
    }
    return groups;
}

// Colour classes for the antialiased faces, loose enough for edge pixels.
enum class Hue { None, Blue, Red, Purple, Green };

Hue hue(QRgb rgb)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    if (b > r + 80 && b > g + 40)
        return Hue::Blue;
    if (r > 150 && g < 90 && b < 90)
        return Hue::Red;
    if (r > 80 && b > 130 && g < 100 && b > r)
        return Hue::Purple;
    if (g > r + 60 && g > b + 40)
        return Hue::Green;
    return Hue::None;
}

bool isCream(QRgb rgb)
{
    return qRed(rgb) >= 245 && qGreen(rgb) >= 235 && qBlue(rgb) >= 200 && qBlue(rgb) <= 240
        && qBlue(rgb) < qGreen(rgb);
}

bool isWhite(QRgb rgb) { return qRed(rgb) >= 245 && qGreen(rgb) >= 245 && qBlue(rgb) >= 245; }
bool isInk(QRgb rgb) { return qRed(rgb) < 60 && qGreen(rgb) < 60 && qBlue(rgb) < 60; }

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void mapIsSingleFrameGifWithSixteenColourPalette();
    void mapUsesExactlyFiveColours();
    void shownPictureHasTheFilesPixels_data();
    void shownPictureHasTheFilesPixels();
    void spotHoldsItsNumberOnFloor_data();
    void spotHoldsItsNumberOnFloor();
    void redBelongsOnlyToNumbers();
    void encounterNumberMarginHasNoRooms();
    void gridDotsLieOnTheGridLines();
    void everyGridLineIsDrawn();
    void titleIsCentredInBottomMargin();

    void face_data();
    void face();
    void iconFindsHighDpiFace_data();
    void iconFindsHighDpiFace();

private:
    QImage m_map;
};

void TestAssets::initTestCase()
{
    m_map = QImage(":/map.gif").convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!m_map.isNull(), "the map resource is missing or unreadable");
    QCOMPARE(m_map.size(), QSize(500, 680));
}

void TestAssets::mapIsSingleFrameGifWithSixteenColourPalette()
{
    QFile file(":/map.gif");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(13);
    QCOMPARE(header.left(6), QByteArray("GIF89a"));
    QCOMPARE(uchar(header[6]) | uchar(header[7]) << 8, 500);
    QCOMPARE(uchar(header[8]) | uchar(header[9]) << 8, 680);
    const uchar packed = uchar(header[10]);
    QVERIFY2(packed & 0x80, "no global colour table");
    QCOMPARE(2 << (packed & 0x07), 16);

    QImageReader reader(":/map.gif");
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.imageCount(), 1);
}

void TestAssets::mapUsesExactlyFiveColours()
{
    QSet<QRgb> used;
    for (int y = 0; y < m_map.height(); ++y) {
        for (int x = 0; x < m_map.width(); ++x)
            used.insert(m_map.pixel(x, y) & 0xffffff);
    }
    const QSet<QRgb> expected{White & 0xffffff, Black & 0xffffff, Red & 0xffffff,
                              MidGrey & 0xffffff, LightGrey & 0xffffff};
    QCOMPARE(used, expected);
}

// The windows show the uncompressed copies; a picture redrawn without
// regenerating both files differs here.
void TestAssets::shownPictureHasTheFilesPixels_data()
{
    QTest::addColumn<QImage>("shown");
    QTest::addColumn<QString>("file");
    QTest::newRow("map") << dungeonMapPicture() << QStringLiteral(":/map.gif");
    for (const char *face : {"edit", "clear", "close", "ok", "cancel"}) {
        QTest::addRow("%s", face) << buttonFacePicture(face)
                                  << QStringLiteral(":/faces/%1.png").arg(face);
        QTest::addRow("%s@2x", face) << buttonFacePicture(face, 2)
                                     << QStringLiteral(":/faces/%1@2x.png").arg(face);
    }
}

void TestAssets::shownPictureHasTheFilesPixels()
{
    QFETCH(QImage, shown);
    QFETCH(QString, file);
    QVERIFY2(!shown.isNull(), "the .pixels copy is missing or malformed");
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             QImage(file).convertToFormat(QImage::Format_RGB32));
}

void TestAssets::spotHoldsItsNumberOnFloor_data()
{
    QTest::addColumn<QRect>("spot");
    QTest::addColumn<int>("digits");
    for (int number = 1; number <= int(Spots.size()); ++number) {
        QTest::addRow("spot %d", number) << Spots[number - 1] << int(QString::number(number).size());
    }
}

void TestAssets::spotHoldsItsNumberOnFloor()
{
    QFETCH(QRect, spot);
    QFETCH(int, digits);

    QCOMPARE(redGroups(m_map, spot), digits);

    // The number stands on a room's floor: the ring of pixels around it is
    // white, so it touches no wall, rock or grid dot.
    QRect number;
    for (int y = spot.top(); y <= spot.bottom(); ++y) {
        for (int x = spot.left(); x <= spot.right(); ++x) {
            if (m_map.pixel(x, y) == Red)
                number |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(number.width() >= 3 && number.height() >= 6, "the number is not 5 x 7 digits");
    const QRect ring = number.adjusted(-1, -1, 1, 1);
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
        for (int x = ring.left(); x <= ring.right(); ++x) {
            if (ring.adjusted(1, 1, -1, -1).contains(x, y))
                continue;
            QVERIFY2(m_map.pixel(x, y) == White,
                     qPrintable(QStringLiteral("not floor at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestAssets::redBelongsOnlyToNumbers()
{
    for (int y = 0; y < m_map.height(); ++y) {
        for (int x = 0; x < m_map.width(); ++x) {
            if (m_map.pixel(x, y) != Red)
                continue;
            const bool inSpot = std::any_of(Spots.begin(), Spots.end(),
                                            [&](const QRect &spot) { return spot.contains(x, y); });
            QVERIFY2(inSpot, qPrintable(QStringLiteral("red outside every spot at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestAssets::encounterNumberMarginHasNoRooms()
{
    for (int y = EncounterNumberMargin.top(); y <= EncounterNumberMargin.bottom(); ++y) {
        for (int x = EncounterNumberMargin.left(); x <= EncounterNumberMargin.right(); ++x) {
            const QRgb pixel = m_map.pixel(x, y);
            QVERIFY2(pixel != Black && pixel != White,
                     qPrintable(QStringLiteral("wall or floor at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestAssets::gridDotsLieOnTheGridLines()
{
    for (int y = 0; y < m_map.height(); ++y) {
        for (int x = 0; x < m_map.width(); ++x) {
            if (m_map.pixel(x, y) != MidGrey)
                continue;
            const QString where = QStringLiteral("%1,%2").arg(x).arg(y);
            QVERIFY2(onVerticalGridLine(x) || onHorizontalGridLine(y),
                     qPrintable("grid dot off the grid lines at " + where));
            // Dotted, not solid: a dot's neighbours along its line are not dots.
            if (onVerticalGridLine(x))
                QVERIFY2(m_map.pixel(x, y + 1) != MidGrey, qPrintable("solid line at " + where));
            if (onHorizontalGridLine(y))
                QVERIFY2(m_map.pixel(x + 1, y) != MidGrey, qPrintable("solid line at " + where));
        }
    }
}

void TestAssets::everyGridLineIsDrawn()
{
    // Walls hide parts of a line, never all of it.
    constexpr int MinimumDots = 20;
    for (int x = 10; x <= 490; x += 20) {
        int dots = 0;
        for (int y = 20; y <= 640; ++y)
            dots += m_map.pixel(x, y) == MidGrey;
        QVERIFY2(dots >= MinimumDots, qPrintable(QStringLiteral("vertical line x = %1 has %2 dots").arg(x).arg(dots)));
    }
    for (int y = 20; y <= 640; y += 20) {
        int dots = 0;
        for (int x = 10; x <= 490; ++x)
            dots += m_map.pixel(x, y) == MidGrey;
        QVERIFY2(dots >= MinimumDots, qPrintable(QStringLiteral("horizontal line y = %1 has %2 dots").arg(y).arg(dots)));
    }
}

void TestAssets::titleIsCentredInBottomMargin()
{
    // Below the lowest walls (y = 661) the only black is the title.
    QRect title;
    for (int y = 662; y < m_map.height(); ++y) {
        for (int x = 0; x < m_map.width(); ++x) {
            if (m_map.pixel(x, y) == Black)
                title |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(!title.isNull(), "no title");
    QVERIFY2(TitleBox.contains(title), qPrintable(QStringLiteral("title spans %1,%2 to %3,%4")
             .arg(title.left()).arg(title.top()).arg(title.right()).arg(title.bottom())));
    QVERIFY(title.width() > TitleBox.width() / 2);
    QVERIFY(qAbs(title.center().x() - TitleBox.center().x()) <= 1);
}

void TestAssets::face_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("scale");
    QTest::addColumn<Hue>("iconHue");
    QTest::addColumn<bool>("whiteSymbol");

    const struct { const char *name; Hue iconHue; bool whiteSymbol; } faces[] = {
        {"edit", Hue::Blue, false},  {"clear", Hue::Red, false},  {"close", Hue::Purple, true},
        {"ok", Hue::Green, true},    {"cancel", Hue::Red, true},
    };
    for (const auto &face : faces) {
        QTest::addRow("%s", face.name)
            << QStringLiteral(":/faces/%1.png").arg(face.name) << 1 << face.iconHue << face.whiteSymbol;
        QTest::addRow("%s@2x", face.name)
            << QStringLiteral(":/faces/%1@2x.png").arg(face.name) << 2 << face.iconHue << face.whiteSymbol;
    }
}

void TestAssets::face()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    QFETCH(Hue, iconHue);
    QFETCH(bool, whiteSymbol);

    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!image.isNull(), qPrintable(path + " is missing"));
    QCOMPARE(image.size(), QSize(100, 25) * scale);

    const QRect all = image.rect();
    for (const QPoint corner : {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
        QVERIFY2(isCream(image.pixel(corner)), "a corner is not cream");

    // The icon fills the left 26 logical pixels, the word the rest.
    const int split = 26 * scale;
    int iconPixels = 0, whitePixels = 0, inkPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const Hue pixelHue = hue(pixel);
            if (x < split) {
                QVERIFY2(pixelHue == Hue::None || pixelHue == iconHue, "the icon has a foreign colour");
                iconPixels += pixelHue == iconHue;
                whitePixels += isWhite(pixel);
            } else {
                QVERIFY2(pixelHue == Hue::None, "icon colour beside the icon");
                inkPixels += isInk(pixel);
            }
        }
    }
    const int area = scale * scale;
    QVERIFY2(iconPixels >= 60 * area, qPrintable(QStringLiteral("%1 icon pixels").arg(iconPixels)));
    QCOMPARE(whitePixels >= 10 * area, whiteSymbol);
    QVERIFY2(inkPixels >= 40 * area, qPrintable(QStringLiteral("%1 black text pixels").arg(inkPixels)));
}

void TestAssets::iconFindsHighDpiFace_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"edit", "clear", "close", "ok", "cancel"})
        QTest::addRow("%s", name) << QStringLiteral(":/faces/%1.png").arg(name);
}

void TestAssets::iconFindsHighDpiFace()
{
    QFETCH(QString, path);

    const QIcon icon(path);
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(100, 25)));
    QVERIFY2(sizes.contains(QSize(200, 50)), "the @2x face was not found beside the 1x face");
    QCOMPARE(icon.pixmap(QSize(100, 25), 2.0).size(), QSize(200, 50));
}

int main(int argc, char *argv[])
{
    // A high-DPI screen: only then does QIcon look for the @2x faces.
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    TestAssets test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_assets.moc"
