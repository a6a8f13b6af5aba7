#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include <vector>

// The font every control asks for: "MS Sans Serif", or the closest plain
// sans-serif of the same point size where the system lacks it.
QFont formFont(qreal pointSize = 8.25, QFont::Weight weight = QFont::Normal);

// --- Building a window from its layout table ---------------------------------

// A member of a control array is named after the array and its index: "Text1(13)".
QString indexedName(const char *arrayName, int index);

template<typename Control>
Control *place(Control *control, const QString &name, const QRect &geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// Gives a top-level form window its name, caption, fixed client size, the
// title-bar buttons it has, the form font and the tool-tip background.
void setupFormWindow(QWidget *window, const QString &name, const QString &title, QSize size,
                     Qt::WindowFlags titleBarButtons);

// Chains the focus from each control to the next, in the order given.
void chainTabOrder(const std::vector<QWidget *> &order);

class Label;
class CommandButton;

// A transparent, centred, bold caption in the button-text colour.
Label *captionLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                    qreal pointSize = 9.75);

// A command button showing the face ":/faces/<face>.png".
CommandButton *faceButton(QWidget *parent, const QString &name, const char *face,
                          const QRect &geometry);

// --- Controls -----------------------------------------------------------------

// A label that takes the mouse presses made on it, so that they never reach
// the picture beneath, and reports a click (press and release on it).
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A sunken frame showing a picture 1:1 from the top-left corner of its client
// area. Child controls go into client(), whose coordinates are those of the
// picture; presses on the picture itself are reported by MouseDown. The
// picture is kept as given, e.g. indexed and read in place, and only the
// part being painted is converted for the screen.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    PictureBox(const QImage &picture, QWidget *parent = nullptr);

    QWidget *client() const { return m_client; }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_client;
};

// A command button that shows a picture face instead of a caption; a disabled
// button shows its face greyed.
class CommandButton : public QAbstractButton
{
    Q_OBJECT

public:
    CommandButton(const QIcon &face, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
