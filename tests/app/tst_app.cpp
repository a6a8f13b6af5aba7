#include "kit/controls.h"
#include "tests/support/filetesting.h"
#include "kit/form.h"
#include "kit/formstyle.h"
#include "kit/richtextbox.h"
#include "rtf/rtf.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QTimer>

// A form that counts what the shell does to it.
class CountingForm : public Form
{
public:
    int loads = 0;
    int unloads = 0;
    QLabel *label = nullptr;

protected:
    void setupUi(QWidget *window) override { label = new QLabel(QStringLiteral("fresh"), window); }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

class tst_App : public QObject
{
    Q_OBJECT

private slots:
    void formLifecycle();
    void closeBoxUnloads();
    void applicationEndsWithLastForm();

    void emptyTextRemovesFormatting();
    void saveAndLoadKeepFormatting();
    void failedLoadKeepsContent();
    void failedSaveKeepsFileAndSaysWhy();
    void formattingShortcuts_data();
    void formattingShortcuts();
    void formattingWhileTyping();
    void readOnlyBoxIgnoresFormatting_data();
    void readOnlyBoxIgnoresFormatting();
    void listsToggle();
    void pastedPictureIsSaved();
    void clipboardSpeaksRtf_data();
    void clipboardSpeaksRtf();
    void picturesFitTheBox_data();
    void picturesFitTheBox();
    void unloadablePicturesAreLeftOut();
    void contextMenuLettersAreUnique();
    void contextMenuShowsFormatAtCursor_data();
    void contextMenuShowsFormatAtCursor();

    void formStyleDrawsAsFusion_data();
    void formStyleDrawsAsFusion();
    void textBoxesAreSunkenLikeTheMap_data();
    void textBoxesAreSunkenLikeTheMap();
    void pictureBoxShowsItsPixels();
    void detailsShowInTheFormsFace();

private:
    std::unique_ptr<QStyle> m_fusion{QStyleFactory::create(QStringLiteral("Fusion"))};
    FormStyle m_formStyle; // one for all rows, so that its copies are reused
};

void tst_App::formLifecycle()
{
    CountingForm form;
    QVERIFY(!form.isLoaded());
    form.load();
    QVERIFY(form.isLoaded());
    QVERIFY(!form.window()->isVisible()); // loading does not show
    form.load();
    QCOMPARE(form.loads, 1);

    form.label->setText(QStringLiteral("changed"));
    form.show();
    QVERIFY(form.window()->isVisible());
    form.show(); // already shown: brought to the front, not loaded again
    QCOMPARE(form.loads, 1);
    QCOMPARE(form.label->text(), QStringLiteral("changed"));

    form.unload();
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.isLoaded());
    form.unload();
    QCOMPARE(form.unloads, 1);

    // The next use builds the window afresh.
    form.show();
    QCOMPARE(form.loads, 2);
    QCOMPARE(form.label->text(), QStringLiteral("fresh"));
    form.unload();
}

void tst_App::closeBoxUnloads()
{
    CountingForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    form.window()->close();
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.isLoaded());
}

