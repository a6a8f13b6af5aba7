#include "tests/support/formtesting.h"

#include "app/startup.h"
#include "kit/richtextbox.h"
#include "kit/theme.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>

// The dark look for a dim room: every window dark, the documents on a page
// they read on, the light look back exactly as it was.
class tst_DarkLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void contrast_data();
    void contrast();
    void documentsReadOnThePage_data();
    void documentsReadOnThePage();
    void switchedAndRemembered();
    void offeredOnTheBoardsBackgroundOnly();
    void dungeonCommandsOnTheMenu_data();
    void dungeonCommandsOnTheMenu();
};

void tst_DarkLook::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().remove(QStringLiteral("view/dark"));
    startDungeonBoard();
    QVERIFY(showBoard());
}

void tst_DarkLook::contrast_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("the same") << QColor(90, 20, 200) << QColor(90, 20, 200) << 1.0;
    // The guidelines' own example of grey just short of readable on white.
    QTest::newRow("#777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("pure red on black") << QColor(Qt::red) << QColor(Qt::black) << 5.25;
}

void tst_DarkLook::contrast()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(qreal, ratio);
    QCOMPARE(qRound(Theme::contrastRatio(a, b) * 100) / 100.0, ratio);
}

void tst_DarkLook::documentsReadOnThePage_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("readsOnDark");
    QTest::newRow("default colours") << QStringLiteral("<p>Goblins <b>wait</b></p>") << true;
    QTest::newRow("black text") << QStringLiteral("<p>A <span style='color:#000000'>trap</span></p>") << false;
    QTest::newRow("dark blue heading") << QStringLiteral("<h1 style='color:#000080'>Hall</h1>") << false;
    QTest::newRow("light grey text") << QStringLiteral("<p style='color:#d0d0d0'>Mist</p>") << true;
    QTest::newRow("yellow marker, default text")
        << QStringLiteral("<p><span style='background-color:#ffff00'>key</span></p>") << false;
    // Black on its own yellow reads on any page.
    QTest::newRow("yellow marker, black text")
        << QStringLiteral("<p><span style='background-color:#ffff00; color:#000000'>key</span></p>") << true;
}

// On a dark page a document keeps its colours only where they read there.
void tst_DarkLook::documentsReadOnThePage()
{
    QFETCH(QString, html);
    QFETCH(bool, readsOnDark);
    QTextDocument document;
    document.setHtml(html);
    const QPalette dark = Theme::darkPalette();
    QCOMPARE(Theme::readsOn(document, dark.color(QPalette::Base), dark.color(QPalette::Text)), readsOnDark);
    // Whatever the document, it reads on the light page it was written for,
    // unless it asks for light text.
    QCOMPARE(Theme::readsOn(document, Qt::white, Qt::black), !html.contains(QLatin1String("#d0d0d0")));
}

void tst_DarkLook::switchedAndRemembered()
{
    QWidget *window = board();
    const QColor lightBoard = window->palette().color(QPalette::Window);
    const QColor lightText = QApplication::palette().color(QPalette::Text);
    auto details = control<RichTextBox>(window, QStringLiteral("RichTextBox1(0)"));
    auto notes = control<RichTextBox>(window, QStringLiteral("RichTextBox1(1)"));
    details->loadRtf(R"({\rtf1{\colortbl;\red0\green0\blue0;}\cf1 Three goblins\par})");
    notes->setText(QStringLiteral("Aria owes Bram a torch"));

    QTest::keyClick(window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Theme::isDark());
    QVERIFY(QSettings().value(QStringLiteral("view/dark")).toBool());
    QVERIFY(window->palette().color(QPalette::Window).lightness() < 80);
    // Black text keeps its colour, on a light page; the plain notes go dark.
    QCOMPARE(details->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(notes->palette().color(QPalette::Base).lightness() < 80);
    QVERIFY(Theme::contrastRatio(notes->palette().color(QPalette::Text), notes->palette().color(QPalette::Base))
            >= Theme::ReadableContrast);
    // A document that reads on the dark page, loaded meanwhile, goes dark too.
    details->setText(QStringLiteral("Two wolves"));
    QVERIFY(details->palette().color(QPalette::Base).lightness() < 80);

    QTest::keyClick(window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!Theme::isDark());
    QVERIFY(!QSettings().value(QStringLiteral("view/dark")).toBool());
    QCOMPARE(window->palette().color(QPalette::Window), lightBoard);
    QCOMPARE(details->palette().color(QPalette::Text), lightText);
    QCOMPARE(details->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

void tst_DarkLook::offeredOnTheBoardsBackgroundOnly()
{
    QWidget *window = board();
    const auto menuOpen = [window] {
        auto menu = window->findChild<QMenu *>(QStringLiteral("boardMenu"));
        return menu && menu->isVisible();
    };
    // A right click on the map places the chosen marker and opens nothing.
    QWidget *map = control<QWidget>(window, QStringLiteral("Picture1"));
    QContextMenuEvent onMap(QContextMenuEvent::Mouse, centreOf(map) - map->pos(), map->mapToGlobal(centreOf(map) - map->pos()));
    QApplication::sendEvent(map, &onMap);
    QVERIFY(!menuOpen());

    const QPoint background(995, 695);
    QVERIFY(!window->childAt(background));
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window, &onBackground);
    QTRY_VERIFY(menuOpen());
    auto menu = window->findChild<QMenu *>(QStringLiteral("boardMenu"));
    QAction *dark = menu->findChild<QMenu *>(QStringLiteral("view"))->actions().value(0);
    QCOMPARE(dark->text(), QStringLiteral("Dark"));
    QVERIFY(!dark->isChecked());
    dark->trigger();
    QVERIFY(Theme::isDark());
    menu->close();
    Theme::setDark(false);
    QVERIFY(!dark->isChecked());
}

// Each command of the "Dungeon" menu shows its keys and opens what they open.
void tst_DarkLook::dungeonCommandsOnTheMenu_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("dialogTitle");
    QTest::newRow("open") << "Open dungeon…" << QKeySequence(Qt::CTRL | Qt::Key_O) << "Open dungeon";
    QTest::newRow("new") << "New dungeon from a map picture…" << QKeySequence(Qt::CTRL | Qt::Key_N)
                         << "New dungeon from a map picture";
    QTest::newRow("export") << "Export dungeon…" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E) << "Export dungeon";
    QTest::newRow("markdown") << "Export as Markdown…" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)
                              << "Export as Markdown";
    QTest::newRow("vtt") << "Export as Universal VTT…" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U)
                         << "Export as Universal VTT…";
}

void tst_DarkLook::dungeonCommandsOnTheMenu()
{
    QFETCH(QString, text);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, dialogTitle);
    QWidget *window = board();
    const QPoint background(995, 695);
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window, &onBackground);
    auto menu = window->findChild<QMenu *>(QStringLiteral("boardMenu"));
    QTRY_VERIFY(menu && menu->isVisible());
    QAction *command = nullptr;
    for (QAction *action : menu->findChild<QMenu *>(QStringLiteral("dungeon"))->actions()) {
        if (action->text() == text)
            command = action;
    }
    QVERIFY(command);
    QCOMPARE(command->shortcut(), keys);
    menu->close();

    QString opened;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&opened] {
        if (auto dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            opened = dialog->windowTitle();
            dialog->reject();
        }
    });
    closer.start(10);
    command->trigger();
    QCOMPARE(opened, dialogTitle);
}

QTEST_MAIN(tst_DarkLook)
#include "tst_darklook.moc"
