#pragma once

#include "storage/encounterfiles.h"

#include <QTextEdit>

class QAction;
class QActionGroup;

// The formatted text area of both windows: the encounter details and the
// game master's notes. An editable box offers the usual formatting through
// its shortcuts and its context menu.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the content with plain text; the empty string removes all
    // text and formatting.
    void setText(const QString &text);

    // Replaces the content with the RTF document in the file. Returns false,
    // leaving the content as it was, when the file cannot be read.
    bool LoadFile(const QString &path);
    // Replaces the content with the RTF document data holds; the text is then
    // shown from its beginning, where the caret is.
    void loadRtf(const QByteArray &data);
    // Writes the whole content as an RTF document, replacing the file only
    // once the new one is complete.
    Storage::WriteResult SaveFile(const QString &path) const;
    // The content as an RTF document. Until the text changes, that is the RTF
    // it was loaded from, byte for byte, with all the box does not show.
    QByteArray rtf() const;

protected:
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void setupFormatActions();
    void showFormatState();
    void mergeFormat(const QTextCharFormat &format);
    qreal currentPointSize() const;
    void toggleList(QTextListFormat::Style style);
    void insertRtf(const QByteArray &rtf);
    void insertPasted(QTextDocument *pasted, const QImage &offered = {});
    QTextImageFormat addPicture(QImage image, QSizeF shownSize);
    void noteWhatSavingDrops();
    void showOnReadablePage();

    QList<QAction *> m_formatActions; // the context menu's, in its order
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_strikeOut = nullptr;
    QActionGroup *m_alignments = nullptr;
    QByteArray m_loadedRtf;
    unsigned m_unshownContent = 0; // Rtf::UnshownContent of m_loadedRtf
    bool m_lightPage = true;  // the page the text is shown on
    bool m_shownDark = false; // the look it was chosen for
};
