#include "tests/support/formtesting.h"

#include "kit/controls.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "kit/module1.h"
#include "kit/richtextbox.h"
#include "app/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QRadioButton>
#include <QTimer>

// The dungeon window as the game master sees it: its layout, the party
// markers, Clear, and the end of the application when the window closes.
class tst_DungeonWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState();
    void window();
    void geometry_data();
    void geometry();
    void captions_data();
    void captions();
    void textBoxes_data();
    void textBoxes();
    void typing_data();
    void typing();
    void spots();
    void mapColours();
    void tabOrder();

    void pressReachesFrontmostControl_data();
    void pressReachesFrontmostControl();
    void markerPlacement_data();
    void markerPlacement();
    void markerUnderSpotStaysVisible();
    void markerPlacedTwiceAndOthersKept();
    void noOptionSelectedMovesFirstMarker();
    void clear();
    void clearOnClearBoard();
    void undoClear();

    void closingEndsApplication();

private:
    QLabel *marker(int k) const { return control<QLabel>(board(), QStringLiteral("Label1(%1)").arg(k)); }
    void selectOption(int k);
};

namespace {

// Map children are placed in the map's client area, the window's other
// controls in the window's.
struct Expected
{
    const char *name;
    QRect geometry;
};

const Expected Layout[] = {
    {"Picture1", {16, 8, 504, 684}},
    {"Label2(0)", {528, 8, 457, 17}},
    {"RichTextBox1(0)", {528, 24, 457, 121}},
    {"Label2(5)", {528, 592, 353, 17}},
    {"RichTextBox1(1)", {528, 608, 353, 81}},
    {"cmdEdit", {888, 600, 105, 25}},
    {"cmdClear", {888, 632, 105, 25}},
    {"cmdClose", {888, 664, 105, 25}},
    {"Label2(1)", {528, 152, 201, 17}},
    {"Label2(3)", {752, 152, 41, 17}},
    {"Label2(4)", {816, 152, 73, 17}},
    {"Label2(2)", {912, 152, 73, 17}},
    {"Text1(0)", {536, 168, 193, 19}},
    {"Text1(9)", {536, 384, 193, 19}},
    {"Text1(10)", {752, 168, 41, 19}},
    {"Text1(13)", {752, 240, 41, 19}},
    {"Text1(25)", {816, 288, 73, 19}},
    {"Text1(30)", {912, 168, 73, 19}},
    {"Text1(39)", {912, 384, 73, 19}},
    {"Label2(6)", {576, 408, 353, 17}},
    {"Option1", {576, 424, 113, 17}},
    {"Option4", {576, 496, 113, 17}},
    {"Option7", {576, 568, 113, 17}},
    {"Label3", {696, 424, 17, 17}},
    {"Label8", {696, 520, 17, 17}},
    {"Label10", {696, 568, 17, 17}},
    {"Text4(0)", {720, 424, 209, 19}},
    {"Text4(5)", {720, 544, 209, 19}},
    {"Text5", {720, 568, 209, 19}},
    // In the map.
    {"Label4", {392, 640, 97, 17}},
    {"Text2", {392, 656, 97, 19}},
    {"lblEncounter1", {8, 24, 17, 9}},
    {"lblEncounter6", {232, 104, 9, 9}},
    {"lblEncounter7", {248, 104, 17, 9}},
    {"lblEncounter12", {176, 184, 9, 9}},
    {"lblEncounter23", {232, 344, 17, 9}},
    {"lblEncounter35", {72, 584, 17, 9}},
    {"lblEncounter40", {312, 648, 17, 9}},
    {"Label1(0)", {352, 680, 17, 17}},
    {"Label1(3)", {456, 680, 17, 17}},
    {"Label1(6)", {496, 680, 17, 17}},
};

const QRgb PartyColours[] = {qRgb(255, 0, 0),   qRgb(0, 0, 255),   qRgb(0, 255, 0),
                             qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 128, 0),
                             qRgb(0, 0, 0)};

QPoint inMap(int x, int y)
{
    // The map's client area starts inside its 2-pixel border.
    return QPoint(16 + 2 + x, 8 + 2 + y);
}

} // namespace

void tst_DungeonWindow::initTestCase()
{
    startDungeonBoard();
}

void tst_DungeonWindow::init()
{
    QVERIFY(showBoard());
}

void tst_DungeonWindow::cleanup()
{
    unloadWindows();
}

void tst_DungeonWindow::selectOption(int k)
{
    clickControl(control(board(), QStringLiteral("Option%1").arg(k + 1)));
    QVERIFY(control<QRadioButton>(board(), QStringLiteral("Option%1").arg(k + 1))->isChecked());
}