void tst_App::applicationEndsWithLastForm()
{
    // As in main(): the forms, not the last visible window, end the application.
    QApplication::setQuitOnLastWindowClosed(false);
    CountingForm shown;
    CountingForm hidden;
    shown.show();
    hidden.load();
    QCOMPARE(Form::loadedCount(), 2);

    // Closing the visible window leaves a loaded hidden form: the
    // application goes on until that one unloads too.
    bool quitEarly = false;
    QTimer::singleShot(0, [&] {
        shown.window()->close();
        QTimer::singleShot(50, [&] {
            quitEarly = Form::loadedCount() != 1;
            hidden.unload();
        });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!quitEarly);
    QCOMPARE(Form::loadedCount(), 0);
}

void tst_App::emptyTextRemovesFormatting()
{
    RichTextBox box;
    box.setHtml(QStringLiteral("<p align=center><b><i>Bold</i></b></p>"));
    box.setText(QString());
    QVERIFY(box.document()->isEmpty());
    QCOMPARE(box.alignment(), Qt::AlignLeft);
    QTest::keyClicks(&box, QStringLiteral("plain"));
    QVERIFY(!box.currentCharFormat().fontItalic());
    QVERIFY(box.currentCharFormat().fontWeight() < QFont::Bold);
}

void tst_App::saveAndLoadKeepFormatting()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("7.Encounter7"));
    RichTextBox source;
    source.setHtml(QStringLiteral("<p>An <b>ogre</b> with <span style='color:#c00000'>red</span> eyes</p>"
                                  "<ul><li>club</li><li>sack</li></ul>"));
    QVERIFY(source.SaveFile(path).ok());

    RichTextBox target;
    QVERIFY(target.LoadFile(path));
    QCOMPARE(target.toPlainText(), source.toPlainText());
    QTextCursor cursor(target.document());
    cursor.setPosition(5);
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
    cursor.setPosition(15);
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(0xc0, 0, 0));
    QTextBlock item = target.document()->findBlockByNumber(1);
    QVERIFY(item.textList());
    QCOMPARE(item.textList()->count(), 2);

    // An empty box still writes a document.
    RichTextBox empty;
    QVERIFY(empty.SaveFile(path).ok());
    QVERIFY(content(path).startsWith("{\\rtf1"));
}

void tst_App::failedLoadKeepsContent()
{
    RichTextBox box;
    box.setPlainText(QStringLiteral("kept"));
    QVERIFY(!box.LoadFile(QDir::temp().filePath(QStringLiteral("no-such-folder/1.Encounter1"))));
    QCOMPARE(box.toPlainText(), QStringLiteral("kept"));
}

void tst_App::failedSaveKeepsFileAndSaysWhy()
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("3.Encounter3"));
    QVERIFY(QDir().mkdir(blocked)); // a folder where the file should be
    RichTextBox box;
    box.setPlainText(QStringLiteral("lost?"));
    const Storage::WriteResult result = box.SaveFile(blocked);
    QVERIFY(!result.ok());
    QCOMPARE(result.path, blocked);
    QVERIFY(QFileInfo(blocked).isDir());
}

void tst_App::formattingShortcuts_data()
{
    QTest::addColumn<QByteArray>("rtf"); // empty: typed text
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("bold") << QByteArray() << QKeySequence(QKeySequence::Bold) << int(QTextFormat::FontWeight)
                          << QVariant(int(QFont::Bold));
    QTest::newRow("italic") << QByteArray() << QKeySequence(QKeySequence::Italic) << int(QTextFormat::FontItalic)
                            << QVariant(true);
    QTest::newRow("underline") << QByteArray() << QKeySequence(QKeySequence::Underline)
                               << int(QTextFormat::TextUnderlineStyle)
                               << QVariant(int(QTextCharFormat::SingleUnderline));
    QTest::newRow("larger") << QByteArray() << QKeySequence(Qt::CTRL | Qt::Key_BracketRight)
                            << int(QTextFormat::FontPointSize) << QVariant(10.0 + 2);
    QTest::newRow("underline off a dotted one") << QByteArray("{\\rtf1 \\uld goblin king}")
                                                << QKeySequence(QKeySequence::Underline)
                                                << int(QTextFormat::TextUnderlineStyle)
                                                << QVariant(int(QTextCharFormat::NoUnderline));
}

void tst_App::formattingShortcuts()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QKeySequence, shortcut);
    QFETCH(int, property);
    QFETCH(QVariant, value);

    RichTextBox box;
    box.setFont(QFont(box.font().family(), 10));
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    if (rtf.isEmpty())
        QTest::keyClicks(&box, QStringLiteral("goblin king"));
    else
        box.loadRtf(rtf);
    box.selectAll();
    QTest::keySequence(&box, shortcut);

    QTextCursor cursor(box.document());
    cursor.setPosition(3);
    QCOMPARE(cursor.charFormat().property(property), value);

    // Undo takes it back.
    QTest::keySequence(&box, QKeySequence::Undo);
    cursor.setPosition(3);
    QVERIFY(cursor.charFormat().property(property) != value);
}

