#include "richtextbox.h"

#include "rtf/rtf.h"
#include "theme.h"

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QBuffer>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QUuid>

namespace {

// The names word processors give RTF on the clipboard, the likeliest first.
constexpr const char *RtfMimeTypes[] = {
    "text/rtf",
    "application/rtf",
    "application/x-qt-windows-mime;value=\"Rich Text Format\"",
    "text/richtext",
};

QString rtfMimeTypeIn(const QMimeData *source)
{
    for (const char *type : RtfMimeTypes) {
        if (source->hasFormat(QLatin1String(type)))
            return QLatin1String(type);
    }
    return {};
}

// A picture file dropped from a file manager.
QString pictureFileIn(const QMimeData *source)
{
    const QList<QUrl> urls = source->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QImageReader(path).canRead() ? path : QString();
}

// A photo that arrives as JPEG is marked to be saved as JPEG.
QImage readPicture(QImageReader &reader)
{
    const bool jpeg = reader.format() == "jpeg";
    reader.setAutoTransform(true); // a camera's photo taken upright is stored on its side
    QImage image = reader.read();
    if (jpeg && !image.isNull())
        image.setText(QLatin1String(Rtf::PictureFormatKey), QStringLiteral("JPEG"));
    return image;
}

// A picture offered on its own, not as part of a web page's HTML.
QImage pictureIn(const QMimeData *source)
{
    if (source->hasHtml())
        return {};
    QImageReader reader;
    QBuffer jpegData;
    if (const QString path = pictureFileIn(source); !path.isEmpty()) {
        reader.setFileName(path);
    } else if (source->hasFormat(QLatin1String("image/jpeg"))) {
        jpegData.setData(source->data(QLatin1String("image/jpeg")));
        reader.setDevice(&jpegData);
    }
    QImage image = readPicture(reader);
    if (image.isNull() && source->hasImage())
        image = qvariant_cast<QImage>(source->imageData());
    return image;
}

// A pasted document's picture: decoded by our RTF reader, or named by pasted
// HTML. A file it names is read as a dropped one is, so a photo stays JPEG.
// A name without a scheme means nothing on the clipboard; Qt would look for
// it beside the program's working folder.
QImage pictureIn(const QTextDocument *pasted, const QUrl &name)
{
    if (name.isLocalFile()) {
        QImageReader reader(name.toLocalFile());
        return readPicture(reader);
    }
    if (name.isRelative())
        return {};
    const QVariant resource = pasted->resource(QTextDocument::ImageResource, name);
    if (resource.userType() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    return resource.value<QImage>();
}

struct PictureSpan
{
    int position, length;
    QTextImageFormat format;
};

QList<PictureSpan> picturesIn(const QTextDocument *document)
{
    QList<PictureSpan> pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                pictures.append({fragment.position(), fragment.length(),
                                 fragment.charFormat().toImageFormat()});
        }
    }
    return pictures;
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // The boxes sit in forms: Tab moves on to the next control.
    setTabChangesFocus(true);
    // A scroll bar that comes and goes narrows the text and lays a long
    // document out a second time.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setupFormatActions();
    connect(document(), &QTextDocument::modificationChanged, this, &RichTextBox::noteWhatSavingDrops);
}

void RichTextBox::setText(const QString &text)
{
    m_loadedRtf.clear();
    m_unshownContent = Rtf::NothingUnshown;
    clear();
    setCurrentCharFormat(QTextCharFormat());
    if (!text.isEmpty())
        setPlainText(text);
    showOnReadablePage();
}

bool RichTextBox::LoadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    loadRtf(data);
    return true;
}

void RichTextBox::loadRtf(const QByteArray &data)
{
    m_unshownContent = Rtf::read(data, document());
    m_loadedRtf = Rtf::isRtf(data) ? data : QByteArray();
    document()->setModified(false);
    noteWhatSavingDrops();
    // The reader leaves the caret after the last character, and a box shown
    // for the first time scrolls to its caret.
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    showOnReadablePage();
}