void tst_DungeonWindow::startState()
{
    QCOMPARE(Module1::DungeonNumber, qint16(1));
    QCOMPARE(Module1::EncounterNumber, qint16(0));
    QVERIFY(!control(board(), "cmdEdit")->isEnabled());
    QVERIFY(control(board(), "cmdClear")->isEnabled());
    QVERIFY(control(board(), "cmdClose")->isEnabled());
    QCOMPARE(textOf(board(), "Text2"), QString());
    QVERIFY(control<QRadioButton>(board(), "Option7")->isChecked());
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(textOf(board(), QStringLiteral("Text4(%1)").arg(k)),
                 QStringLiteral("Character %1").arg(k + 1));
    }
    for (int k = 0; k < 7; ++k) {
        QCOMPARE(marker(k)->y(), 680);
        QVERIFY(!marker(k)->visibleRegion().intersects(marker(k)->rect()));
    }
    QCOMPARE(QApplication::focusWidget(), control(board(), "Picture1"));
}

void tst_DungeonWindow::window()
{
    QWidget *window = board();
    QCOMPARE(window->objectName(), QStringLiteral("frmEditableDungeon1"));
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Orvane Editable Dungeon 1 (")));
    QVERIFY(window->windowTitle().endsWith(QLatin1Char(')')));
    QCOMPARE(window->size(), QSize(1000, 700));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->palette().color(QPalette::Window),
             window->palette().color(QPalette::ToolTipBase));

    auto map = control<PictureBox>(window, "Picture1");
    QCOMPARE(map->client()->size(), QSize(500, 680));
    QCOMPARE(map->client()->mapTo(window, QPoint(0, 0)), QPoint(18, 10));
}

void tst_DungeonWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    for (const Expected &row : Layout)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.geometry;

    // Every spot, from the rule that spots 6, 12, 14, 16 and 17 are narrow.
    for (int n = 1; n <= 40; ++n) {
        const bool narrow = n == 6 || n == 12 || n == 14 || n == 16 || n == 17;
        QTest::addRow("spot %d width", n) << QStringLiteral("lblEncounter%1").arg(n)
                                          << QRect(-1, -1, narrow ? 9 : 17, 9);
    }
    // Every monster cell, from its column and row.
    const int lefts[] = {536, 752, 816, 912};
    const int widths[] = {193, 41, 73, 73};
    for (int i = 0; i < 40; ++i) {
        QTest::addRow("Text1(%d)", i) << QStringLiteral("Text1(%1)").arg(i)
                                      << QRect(lefts[i / 10], 168 + 24 * (i % 10), widths[i / 10], 19);
    }
}

void tst_DungeonWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QWidget *widget = control(board(), name);
    QVERIFY(widget);
    if (expected.x() < 0) {
        QCOMPARE(widget->size(), expected.size());
        return;
    }
    QCOMPARE(widget->geometry(), expected);
}

void tst_DungeonWindow::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Label2(0)") << "Label2(0)" << "ENCOUNTER DETAILS" << 9.75 << true;
    QTest::newRow("Label2(1)") << "Label2(1)" << "Monster Name" << 9.75 << true;
    QTest::newRow("Label2(2)") << "Label2(2)" << "HP" << 9.75 << true;
    QTest::newRow("Label2(3)") << "Label2(3)" << "AC" << 9.75 << true;
    QTest::newRow("Label2(4)") << "Label2(4)" << "DMG" << 9.75 << true;
    QTest::newRow("Label2(5)") << "Label2(5)" << "DM NOTES" << 9.75 << true;
    QTest::newRow("Label2(6)") << "Label2(6)" << "Select Party Member" << 9.75 << true;
    QTest::newRow("Label4") << "Label4" << "Encounter Number" << 8.25 << false;
    for (int k = 1; k <= 6; ++k) {
        QTest::addRow("Option%d", k) << QStringLiteral("Option%1").arg(k)
                                     << QStringLiteral("Player Character %1").arg(k) << 8.25 << false;
    }
    QTest::newRow("Option7") << "Option7" << "Entire Party" << 8.25 << false;
    QTest::newRow("Text5") << "Text5" << "All Member Of The Party" << 8.25 << false;
}

void tst_DungeonWindow::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);

    QWidget *widget = control(board(), name);
    QVERIFY(widget);
    const QString shown = widget->property("text").toString();
    QCOMPARE(shown, text);
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().bold(), bold);
    // Whatever font the system substitutes, the caption must fit its control.
    QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= widget->width(),
             qPrintable(widget->font().family()));
}