// Bold switched on and off while typing formats just the words between.
void tst_App::formattingWhileTyping()
{
    RichTextBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTest::keyClicks(&box, QStringLiteral("The gate is "));
    QTest::keySequence(&box, QKeySequence::Bold);
    QTest::keyClicks(&box, QStringLiteral("barred"));
    QTest::keySequence(&box, QKeySequence::Bold);
    QTest::keyClicks(&box, QStringLiteral(" tight"));

    QString bold;
    for (QTextBlock::iterator it = box.document()->begin().begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
            bold += it.fragment().text();
    }
    QCOMPARE(bold, QStringLiteral("barred"));
}

enum class Input { Keys, Drop, ContextMenu };

void tst_App::readOnlyBoxIgnoresFormatting_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("bold") << Input::Keys << QKeySequence(QKeySequence::Bold);
    QTest::newRow("larger") << Input::Keys << QKeySequence(Qt::CTRL | Qt::Key_BracketRight);
    QTest::newRow("align left") << Input::Keys << QKeySequence(Qt::CTRL | Qt::Key_L);
    QTest::newRow("centre") << Input::Keys << QKeySequence(Qt::CTRL | Qt::Key_E);
    QTest::newRow("align right") << Input::Keys << QKeySequence(Qt::CTRL | Qt::Key_R);
    QTest::newRow("justify") << Input::Keys << QKeySequence(Qt::CTRL | Qt::Key_J);
    QTest::newRow("paste") << Input::Keys << QKeySequence(QKeySequence::Paste);
    QTest::newRow("cut") << Input::Keys << QKeySequence(QKeySequence::Cut);
    QTest::newRow("typing") << Input::Keys << QKeySequence(Qt::Key_X);
    QTest::newRow("delete") << Input::Keys << QKeySequence(Qt::Key_Delete);
    QTest::newRow("drop") << Input::Drop << QKeySequence();
    QTest::newRow("every context menu entry") << Input::ContextMenu << QKeySequence();
}

// Selecting and copying are all a read-only box allows.
void tst_App::readOnlyBoxIgnoresFormatting()
{
    QFETCH(Input, input);
    QFETCH(QKeySequence, keys);

    RichTextBox box;
    // Two alignments, so that each alignment shortcut would change one.
    box.setHtml(QStringLiteral("<p align=right>details</p><p>and more</p>"));
    box.setReadOnly(true);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    const QString before = box.toHtml();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    box.selectAll();

    QMimeData dropped;
    dropped.setText(QStringLiteral("dropped"));
    const QPoint middle = box.viewport()->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QContextMenuEvent menuRequest(QContextMenuEvent::Keyboard, middle, box.viewport()->mapToGlobal(middle));
    switch (input) {
    case Input::Keys:
        QTest::keySequence(&box, keys);
        break;
    case Input::Drop:
        QApplication::sendEvent(box.viewport(), &enter);
        QApplication::sendEvent(box.viewport(), &drop);
        break;
    case Input::ContextMenu:
        QApplication::sendEvent(box.viewport(), &menuRequest);
        auto *menu = box.findChild<QMenu *>();
        QVERIFY(menu);
        for (QAction *action : menu->actions())
            action->trigger();
        break;
    }
    QCOMPARE(box.toHtml(), before);
    // Nor does its menu then show a format the text does not have.
    for (const QAction *action : box.actions())
        QVERIFY2(!action->isChecked() || action->actionGroup(), qPrintable(action->text()));

    box.selectAll();
    QTest::keySequence(&box, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("details\nand more"));
}

