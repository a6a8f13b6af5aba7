#include "controls.h"
#include "theme.h"

#include "assets/pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <array>

QFont formFont(qreal pointSize, QFont::Weight weight)
{
    // Arial-metric fonts keep the captions inside their boxes. The same
    // substitutes serve encounter details written in "MS Sans Serif".
    static const QString family = [] {
        const QStringList substitutes = {QStringLiteral("Microsoft Sans Serif"),
                                         QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), substitutes);
        // A name the system lacks has fontconfig sort every font on the
        // machine before Qt tries the substitutes, so the forms ask for the
        // first one installed by its own name.
        const QStringList installed = QFontDatabase::families();
        for (const QString &name : QStringList{QStringLiteral("MS Sans Serif")} + substitutes) {
            if (installed.contains(name, Qt::CaseInsensitive))
                return name;
        }
        return QStringLiteral("MS Sans Serif");
    }();

    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    // Captions and short entries need no shaping engine: Latin text is drawn
    // from the font's own character map and kerning table, and scripts that
    // need shaping still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString indexedName(const char *arrayName, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(arrayName), QString::number(index));
}

void setupFormWindow(QWidget *window, const QString &name, const QString &title, QSize size,
                     Qt::WindowFlags titleBarButtons)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | titleBarButtons);
    window->setFixedSize(size);
    window->setFont(formFont());
    Theme::paintFormBackground(window);
}

void chainTabOrder(const std::vector<QWidget *> &order)
{
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

Label *captionLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                    qreal pointSize)
{
    auto label = place(new Label(parent), name, geometry);
    label->setText(text);
    label->setFont(formFont(pointSize, QFont::Bold));
    label->setAlignment(Qt::AlignCenter);
    label->setForegroundRole(QPalette::ButtonText);
    return label;
}

namespace {

// Built from the uncompressed faces: reading the PNGs would load every
// image-format plugin. As QIcon does with the PNGs, the @2x face is added
// only where the screen needs it.
QIcon faceIcon(const char *face)
{
    QIcon icon(QPixmap::fromImage(buttonFacePicture(face)));
    if (qGuiApp->devicePixelRatio() > 1)
        icon.addPixmap(QPixmap::fromImage(buttonFacePicture(face, 2)));
    return icon;
}

} // namespace

CommandButton *faceButton(QWidget *parent, const QString &name, const char *face,
                          const QRect &geometry)
{
    return place(new CommandButton(faceIcon(face), parent), name, geometry);
}

// ---------------------------------------------------------------------------

Label::Label(QWidget *parent)
    : QLabel(parent)
{
}

void Label::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// ---------------------------------------------------------------------------

namespace {

// An indexed picture's colours as the screen takes them: opaque, and black
// past the end of its table.
std::array<QRgb, 256> screenColours(const QImage &picture)
{
    std::array<QRgb, 256> colours;
    colours.fill(0xff000000u);
    const QList<QRgb> table = picture.colorTable();
    for (qsizetype i = 0; i < qMin<qsizetype>(table.size(), 256); ++i)
        colours[i] = table[i] | 0xff000000u;
    return colours;
}

class PictureSurface : public QWidget
{
public:
    PictureSurface(const QImage &picture, PictureBox *box)
        : QWidget(box), m_picture(picture), m_colours(screenColours(picture)), m_box(box)
    {
    }

protected:
    // Band by band through one small buffer, so that a screen-ready copy of
    // the whole picture never exists (the map would need four times its
    // indexed size) and the first paint touches as little new memory as it
    // can. The bands lie at fixed rows, so a partial repaint draws what the
    // first paint drew.
    void paintEvent(QPaintEvent *event) override
    {
        constexpr int BandHeight = 16;
        QPainter painter(this);
        const QRect exposed = event->rect().intersected(m_picture.rect());
        if (exposed.isEmpty())
            return;
        if (m_picture.format() != QImage::Format_Indexed8) {
            painter.drawImage(exposed.topLeft(),
                              m_picture.copy(exposed).convertToFormat(QImage::Format_RGB32));
            return;
        }
        const int width = m_picture.width();
        QImage band(width, BandHeight, QImage::Format_RGB32);
        const int firstBand = exposed.top() - exposed.top() % BandHeight;
        for (int top = firstBand; top <= exposed.bottom(); top += BandHeight) {
            const int rows = qMin(BandHeight, m_picture.height() - top);
            for (int row = 0; row < rows; ++row) {
                const uchar *source = m_picture.constScanLine(top + row);
                auto target = reinterpret_cast<QRgb *>(band.scanLine(row));
                for (int x = 0; x < width; ++x)
                    target[x] = m_colours[source[x]];
            }
            painter.drawImage(QPoint(0, top), band, QRect(0, 0, width, rows));
        }
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPointF point = event->position();
        emit m_box->MouseDown(event->button(), event->modifiers(), float(point.x()),
                              float(point.y()));
    }

private:
    QImage m_picture;
    std::array<QRgb, 256> m_colours; // used when the picture is indexed
    PictureBox *m_box;
};

} // namespace

PictureBox::PictureBox(const QImage &picture, QWidget *parent)
    : QFrame(parent), m_client(new PictureSurface(picture, this))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_client->setGeometry(contentsRect());
}

// ---------------------------------------------------------------------------

CommandButton::CommandButton(const QIcon &face, QWidget *parent)
    : QAbstractButton(parent)
{
    setIcon(face);
    setIconSize(QSize(100, 25));
    setFocusPolicy(Qt::StrongFocus);
}

QSize CommandButton::sizeHint() const
{
    return QSize(105, 25);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    QRect face(QPoint(0, 0), iconSize());
    face.moveCenter(rect().center());
    if (isDown())
        face.translate(1, 1);
    icon().paint(&painter, face, Qt::AlignCenter, mode);

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = face.adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}