void tst_DungeonWindow::textBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<Qt::Alignment>("alignment");

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    for (int i : {0, 9, 10, 19, 20, 29, 30, 39})
        QTest::addRow("Text1(%d)", i) << QStringLiteral("Text1(%1)").arg(i) << true << 126 << left;
    for (int k = 0; k < 6; ++k) {
        QTest::addRow("Text4(%d)", k) << QStringLiteral("Text4(%1)").arg(k) << false
                                      << std::numeric_limits<int>::max() << left;
    }
    QTest::newRow("Text5") << "Text5" << true << 32767 << Qt::Alignment(Qt::AlignCenter);
    QTest::newRow("Text2") << "Text2" << true << 32767 << Qt::Alignment(Qt::AlignCenter);
}

void tst_DungeonWindow::textBoxes()
{
    QFETCH(QString, name);
    QFETCH(bool, readOnly);
    QFETCH(int, maxLength);
    QFETCH(Qt::Alignment, alignment);

    auto box = control<QLineEdit>(board(), name);
    QVERIFY(box);
    QCOMPARE(box->isReadOnly(), readOnly);
    QCOMPARE(box->maxLength(), maxLength);
    QCOMPARE(box->alignment(), alignment);
}

void tst_DungeonWindow::typing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("monster cell") << "Text1(13)" << false;
    QTest::newRow("encounter number") << "Text2" << false;
    QTest::newRow("entire party") << "Text5" << false;
    QTest::newRow("details") << "RichTextBox1(0)" << false;
    QTest::newRow("notes") << "RichTextBox1(1)" << true;
    QTest::newRow("character name") << "Text4(2)" << true;
}

void tst_DungeonWindow::typing()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    QWidget *box = control(board(), name);
    clickControl(box);
    QTest::keyClicks(box, QStringLiteral("Ogre"));
    const QString text = qobject_cast<QLineEdit *>(box)
                             ? qobject_cast<QLineEdit *>(box)->text()
                             : qobject_cast<RichTextBox *>(box)->toPlainText();
    QCOMPARE(text.contains(QStringLiteral("Ogre")), accepted);
}

void tst_DungeonWindow::spots()
{
    for (int n = 1; n <= 40; ++n) {
        QWidget *spot = control(board(), QStringLiteral("lblEncounter%1").arg(n));
        QCOMPARE(spot->toolTip(), QStringLiteral("Encounter %1").arg(n));
        QCOMPARE(spot->cursor().shape(), Qt::WhatsThisCursor);
        QVERIFY(!spot->autoFillBackground());
        QVERIFY(qobject_cast<QLabel *>(spot)->text().isEmpty());
    }
}