// In the dark look the text keeps the colours it was given, on a dark page
// where they all read there and on a light one where they do not.
void RichTextBox::showOnReadablePage()
{
    const bool dark = Theme::isDark();
    const bool light = !dark
        || !Theme::readsOn(*document(), QApplication::palette().color(QPalette::Base),
                           QApplication::palette().color(QPalette::Text));
    if (light == m_lightPage && dark == m_shownDark)
        return;
    m_lightPage = light;
    m_shownDark = dark;
    QPalette page;
    if (light && dark) {
        page.setColor(QPalette::Base, Qt::white);
        page.setColor(QPalette::Text, Qt::black);
    }
    setPalette(page);
}

void RichTextBox::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    const bool paletteChanged = event->type() == QEvent::PaletteChange
        || event->type() == QEvent::ApplicationPaletteChange;
    if (paletteChanged && Theme::isDark() != m_shownDark)
        showOnReadablePage();
}

Storage::WriteResult RichTextBox::SaveFile(const QString &path) const
{
    return Storage::writeFileAtomically(path, rtf());
}

QByteArray RichTextBox::rtf() const
{
    return document()->isModified() || m_loadedRtf.isEmpty() ? Rtf::write(document()) : m_loadedRtf;
}

// Once the text has changed, a save writes what the box shows: an editable
// box says what of the loaded document that leaves out.
void RichTextBox::noteWhatSavingDrops()
{
    QStringList dropped;
    if (!isReadOnly() && document()->isModified()) {
        if (m_unshownContent & Rtf::HeadersAndFooters)
            dropped << tr("headers and footers");
        if (m_unshownContent & Rtf::Comments)
            dropped << tr("comments");
        if (m_unshownContent & Rtf::HiddenText)
            dropped << tr("hidden text");
    }
    setToolTip(dropped.isEmpty() ? QString()
                                 : tr("Saving your changes leaves out what this box cannot show: %1.")
                                       .arg(dropped.join(tr(", "))));
}

// --- Editing comfort --------------------------------------------------------

void RichTextBox::setupFormatActions()
{
    const auto add = [this](const QString &text, QKeySequence shortcut, auto slot) {
        auto action = new QAction(text, this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
        // A read-only box may be read and copied, never changed; a checkable
        // action checked by a click it ignored shows the text's state again.
        connect(action, &QAction::triggered, this, [this, slot] {
            if (!isReadOnly())
                slot();
            showFormatState();
        });
        addAction(action);
        m_formatActions << action;
        return action;
    };
    const auto separator = [this] {
        auto action = new QAction(this);
        action->setSeparator(true);
        m_formatActions << action;
    };

    m_bold = add(tr("&Bold"), QKeySequence::Bold, [this] {
        QTextCharFormat format;
        format.setFontWeight(fontWeight() >= QFont::DemiBold ? QFont::Normal : QFont::Bold);
        mergeFormat(format);
    });
    m_italic = add(tr("&Italic"), QKeySequence::Italic, [this] {
        QTextCharFormat format;
        format.setFontItalic(!fontItalic());
        mergeFormat(format);
    });
    m_underline = add(tr("Un&derline"), QKeySequence::Underline, [this] {
        QTextCharFormat format;
        // Every kind of underline (dotted, wavy ...) counts as one to take off.
        format.setFontUnderline(currentCharFormat().underlineStyle() == QTextCharFormat::NoUnderline);
        mergeFormat(format);
    });
    m_strikeOut = add(tr("Stri&ke-out"), QKeySequence(), [this] {
        QTextCharFormat format;
        format.setFontStrikeOut(!currentCharFormat().fontStrikeOut());
        mergeFormat(format);
    });
    for (QAction *action : {m_bold, m_italic, m_underline, m_strikeOut})
        action->setCheckable(true);
    separator();
    add(tr("Text Col&our..."), QKeySequence(), [this] {
        const QColor colour = QColorDialog::getColor(textColor(), this, tr("Text Colour"));
        if (colour.isValid())
            setTextColor(colour);
    });
    add(tr("&Highlight..."), QKeySequence(), [this] {
        const QColor colour = QColorDialog::getColor(Qt::yellow, this, tr("Highlight"));
        if (colour.isValid())
            setTextBackgroundColor(colour);
    });
    add(tr("Larger Te&xt"), QKeySequence(Qt::CTRL | Qt::Key_BracketRight), [this] {
        QTextCharFormat format;
        format.setFontPointSize(qMin(currentPointSize() + 2, 72.0));
        mergeFormat(format);
    });
    add(tr("S&maller Text"), QKeySequence(Qt::CTRL | Qt::Key_BracketLeft), [this] {
        QTextCharFormat format;
        format.setFontPointSize(qMax(currentPointSize() - 2, 6.0));
        mergeFormat(format);
    });
    separator();
    add(tr("Bulleted Li&st"), QKeySequence(), [this] { toggleList(QTextListFormat::ListDisc); });
    add(tr("&Numbered List"), QKeySequence(), [this] { toggleList(QTextListFormat::ListDecimal); });
    separator();
    // Exclusive, so the menu shows the paragraph's one alignment.
    m_alignments = new QActionGroup(this);
    const auto addAlignment = [&](const QString &text, QKeyCombination shortcut, Qt::Alignment alignment) {
        QAction *action = add(text, shortcut, [this, alignment] { setAlignment(alignment); });
        action->setCheckable(true);
        action->setData(int(alignment));
        m_alignments->addAction(action);
    };
    addAlignment(tr("Align Le&ft"), Qt::CTRL | Qt::Key_L, Qt::AlignLeft);
    addAlignment(tr("C&entre"), Qt::CTRL | Qt::Key_E, Qt::AlignHCenter);
    addAlignment(tr("Align Ri&ght"), Qt::CTRL | Qt::Key_R, Qt::AlignRight);
    addAlignment(tr("&Justify"), Qt::CTRL | Qt::Key_J, Qt::AlignJustify);

    connect(this, &QTextEdit::currentCharFormatChanged, this, &RichTextBox::showFormatState);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::showFormatState);
    showFormatState();
}