void tst_App::listsToggle()
{
    RichTextBox box;
    box.setPlainText(QStringLiteral("rope"));
    const QList<QAction *> actions = box.actions();
    const auto find = [&actions](const QString &text) {
        for (QAction *action : actions) {
            if (action->text().remove(QLatin1Char('&')) == text)
                return action;
        }
        return static_cast<QAction *>(nullptr);
    };
    QAction *bullets = find(QStringLiteral("Bulleted List"));
    QVERIFY(bullets);
    bullets->trigger();
    QVERIFY(box.textCursor().currentList());
    QCOMPARE(box.textCursor().currentList()->format().style(), QTextListFormat::ListDisc);
    bullets->trigger();
    QVERIFY(!box.textCursor().currentList());
}

void tst_App::pastedPictureIsSaved()
{
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    auto clip = new QMimeData;
    clip->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(clip);

    RichTextBox box;
    box.insertPlainText(QStringLiteral("map: "));
    QVERIFY(box.canPaste());
    box.paste();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.Encounter1"));
    QVERIFY(box.SaveFile(path).ok());
    RichTextBox loaded;
    QVERIFY(loaded.LoadFile(path));
    bool found = false;
    for (QTextBlock::iterator it = loaded.document()->begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (!format.isImageFormat())
            continue;
        const QTextImageFormat image = format.toImageFormat();
        const QVariant resource = loaded.document()->resource(QTextDocument::ImageResource,
                                                              QUrl(image.name()));
        const QImage back = resource.canConvert<QImage>() ? resource.value<QImage>()
                                                          : QImage::fromData(resource.toByteArray());
        QCOMPARE(back.size(), picture.size());
        QCOMPARE(back.pixelColor(5, 5), QColor(10, 200, 30));
        found = true;
    }
    QVERIFY(found);
}

void tst_App::clipboardSpeaksRtf_data()
{
    QTest::addColumn<QString>("offer");
    for (const char *offer : {"text/rtf", "application/rtf", "text/richtext", "RTF beside HTML", "copy"})
        QTest::newRow(offer) << offer;
}

void tst_App::clipboardSpeaksRtf()
{
    QFETCH(QString, offer);
    const QByteArray rtf = "{\\rtf1\\ansi an \\b ogre\\b0  here}";
    RichTextBox source;
    if (offer == QLatin1String("copy")) {
        source.loadRtf(rtf);
        source.selectAll();
        QTest::keyClick(&source, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("application/rtf")), Rtf::write(source.document()));
    } else {
        auto clip = new QMimeData;
        clip->setHtml(QStringLiteral("<p>from <i>HTML</i></p>"));
        clip->setData(offer.contains(QLatin1Char('/')) ? offer : QStringLiteral("text/rtf"), rtf);
        QGuiApplication::clipboard()->setMimeData(clip);
    }
    RichTextBox box;
    QVERIFY(box.canPaste());
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.toPlainText(), QStringLiteral("an ogre here"));
    QTextCursor cursor(box.document());
    cursor.setPosition(5);
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
}

void tst_App::picturesFitTheBox_data()
{
    QTest::addColumn<QString>("offeredAs");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("savedAsJpeg");
    QTest::newRow("picture wider than the box") << "image" << QSize(1600, 1200) << false;
    QTest::newRow("JPEG photo stays JPEG") << "image/jpeg" << QSize(1600, 1200) << true;
    QTest::newRow("picture that fits") << "image" << QSize(200, 100) << false;
    QTest::newRow("tall RTF picture") << "text/rtf" << QSize(1200, 1600) << false;
    QTest::newRow("JPEG file dropped") << "text/uri-list" << QSize(1600, 1200) << true;
    QTest::newRow("picture a web page names") << "web page" << QSize(1600, 1200) << true;
    QTest::newRow("picture copied in a browser") << "browser" << QSize(1600, 1200) << false;
}