// The legend squares and the markers carry the colours of their roster rows.
void tst_DungeonWindow::mapColours()
{
    const char *legends[] = {"Label3", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10"};
    const QImage shot = board()->grab().toImage();
    for (int k = 0; k < 7; ++k) {
        QWidget *legend = control(board(), QString::fromLatin1(legends[k]));
        QCOMPARE(shot.pixel(centreOf(legend)), PartyColours[k]);
        QCOMPARE(marker(k)->palette().color(QPalette::Window).rgb(), PartyColours[k]);
    }
}

void tst_DungeonWindow::tabOrder()
{
    QStringList expected{"Picture1"};
    for (int k = 0; k < 6; ++k)
        expected << QStringLiteral("Text4(%1)").arg(k);
    expected << "Option1" // Tab enters the option group once
             << "Text5" << "cmdClose" << "cmdClear" << "RichTextBox1(0)" << "RichTextBox1(1)";
    for (int i = 0; i < 40; ++i)
        expected << QStringLiteral("Text1(%1)").arg(i);
    expected << "Text2";

    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void tst_DungeonWindow::pressReachesFrontmostControl_data()
{
    QTest::addColumn<QPoint>("mapPoint");
    QTest::addColumn<bool>("reachesMap");

    QTest::newRow("inside spot 7") << QPoint(250, 106) << false;
    QTest::newRow("spot 7 top-left corner") << QPoint(248, 104) << false;
    QTest::newRow("spot 7 bottom-right corner") << QPoint(264, 112) << false;
    QTest::newRow("one pixel left of spot 7") << QPoint(247, 106) << true;
    QTest::newRow("one pixel right of spot 7") << QPoint(265, 106) << true;
    QTest::newRow("one pixel above spot 7") << QPoint(250, 103) << true;
    QTest::newRow("one pixel below spot 7") << QPoint(250, 113) << true;
    QTest::newRow("between spots 6 and 7") << QPoint(244, 106) << true;
    QTest::newRow("inside narrow spot 12") << QPoint(184, 192) << false;
    QTest::newRow("right of narrow spot 12") << QPoint(185, 192) << true;
    QTest::newRow("encounter number caption") << QPoint(400, 645) << false;
    QTest::newRow("encounter number box") << QPoint(400, 660) << false;
    QTest::newRow("open floor") << QPoint(200, 300) << true;
}

// A press on a spot, the caption or the number box moves no marker; a press
// anywhere else on the map moves the selected one.
void tst_DungeonWindow::pressReachesFrontmostControl()
{
    QFETCH(QPoint, mapPoint);
    QFETCH(bool, reachesMap);

    const QPoint before = marker(6)->pos();
    pressAt(board(), inMap(mapPoint.x(), mapPoint.y()));
    QCOMPARE(marker(6)->pos(), reachesMap ? mapPoint : before);
}

void tst_DungeonWindow::markerPlacement_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("point");

    for (int k = 0; k < 7; ++k)
        QTest::addRow("option %d", k + 1) << k << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(100 + 10 * k, 200);
    QTest::newRow("right button") << 2 << Qt::RightButton << Qt::KeyboardModifiers() << QPoint(100, 200);
    QTest::newRow("middle button") << 3 << Qt::MiddleButton << Qt::KeyboardModifiers() << QPoint(60, 300);
    QTest::newRow("shift") << 4 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(30, 40);
    QTest::newRow("control") << 5 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << QPoint(300, 20);
    QTest::newRow("near the corner, not pulled back") << 0 << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(495, 675);
    QTest::newRow("top-left pixel") << 1 << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(0, 0);
}

void tst_DungeonWindow::markerPlacement()
{
    QFETCH(int, option);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, point);

    selectOption(option);
    QList<QPoint> before;
    for (int k = 0; k < 7; ++k)
        before << marker(k)->pos();

    // The marker moves on the press, before any release.
    QTest::mousePress(board()->windowHandle(), button, modifiers, inMap(point.x(), point.y()));
    QCOMPARE(marker(option)->pos(), point);
    QTest::mouseRelease(board()->windowHandle(), button, modifiers, inMap(point.x(), point.y()));

    for (int k = 0; k < 7; ++k) {
        if (k != option)
            QCOMPARE(marker(k)->pos(), before[k]);
    }
}

void tst_DungeonWindow::markerUnderSpotStaysVisible()
{
    selectOption(4); // yellow
    pressAt(board(), inMap(172, 182)); // the marker now covers spot 12 (176, 184, 9 x 9)
    QCOMPARE(marker(4)->pos(), QPoint(172, 182));

    // The spot lies in front of the marker, and the marker shows through it.
    const QImage shot = board()->grab().toImage();
    QCOMPARE(shot.pixel(inMap(180, 188)), PartyColours[4]);
    QWidget *spot = control(board(), "lblEncounter12");
    QCOMPARE(board()->childAt(inMap(180, 188)), spot);

    // A press inside the spot goes to the spot, not to the map behind.
    pressAt(board(), inMap(180, 188));
    QCOMPARE(marker(4)->pos(), QPoint(172, 182));
}

void tst_DungeonWindow::markerPlacedTwiceAndOthersKept()
{
    selectOption(0);
    pressAt(board(), inMap(40, 60));
    selectOption(2);
    pressAt(board(), inMap(100, 200));
    pressAt(board(), inMap(120, 220));
    QCOMPARE(marker(0)->pos(), QPoint(40, 60));
    QCOMPARE(marker(2)->pos(), QPoint(120, 220));

    // A press on a marker goes to the marker and moves nothing.
    pressAt(board(), inMap(45, 65));
    QCOMPARE(marker(2)->pos(), QPoint(120, 220));

    // Of two overlapping markers, the higher index is in front and takes the press.
    pressAt(board(), inMap(30, 50));
    QCOMPARE(marker(2)->pos(), QPoint(30, 50));
    QCOMPARE(board()->childAt(inMap(42, 62)), marker(2));
    QCOMPARE(board()->grab().toImage().pixel(inMap(42, 62)), PartyColours[2]);
}

void tst_DungeonWindow::noOptionSelectedMovesFirstMarker()
{
    auto entireParty = control<QRadioButton>(board(), "Option7");
    entireParty->setAutoExclusive(false);
    entireParty->setChecked(false);
    pressAt(board(), inMap(222, 333));
    QCOMPARE(marker(0)->pos(), QPoint(222, 333));
    QCOMPARE(marker(6)->y(), 680);
}