// The checked entries of the menu are what the text at the cursor has.
void RichTextBox::showFormatState()
{
    const QTextCharFormat format = currentCharFormat();
    m_bold->setChecked(format.fontWeight() >= QFont::DemiBold);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    m_strikeOut->setChecked(format.fontStrikeOut());

    // As the writer reads it: centred, justified or right, else left.
    const Qt::Alignment current = alignment();
    Qt::Alignment shown = Qt::AlignLeft;
    for (const Qt::Alignment alignment : {Qt::AlignHCenter, Qt::AlignJustify, Qt::AlignRight}) {
        if (current & alignment) {
            shown = alignment;
            break;
        }
    }
    // Checking one entry of the exclusive group unchecks the others.
    for (QAction *action : m_alignments->actions()) {
        if (action->data().toInt() == int(shown))
            action->setChecked(true);
    }
}

// Formats the selection, and what is typed next.
void RichTextBox::mergeFormat(const QTextCharFormat &format)
{
    // One step for Undo, however many changes the merge makes.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    mergeCurrentCharFormat(format);
    cursor.endEditBlock();
    showOnReadablePage();
}

qreal RichTextBox::currentPointSize() const
{
    const qreal size = fontPointSize();
    return size > 0 ? size : document()->defaultFont().pointSizeF();
}

void RichTextBox::toggleList(QTextListFormat::Style style)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (QTextList *list = cursor.currentList(); list && list->format().style() == style) {
        // Leave the list: the paragraph goes back to plain text.
        list->remove(cursor.block());
        QTextBlockFormat block = cursor.blockFormat();
        block.setIndent(0);
        cursor.setBlockFormat(block);
    } else {
        QTextListFormat format;
        format.setStyle(style);
        format.setIndent(cursor.currentList() ? cursor.currentList()->format().indent() : 1);
        cursor.createList(format);
    }
    cursor.endEditBlock();
}