void tst_App::picturesFitTheBox()
{
    QFETCH(QString, offeredAs);
    QFETCH(QSize, size);
    QFETCH(bool, savedAsJpeg);
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(QColor(90, 120, 30));
    QTextDocument rtf;
    QTextCursor(&rtf).insertImage(photo);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && photo.save(&buffer, "JPEG"));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("photo.jpg")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(jpeg) && file.flush());
    auto clip = new QMimeData;
    clip->setImageData(photo);
    if (offeredAs == QLatin1String("text/uri-list"))
        clip->setUrls({QUrl::fromLocalFile(file.fileName())});
    else if (offeredAs == QLatin1String("web page"))
        clip->setHtml(QStringLiteral("<p><img src=\"%1\"></p>").arg(QUrl::fromLocalFile(file.fileName()).toString()));
    else if (offeredAs == QLatin1String("browser"))
        clip->setHtml(QStringLiteral("<img src=\"https://example.invalid/photo.png\">"));
    else if (offeredAs != QLatin1String("image"))
        clip->setData(offeredAs, offeredAs == QLatin1String("image/jpeg") ? jpeg : Rtf::write(&rtf));
    QGuiApplication::clipboard()->setMimeData(clip);
    RichTextBox box;
    box.resize(457, 193);
    box.show();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.horizontalScrollBar()->maximum(), 0); // nothing cut at the right

    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::NextCharacter);
    const QTextImageFormat picture = cursor.charFormat().toImageFormat();
    const qreal shownWidth = qMin<qreal>(size.width(), box.viewport()->width() - 2 * box.document()->documentMargin());
    QCOMPARE(QSizeF(picture.width(), picture.height()), QSizeF(shownWidth, shownWidth * size.height() / size.width()));
    const QImage kept = box.document()->resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
    QCOMPARE(kept.width(), qMin(size.width(), qCeil(2 * shownWidth)));
    QVERIFY(qAbs(kept.height() - qreal(kept.width()) * size.height() / size.width()) <= 1);
    QCOMPARE(Rtf::write(box.document()).contains("\\jpegblip"), savedAsJpeg);
}

// Neither a picture on the web nor a name without a scheme is fetched: the
// latter would be looked for as a file, and this one never ends.
void tst_App::unloadablePicturesAreLeftOut()
{
    auto clip = new QMimeData;
    clip->setHtml(QStringLiteral("<p>a<img src=\"https://example.invalid/x.png\">b<img src=\"/dev/zero\"></p>"));
    QGuiApplication::clipboard()->setMimeData(clip);
    RichTextBox box;
    box.show();
    box.paste();
    QCOMPARE(box.toPlainText(), QStringLiteral("ab"));
}

void tst_App::contextMenuLettersAreUnique()
{
    RichTextBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.windowHandle(), Qt::RightButton, {}, box.viewport()->mapTo(&box, QPoint(9, 9)));
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QMap<QChar, QStringList> entriesOfLetter;
    for (const QAction *action : QApplication::activePopupWidget()->actions()) {
        const QString text = action->text().remove(QLatin1String("&&"));
        if (const qsizetype amp = text.indexOf(QLatin1Char('&')); amp >= 0)
            entriesOfLetter[text.at(amp + 1).toUpper()] << text;
    }
    QApplication::activePopupWidget()->close();
    QVERIFY(entriesOfLetter.size() > 14); // Qt's entries and ours
    for (const QStringList &entries : entriesOfLetter)
        QVERIFY2(entries.size() == 1, qPrintable(entries.join(QLatin1String(", "))));
}

void tst_App::contextMenuShowsFormatAtCursor_data()
{
    QTest::addColumn<QString>("word"); // clicked in its middle
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("checked");

    const QStringList left{QStringLiteral("Align Left")};
    QTest::newRow("plain") << "plain" << QKeySequence() << left;
    QTest::newRow("bold") << "strong" << QKeySequence() << QStringList{"Bold", "Align Left"};
    QTest::newRow("italic underlined") << "both" << QKeySequence() << QStringList{"Italic", "Underline", "Align Left"};
    QTest::newRow("struck") << "struck" << QKeySequence() << QStringList{"Strike-out", "Align Left"};
    QTest::newRow("centred") << "centred" << QKeySequence() << QStringList{"Centre"};
    QTest::newRow("right") << "right" << QKeySequence() << QStringList{"Align Right"};
    QTest::newRow("justified") << "justified" << QKeySequence() << QStringList{"Justify"};
    QTest::newRow("bold for what is typed next") << "plain" << QKeySequence(QKeySequence::Bold)
                                                 << QStringList{"Bold", "Align Left"};
    QTest::newRow("bold switched off") << "strong" << QKeySequence(QKeySequence::Bold) << left;
    QTest::newRow("centred by its shortcut") << "plain" << QKeySequence(Qt::CTRL | Qt::Key_E)
                                             << QStringList{"Centre"};
}

