#include "richtextbox.h"

#include "rtf.h"

#include <QAction>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextList>
#include <QUuid>

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The boxes sit in forms: Tab moves on to the next control.
    setTabChangesFocus(true);
    // A scroll bar that comes and goes narrows the text and lays a long
    // document out a second time.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setupFormatActions();
}

void RichTextBox::setText(const QString &text)
{
    clear();
    setCurrentCharFormat(QTextCharFormat());
    if (!text.isEmpty())
        setPlainText(text);
}

bool RichTextBox::LoadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    Rtf::read(data, document());
    return true;
}

Storage::WriteResult RichTextBox::SaveFile(const QString &path) const
{
    return Storage::writeFileAtomically(path, Rtf::write(document()));
}

// --- Editing comfort --------------------------------------------------------

void RichTextBox::setupFormatActions()
{
    const auto add = [this](const QString &text, QKeySequence shortcut, auto slot) {
        auto action = new QAction(text, this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
        // A read-only box may be read and copied, never changed.
        connect(action, &QAction::triggered, this, [this, slot] {
            if (!isReadOnly())
                slot();
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

    add(tr("&Bold"), QKeySequence::Bold, [this] {
        QTextCharFormat format;
        format.setFontWeight(fontWeight() >= QFont::DemiBold ? QFont::Normal : QFont::Bold);
        mergeFormat(format);
    });
    add(tr("&Italic"), QKeySequence::Italic, [this] {
        QTextCharFormat format;
        format.setFontItalic(!fontItalic());
        mergeFormat(format);
    });
    add(tr("&Underline"), QKeySequence::Underline, [this] {
        QTextCharFormat format;
        format.setFontUnderline(!fontUnderline());
        mergeFormat(format);
    });
    add(tr("&Strike-out"), QKeySequence(), [this] {
        QTextCharFormat format;
        format.setFontStrikeOut(!currentCharFormat().fontStrikeOut());
        mergeFormat(format);
    });
    separator();
    add(tr("Text &Colour..."), QKeySequence(), [this] {
        const QColor colour = QColorDialog::getColor(textColor(), this, tr("Text Colour"));
        if (colour.isValid())
            setTextColor(colour);
    });
    add(tr("&Highlight..."), QKeySequence(), [this] {
        const QColor colour = QColorDialog::getColor(Qt::yellow, this, tr("Highlight"));
        if (colour.isValid())
            setTextBackgroundColor(colour);
    });
    add(tr("&Larger Text"), QKeySequence(Qt::CTRL | Qt::Key_BracketRight), [this] {
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
    add(tr("B&ulleted List"), QKeySequence(), [this] { toggleList(QTextListFormat::ListDisc); });
    add(tr("&Numbered List"), QKeySequence(), [this] { toggleList(QTextListFormat::ListDecimal); });
    separator();
    add(tr("Align &Left"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { setAlignment(Qt::AlignLeft); });
    add(tr("C&entre"), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { setAlignment(Qt::AlignHCenter); });
    add(tr("Align &Right"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { setAlignment(Qt::AlignRight); });
    add(tr("&Justify"), QKeySequence(Qt::CTRL | Qt::Key_J), [this] { setAlignment(Qt::AlignJustify); });
}

// Formats the selection, and what is typed next.
void RichTextBox::mergeFormat(const QTextCharFormat &format)
{
    // One step for Undo, however many changes the merge makes.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    mergeCurrentCharFormat(format);
    cursor.endEditBlock();
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

// Pictures pasted on their own become part of the document, so they are
// saved with it.
bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    if (isReadOnly())
        return false;
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly())
        return;
    if (source->hasImage() && !source->hasHtml()) {
        insertImage(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

void RichTextBox::insertImage(const QImage &image)
{
    if (image.isNull())
        return;
    const QString name = QStringLiteral("pasted:%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    textCursor().insertImage(format);
}
