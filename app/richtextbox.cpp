#include "richtextbox.h"

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The boxes sit in forms: Tab moves on to the next control.
    setTabChangesFocus(true);
}

void RichTextBox::setText(const QString &text)
{
    clear();
    setCurrentCharFormat(QTextCharFormat());
    if (!text.isEmpty())
        setPlainText(text);
}