// The menu's entries are checked as the text at the caret is formatted.
void tst_App::contextMenuShowsFormatAtCursor()
{
    QFETCH(QString, word);
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, checked);

    RichTextBox box;
    box.setHtml(QStringLiteral("<p>plain <b>strong</b> <i><u>both</u></i> <s>struck</s></p>"
                               "<p align=center>centred</p><p align=right>right</p><p align=justify>justified</p>"));
    box.resize(400, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTextCursor middle = box.document()->find(word);
    QVERIFY(!middle.isNull());
    middle.setPosition(middle.selectionStart() + 2);
    const QPoint point = box.cursorRect(middle).center();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(box.textCursor().position(), middle.position());
    if (!keys.isEmpty())
        QTest::keySequence(&box, keys);

    QTest::mouseClick(box.windowHandle(), Qt::RightButton, {}, box.viewport()->mapTo(&box, point));
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QStringList shown;
    for (const QAction *action : QApplication::activePopupWidget()->actions()) {
        if (action->isChecked())
            shown << action->text().remove(QLatin1Char('&'));
    }
    QApplication::activePopupWidget()->close();
    QCOMPARE(shown, checked);
}

using Setup = std::function<void(QWidget *)>;

// At the screen's own pixel ratio, as the window's backing store is.
QImage rendered(QWidget *form)
{
    QImage image(form->size() * form->devicePixelRatio(), QImage::Format_RGB32);
    image.setDevicePixelRatio(form->devicePixelRatio());
    form->render(&image);
    return image;
}

template<typename Control>
void controlRow(const char *name, QRect geometry, std::function<void(Control *)> change = {})
{
    QTest::newRow(name) << Setup([=](QWidget *parent) {
        auto control = new Control(parent);
        control->setGeometry(geometry);
        if (change)
            change(control);
    });
}

void tst_App::formStyleDrawsAsFusion_data()
{
    QTest::addColumn<Setup>("setup");
    controlRow<QRadioButton>("radio button", {5, 4, 113, 17});
    controlRow<QRadioButton>("checked radio button", {5, 4, 113, 17},
                             [](QRadioButton *button) { button->setChecked(true); });
    const auto scrolled = [](int value, Qt::Orientation orientation = Qt::Vertical) {
        return [=](QScrollBar *bar) {
            bar->setOrientation(orientation);
            bar->setRange(0, 500);
            bar->setValue(value);
        };
    };
    controlRow<QScrollBar>("tall scroll bar", {5, 4, 16, 117}, scrolled(120));
    controlRow<QScrollBar>("handle across strips", {5, 4, 16, 121}, scrolled(250));
    controlRow<QScrollBar>("wide scroll bar", {5, 4, 230, 16}, scrolled(120, Qt::Horizontal));
}

