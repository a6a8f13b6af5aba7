#pragma once

#include <QTextEdit>

// The formatted text area of both windows: the encounter details and the
// game master's notes.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the content with plain text; the empty string removes all
    // text and formatting.
    void setText(const QString &text);
};
