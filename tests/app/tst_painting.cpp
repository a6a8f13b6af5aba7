#include "controls.h"
#include "formstyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

// What the form style draws must be what Fusion draws, however often a look
// is copied and whatever lies beneath it.
class tst_Painting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsWhatFusionDraws_data();
    void drawsWhatFusionDraws();
    void pictureBoxShowsItsPixels_data();
    void pictureBoxShowsItsPixels();

private:
    std::unique_ptr<QStyle> m_fusion;
    std::unique_ptr<FormStyle> m_formStyle;
};

namespace {

// A parent whose background changes from pixel to pixel, so that a frame
// copied with the wrong transparency shows.
class Backdrop : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int x = 0; x < width(); x += 3)
            painter.fillRect(x, 0, 3, height(), QColor::fromHsv((x * 7) % 360, 160, 220));
    }
};

using Setup = std::function<QWidget *(QWidget *parent)>;

QImage rendered(QWidget *backdrop, QWidget *subject, QStyle *style)
{
    subject->setStyle(style);
    QImage image(backdrop->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    backdrop->render(&image);
    return image;
}

// The largest difference of one colour channel between two pictures of one
// size.
int largestDifference(const QImage &one, const QImage &other)
{
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return largest;
}

} // namespace

void tst_Painting::initTestCase()
{
    m_fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
    m_formStyle = std::make_unique<FormStyle>();
}

void tst_Painting::drawsWhatFusionDraws_data()
{
    QTest::addColumn<Setup>("setup");

    const auto lineEdit = [](QSize size, std::function<void(QLineEdit *)> change = {}) -> Setup {
        return [=](QWidget *parent) {
            auto edit = new QLineEdit(QStringLiteral("Goblin"), parent);
            edit->setGeometry(QRect({5, 4}, size));
            if (change)
                change(edit);
            return edit;
        };
    };
    QTest::newRow("text box") << lineEdit({97, 19});
    QTest::newRow("same size again") << lineEdit({97, 19});
    QTest::newRow("other size") << lineEdit({209, 19});
    QTest::newRow("read-only") << lineEdit({97, 19}, [](QLineEdit *edit) { edit->setReadOnly(true); });
    QTest::newRow("disabled") << lineEdit({97, 19}, [](QLineEdit *edit) { edit->setEnabled(false); });
    QTest::newRow("other colours") << lineEdit({97, 19}, [](QLineEdit *edit) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::yellow);
        palette.setColor(QPalette::Window, Qt::darkGreen);
        edit->setPalette(palette);
    });
    QTest::newRow("patterned base") << lineEdit({97, 19}, [](QLineEdit *edit) {
        QPalette palette = edit->palette();
        palette.setBrush(QPalette::Base, QBrush(Qt::cyan, Qt::Dense4Pattern));
        edit->setPalette(palette);
    });
    QTest::newRow("no frame") << lineEdit({97, 19}, [](QLineEdit *edit) { edit->setFrame(false); });

    const auto radio = [](bool checked) -> Setup {
        return [=](QWidget *parent) {
            auto button = new QRadioButton(QStringLiteral("Wizard"), parent);
            button->setGeometry(5, 4, 113, 17);
            button->setChecked(checked);
            return button;
        };
    };
    QTest::newRow("radio button") << radio(false);
    QTest::newRow("checked radio button") << radio(true);
    QTest::newRow("radio button again") << radio(false);

    const auto scrollBar = [](Qt::Orientation orientation, QRect geometry, int value) -> Setup {
        return [=](QWidget *parent) {
            auto bar = new QScrollBar(orientation, parent);
            bar->setGeometry(geometry);
            bar->setRange(0, 500);
            bar->setValue(value);
            return bar;
        };
    };
    QTest::newRow("tall scroll bar") << scrollBar(Qt::Vertical, {5, 4, 16, 117}, 120);
    QTest::newRow("handle across strips") << scrollBar(Qt::Vertical, {5, 4, 16, 121}, 250);
    QTest::newRow("handle at the end") << scrollBar(Qt::Vertical, {5, 4, 16, 121}, 500);
    QTest::newRow("short scroll bar") << scrollBar(Qt::Vertical, {5, 4, 16, 40}, 120);
    QTest::newRow("wide scroll bar") << scrollBar(Qt::Horizontal, {5, 4, 230, 16}, 120);
}

void tst_Painting::drawsWhatFusionDraws()
{
    QFETCH(Setup, setup);

    Backdrop backdrop;
    backdrop.resize(240, 130);
    QWidget *subject = setup(&backdrop);

    const QImage byFusion = rendered(&backdrop, subject, m_fusion.get());
    const QImage byFormStyle = rendered(&backdrop, subject, m_formStyle.get());
    // Copying a drawn picture rounds its antialiased edges once more.
    QVERIFY2(largestDifference(byFormStyle, byFusion) <= 1,
             qPrintable(QStringLiteral("differs by %1").arg(largestDifference(byFormStyle, byFusion))));
}

void tst_Painting::pictureBoxShowsItsPixels_data()
{
    QTest::addColumn<QRect>("exposed");

    QTest::newRow("whole picture") << QRect();
    QTest::newRow("rows in the middle of a band") << QRect(0, 21, 60, 7);
    QTest::newRow("last rows") << QRect(10, 60, 40, 10);
}

void tst_Painting::pictureBoxShowsItsPixels()
{
    QFETCH(QRect, exposed);

    // 70 rows: the last band is a partial one.
    QImage picture(60, 70, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(200, 30, 30), qRgb(20, 140, 60), qRgb(10, 10, 90)});
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, (x / 7 + y / 5) % 3);
    }
    PictureBox box(picture);
    box.resize(picture.width() + 4, picture.height() + 4);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect area = exposed.isNull() ? picture.rect() : exposed;

    const QImage shown = box.client()->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, picture.copy(area).convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(tst_Painting)
#include "tst_painting.moc"