// The form style's copies must look as Fusion draws, however often a look is
// copied and whatever lies beneath it; copying may round an antialiased edge
// once more.
void tst_App::formStyleDrawsAsFusion()
{
    QFETCH(Setup, setup);
    QWidget backdrop; // changing from column to column, so that a wrong transparency shows
    QLinearGradient stripes(0, 0, 6, 0);
    stripes.setStops({{0, Qt::red}, {1, Qt::blue}});
    stripes.setSpread(QGradient::ReflectSpread);
    QPalette palette;
    palette.setBrush(QPalette::Window, stripes);
    backdrop.setPalette(palette);
    backdrop.resize(240, 130);
    setup(&backdrop);
    QWidget *control = backdrop.findChild<QWidget *>();

    control->setStyle(m_fusion.get());
    const QImage byFusion = rendered(&backdrop);
    control->setStyle(&m_formStyle);
    const QImage byFormStyle = rendered(&backdrop);
    int largest = 0;
    for (int i = 0; i < byFusion.width() * byFusion.height(); ++i) {
        const QRgb a = byFusion.pixel(i % byFusion.width(), i / byFusion.width());
        const QRgb b = byFormStyle.pixel(i % byFusion.width(), i / byFusion.width());
        for (int shift : {0, 8, 16})
            largest = std::max(largest, std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)));
    }
    QVERIFY2(largest <= 1, qPrintable(QStringLiteral("differs by %1").arg(largest)));
}

void tst_App::textBoxesAreSunkenLikeTheMap_data()
{
    QTest::addColumn<Setup>("setup");
    const QRect cell(5, 4, 97, 19);
    controlRow<QLineEdit>("text box", cell);
    controlRow<QLineEdit>("read-only", cell, [](QLineEdit *edit) { edit->setReadOnly(true); });
    controlRow<QLineEdit>("disabled", cell, [](QLineEdit *edit) { edit->setEnabled(false); });
    controlRow<QLineEdit>("own colours", cell, [](QLineEdit *edit) {
        edit->setPalette(QPalette(Qt::darkGreen, Qt::yellow));
    });
    controlRow<QLineEdit>("patterned base", cell, [](QLineEdit *edit) {
        QPalette palette = edit->palette();
        palette.setBrush(QPalette::Base, QBrush(Qt::cyan, Qt::Dense4Pattern));
        edit->setPalette(palette);
    });
}

// An empty text box looks exactly like Qt's own sunken panel, the map's frame,
// filled with the box's ground; with the focus it looks otherwise, since a
// read-only box shows no cursor.
void tst_App::textBoxesAreSunkenLikeTheMap()
{
    QFETCH(Setup, setup);
    QWidget form;
    form.resize(110, 30);
    setup(&form);
    auto box = form.findChild<QLineEdit *>();
    box->setStyle(&m_formStyle);

    QWidget reference;
    reference.resize(form.size());
    auto panel = new QFrame(&reference);
    panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel->setGeometry(box->geometry());
    panel->setPalette(box->palette());
    panel->setEnabled(box->isEnabled());
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    QCOMPARE(rendered(&form), rendered(&reference));

    if (box->isEnabled()) {
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        box->setFocus();
        QVERIFY(box->hasFocus());
        QVERIFY(rendered(&form) != rendered(&reference));
    }
}

// The whole picture, rows inside a band and the last, short band.
void tst_App::pictureBoxShowsItsPixels()
{
    QImage picture(60, 70, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(200, 30, 30), qRgb(20, 140, 60), qRgb(10, 10, 90)});
    for (int i = 0; i < 60 * 70; ++i)
        picture.setPixel(i % 60, i / 60, (i % 60 / 7 + i / 60 / 5) % 3);
    PictureBox box(picture);
    box.resize(picture.size() + QSize(4, 4));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (const QRect exposed : {picture.rect(), QRect(0, 21, 60, 7), QRect(10, 60, 40, 10)}) {
        QCOMPARE(box.client()->grab(exposed).toImage().convertToFormat(QImage::Format_RGB32),
                 picture.copy(exposed).convertToFormat(QImage::Format_RGB32));
    }
}

void tst_App::detailsShowInTheFormsFace()
{
    // The forms ask for a face the system has, by its own name, and details
    // written in "MS Sans Serif" by other programs show in that same face.
    const QFontInfo forms(formFont());
    QCOMPARE(forms.family(), formFont().family());
    QCOMPARE(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(), forms.family());
}

QTEST_MAIN(tst_App)
#include "tst_app.moc"
