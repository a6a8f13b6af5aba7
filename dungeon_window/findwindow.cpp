#include "findwindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

// Rings around the marked spots, drawn over the whole map. The ring keeps
// clear of the spot itself, so its number stays readable, and presses pass
// through to the map and the spots beneath.
class SpotMarks : public QWidget
{
public:
    explicit SpotMarks(QWidget *map) : QWidget(map)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(map->rect());
        hide();
    }

    void mark(QList<QRect> spots)
    {
        if (spots == m_spots)
            return;
        // Repainting only the rings that come and go keeps a keystroke from
        // repainting the whole map.
        QRegion changed;
        for (const QRect &spot : std::as_const(m_spots) + spots)
            changed += ringAround(spot);
        m_spots = std::move(spots);
        setVisible(!m_spots.isEmpty());
        raise();
        update(changed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // Bright blue is none of the map's greys, black or red numbers.
        static const QColor MarkColour(0, 160, 255);
        QPainterPath rings;
        for (const QRect &spot : std::as_const(m_spots)) {
            rings.addRect(ringAround(spot));
            rings.addRect(spot.adjusted(-1, -1, 1, 1));
        }
        QPainter(this).fillPath(rings, MarkColour);
    }

private:
    static QRect ringAround(const QRect &spot) { return spot.adjusted(-3, -3, 3, 3); }

    QList<QRect> m_spots;
};

FindWindow::FindWindow(EncounterIndex index, const QList<QWidget *> &spots, QWidget *parent)
    : QWidget(parent, Qt::Tool),
      m_index(std::move(index)),
      m_spots(spots),
      m_findText(new QLineEdit(this)),
      m_findResults(new QListWidget(this)),
      m_marks(new SpotMarks(spots.first()->parentWidget()))
{
    setWindowTitle(tr("Find encounter"));
    resize(360, 180);

    m_findText->setObjectName(QStringLiteral("findText"));
    m_findText->setPlaceholderText(tr("Monster name or details text"));
    m_findText->setAccessibleName(tr("Find"));
    m_findText->installEventFilter(this);
    m_findResults->setObjectName(QStringLiteral("findResults"));
    m_findResults->setAccessibleName(tr("Encounters found"));
    m_findResults->setUniformItemSizes(true);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(m_findText);
    layout->addWidget(m_findResults);

    connect(m_findText, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(m_findText, &QLineEdit::returnPressed, this, &FindWindow::chooseCurrent);
    connect(m_findResults, &QListWidget::activated, this, &FindWindow::chooseCurrent);
    auto escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

FindWindow::~FindWindow()
{
    if (m_marks)
        m_marks->deleteLater();
}

void FindWindow::start()
{
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

void FindWindow::placeBeside(QWidget *board, const QRect &fallback)
{
    // The title bar and borders the window manager gave the board; a window's
    // position names its frame's corner.
    const QRect inner = board->geometry(), outer = board->frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QSize framedSize = size().grownBy(frame);
    const QRect screen = board->screen()->availableGeometry();
    constexpr int Gap = 8;
    for (const int left : {outer.right() + 1 + Gap, outer.left() - Gap - framedSize.width()}) {
        const QRect beside(QPoint(left, outer.top()), framedSize);
        if (screen.contains(beside)) {
            move(beside.topLeft());
            return;
        }
    }
    resize(fallback.size().shrunkBy(frame));
    move(board->mapToGlobal(fallback.topLeft()));
}

// Up and Down in the text move in the list, so that the hands stay on the keys.
bool FindWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_findText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
            || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_findResults, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Opening the window or coming back to it shows what was saved meanwhile.
void FindWindow::showEvent(QShowEvent *event)
{
    search();
    QWidget::showEvent(event);
}

void FindWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        search();
    QWidget::changeEvent(event);
}

void FindWindow::hideEvent(QHideEvent *event)
{
    if (m_marks)
        m_marks->mark({});
    QWidget::hideEvent(event);
}

void FindWindow::search()
{
    m_index.refresh();
    m_findResults->clear();
    QList<QRect> found;
    for (const EncounterIndex::Match &match : m_index.find(m_findText->text())) {
        auto row = new QListWidgetItem(
            tr("%1: %2").arg(QString::number(match.number), match.context),
            m_findResults);
        row->setData(Qt::UserRole, match.number);
        found.append(m_spots[match.number - 1]->geometry());
    }
    m_findResults->setCurrentRow(0);
    if (m_marks)
        m_marks->mark(found);
}

void FindWindow::chooseCurrent()
{
    if (QListWidgetItem *row = m_findResults->currentItem())
        emit encounterChosen(row->data(Qt::UserRole).toInt());
}