void tst_DungeonWindow::clear()
{
    selectOption(1);
    pressAt(board(), inMap(50, 60));
    selectOption(6);
    pressAt(board(), inMap(70, 80));
    auto notes = control<RichTextBox>(board(), "RichTextBox1(1)");
    clickControl(notes);
    QTest::keyClicks(notes, QStringLiteral("Trap in room 4"));
    auto details = control<RichTextBox>(board(), "RichTextBox1(0)");
    details->setHtml(QStringLiteral("<b>Bold</b> details"));
    control<QLineEdit>(board(), "Text1(13)")->setText(QStringLiteral("5"));
    control<QLineEdit>(board(), "Text2")->setText(QStringLiteral("7"));
    control(board(), "cmdEdit")->setEnabled(true);
    QList<int> lefts;
    for (int k = 0; k < 7; ++k)
        lefts << marker(k)->x();

    clickControl(control(board(), "cmdClear"));

    for (int i = 0; i < 40; ++i)
        QCOMPARE(textOf(board(), QStringLiteral("Text1(%1)").arg(i)), QString());
    for (RichTextBox *box : {details, notes}) {
        QVERIFY(box->document()->isEmpty());
        QVERIFY(!box->currentCharFormat().hasProperty(QTextFormat::FontWeight));
    }
    for (int k = 0; k < 6; ++k)
        QCOMPARE(textOf(board(), QStringLiteral("Text4(%1)").arg(k)), QString());
    QCOMPARE(textOf(board(), "Text5"), QStringLiteral("All Member Of The Party"));
    QCOMPARE(textOf(board(), "Text2"), QString());
    QVERIFY(!control(board(), "cmdEdit")->isEnabled());
    QVERIFY(control<QRadioButton>(board(), "Option7")->isChecked());
    for (int k = 0; k < 7; ++k) {
        QCOMPARE(marker(k)->pos(), QPoint(lefts[k], 710));
        QVERIFY(!marker(k)->visibleRegion().intersects(marker(k)->rect()));
    }

    // The next press brings the selected marker back; the others stay away.
    pressAt(board(), inMap(90, 100));
    QCOMPARE(marker(6)->pos(), QPoint(90, 100));
    QCOMPARE(marker(1)->y(), 710);
}

void tst_DungeonWindow::clearOnClearBoard()
{
    clickControl(control(board(), "cmdClear"));
    const QImage once = board()->grab().toImage();
    clickControl(control(board(), "cmdClear"));
    QCOMPARE(board()->grab().toImage(), once);
}

// Ctrl+Z brings back what Clear emptied; Ctrl+Y clears again.
void tst_DungeonWindow::undoClear()
{
    selectOption(2);
    pressAt(board(), inMap(50, 60));
    auto details = control<RichTextBox>(board(), "RichTextBox1(0)");
    details->setHtml(QStringLiteral("<b>Bold</b> details"));
    control<RichTextBox>(board(), "RichTextBox1(1)")->setPlainText(QStringLiteral("Trap in room 4"));
    control<QLineEdit>(board(), "Text1(13)")->setText(QStringLiteral("5"));
    control<QLineEdit>(board(), "Text4(2)")->setText(QStringLiteral("Mira"));
    control<QLineEdit>(board(), "Text2")->setText(QStringLiteral("7"));
    control(board(), "cmdEdit")->setEnabled(true);
    const auto shown = [this, details] {
        QStringList state{details->toPlainText(), QString::number(details->document()->begin().begin().fragment().charFormat().fontWeight()),
                          control<RichTextBox>(board(), "RichTextBox1(1)")->toPlainText(),
                          control(board(), "cmdEdit")->isEnabled() ? "Edit enabled" : "Edit disabled"};
        for (const char *name : {"Text1(13)", "Text4(2)", "Text4(0)", "Text2"})
            state << textOf(board(), name);
        for (int k = 0; k < 7; ++k)
            state << QString::number(marker(k)->x()) + ',' + QString::number(marker(k)->y());
        return state;
    };
    const QStringList before = shown();
    clickControl(control(board(), "cmdClear"));
    const QStringList cleared = shown();
    QVERIFY(cleared != before);

    QTest::keyClick(board(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shown(), before);
    QTest::keyClick(board(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(shown(), cleared);
}

void tst_DungeonWindow::closingEndsApplication()
{
    QTimer::singleShot(0, board(), [this] { board()->close(); });
    bool ended = true;
    QTimer::singleShot(5000, qApp, [&ended] {
        ended = false;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(ended);
    QVERIFY(!frmEditableDungeon1::instance().isLoaded());
    QCOMPARE(Form::loadedCount(), 0);
}

QTEST_MAIN(tst_DungeonWindow)
#include "tst_dungeonwindow.moc"