void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    if (!isReadOnly()) {
        menu->addSeparator();
        menu->addActions(m_formatActions);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// --- The clipboard and drag and drop ------------------------------------------

// Word processors get the selection as RTF from our writer, beside the HTML
// and plain text other programs take.
QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    const QTextDocumentFragment selection = textCursor().selection();
    auto data = new QMimeData;
    data->setText(selection.toPlainText());
    data->setHtml(selection.toHtml());

    QTextDocument copied;
    copied.setDefaultFont(document()->defaultFont());
    QTextCursor(&copied).insertFragment(selection);
    // The writer finds pictures among the document's resources.
    for (const PictureSpan &picture : picturesIn(&copied)) {
        const QUrl name(picture.format.name());
        copied.addResource(QTextDocument::ImageResource, name,
                           document()->resource(QTextDocument::ImageResource, name));
    }
    const QByteArray rtf = Rtf::write(&copied);
    data->setData(QLatin1String(RtfMimeTypes[0]), rtf);
    data->setData(QLatin1String(RtfMimeTypes[1]), rtf);
    return data;
}

// RTF goes through our reader, ahead of the HTML word processors also offer;
// pictures pasted on their own become part of the document, so they are
// saved with it.
bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    if (isReadOnly())
        return false;
    return !rtfMimeTypeIn(source).isEmpty() || source->hasImage() || !pictureFileIn(source).isEmpty()
        || source->hasFormat(QLatin1String("image/jpeg")) || QTextEdit::canInsertFromMimeData(source);
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly())
        return;
    if (const QString rtf = rtfMimeTypeIn(source); !rtf.isEmpty()) {
        insertRtf(source->data(rtf));
        showOnReadablePage();
        return;
    }
    if (const QImage picture = pictureIn(source); !picture.isNull()) {
        QTextCursor cursor = textCursor();
        cursor.insertImage(addPicture(picture, picture.size()));
        setTextCursor(cursor);
        return;
    }
    if (source->hasHtml()) {
        QTextDocument pasted;
        pasted.setHtml(source->html());
        insertPasted(&pasted, qvariant_cast<QImage>(source->imageData()));
        showOnReadablePage();
        return;
    }
    QTextEdit::insertFromMimeData(source);
    showOnReadablePage();
}

void RichTextBox::insertRtf(const QByteArray &rtf)
{
    QTextDocument pasted;
    Rtf::read(rtf, &pasted);
    insertPasted(&pasted);
}

// The pasted pictures become this document's resources, fitted to the box;
// one that cannot be loaded is left out rather than shown broken. A browser
// copies a picture as HTML that names it on the web, beside the picture
// itself: where the only picture cannot be loaded, the one offered takes its
// place.
void RichTextBox::insertPasted(QTextDocument *pasted, const QImage &offered)
{
    const QList<PictureSpan> pictures = picturesIn(pasted);
    // From the last, so that leaving one out moves none still to come.
    for (auto picture = pictures.crbegin(); picture != pictures.crend(); ++picture) {
        QImage image = pictureIn(pasted, QUrl(picture->format.name()));
        if (image.isNull() && pictures.size() == 1)
            image = offered;
        QTextCursor span(pasted);
        span.setPosition(picture->position);
        span.setPosition(picture->position + picture->length, QTextCursor::KeepAnchor);
        if (image.isNull())
            span.removeSelectedText();
        else
            span.mergeCharFormat(addPicture(image, {picture->format.width(), picture->format.height()}));
    }
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(pasted));
    setTextCursor(cursor);
}

// A picture wider than the text is shown at the text's width, so that the
// box never scrolls sideways; it is kept at no more than twice its shown
// width, sharp on a high-density screen without megabytes in the file.
QTextImageFormat RichTextBox::addPicture(QImage image, QSizeF shownSize)
{
    if (shownSize.isEmpty())
        shownSize = image.size();
    const qreal textWidth = viewport()->width() - 2 * document()->documentMargin();
    if (textWidth > 0 && shownSize.width() > textWidth)
        shownSize = {textWidth, shownSize.height() * textWidth / shownSize.width()};
    const int keptWidth = qCeil(2 * shownSize.width());
    if (image.width() > keptWidth) {
        const QString savedAs = image.text(QLatin1String(Rtf::PictureFormatKey));
        image = image.scaledToWidth(keptWidth, Qt::SmoothTransformation);
        if (!savedAs.isEmpty())
            image.setText(QLatin1String(Rtf::PictureFormatKey), savedAs);
    }

    const QString name = QStringLiteral("pasted:%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shownSize.width());
    format.setHeight(shownSize.height());
    return format;
}
