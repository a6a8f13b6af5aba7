#include "boardmap.h"

#include "maptouch.h"
#include "mapview.h"
#include "partymarkers.h"
#include "spotplacement.h"

#include "current/currentdungeon.h"
#include "fog/fog.h"
#include "kit/controls.h"
#include "kit/spots.h"

#include <QMessageBox>

namespace {

constexpr int SpotSize = 17;

// A spot on a map of its own, whose picture carries no numbers: its number
// in red on white in a thin dark frame.
void showAsNumberSquare(Label *spot, int number)
{
    spot->resize(SpotSize, SpotSize);
    spot->setAlignment(Qt::AlignCenter);
    spot->setText(QString::number(number));
    spot->setStyleSheet(QStringLiteral(
            "QLabel { background: white; color: red; border: 1px solid #303030; font: bold 7pt; }"));
}

} // namespace

BoardMap::BoardMap(QWidget *mapBox, const std::array<Label *, 40> &spots, PartyMarkers *markers,
                   CurrentDungeon *dungeon, QObject *parent)
    : QObject(parent), m_mapBox(mapBox), m_spots(spots), m_markers(markers), m_dungeon(dungeon)
{
}

QWidget *BoardMap::window() const
{
    return m_mapBox->window();
}

bool BoardMap::showsOwnMap() const
{
    return m_mapView && !m_mapView->isHidden();
}

void BoardMap::fit()
{
    if (showsOwnMap())
        m_mapView->fit();
}

void BoardMap::setControlsOver(const QList<QWidget *> &controls)
{
    m_controlsOver = controls;
    keepMapClear();
}

void BoardMap::keepMapClear()
{
    if (!m_mapView)
        return;
    QList<QRect> covered;
    for (const QWidget *control : std::as_const(m_controlsOver))
        covered.append(control->geometry());
    if (m_placement)
        covered.append(m_placement->stripArea());
    m_mapView->setCovered(covered);
}

void BoardMap::showDungeon()
{
    if (!m_dungeon->showsOwnMap()) {
        showBuiltInMap();
        return;
    }
    if (!m_mapView) {
        m_mapView = new MapView(m_mapBox);
        m_mapView->lower();
        connect(m_mapView, &MapView::pressed, this, &BoardMap::pressed);
        m_markers->setMapView(m_mapView);
        m_touch = new MapTouch(m_mapBox, m_mapView);
        keepMapClear();
    }
    m_touch->setEnabled(true);
    m_mapView->setPicture(m_dungeon->ownMap(), m_dungeon->ownMapFullSize(), m_dungeon->ownMapPath());
    m_mapView->show();
    showSpots();
}

void BoardMap::showSpots()
{
    if (!showsOwnMap())
        return;
    const auto &spots = m_dungeon->description().spots;
    for (int n = 1; n <= int(m_spots.size()); ++n) {
        Label *spot = m_spots[n - 1];
        showAsNumberSquare(spot, n);
        spot->setVisible(spots.contains(n));
        if (spots.contains(n))
            m_mapView->pin(spot, spots.value(n), MapView::Anchor::Centre);
        else
            m_mapView->unpin(spot);
    }
}

void BoardMap::showBuiltInMap()
{
    if (m_mapView) {
        m_mapView->setPicture({}, {}, {});
        m_mapView->hide();
        m_touch->setEnabled(false);
    }
    for (int n = 1; n <= int(m_spots.size()); ++n) {
        Label *spot = m_spots[n - 1];
        spot->setStyleSheet(QString());
        spot->setText(QString());
        spot->setGeometry(Map::Spots[n - 1]);
        spot->show();
    }
}

void BoardMap::enterSpotPlacement()
{
    if (m_placement)
        return;
    const QString title = tr("Spot placement");
    if (!m_dungeon->descriptionReadable()) {
        QMessageBox::warning(window(), title,
                             tr("The dungeon's description cannot be read, so it is left as it is. Mend it by hand first."));
        return;
    }
    if (m_dungeon->description().hasOwnMap() != showsOwnMap()) {
        QMessageBox::warning(window(), title,
                             tr("The dungeon's map cannot be shown, so its spots and rooms are left as they are."));
        return;
    }
    QList<int> seenAreas; // what the players saw keeps its name
    for (int room : m_dungeon->fog()->state().revealed) {
        if (FogState::isArea(room))
            seenAreas.append(FogState::areaNumber(room));
    }
    m_placement = new SpotPlacement(m_dungeon->description(), showsOwnMap() ? m_mapView : nullptr, seenAreas,
                                    m_mapBox);
    connect(m_placement, &SpotPlacement::saveRequested, this, [this] { leaveSpotPlacement(); });
    connect(m_placement, &SpotPlacement::discardRequested, this, [this] {
        // The answer that keeps is the default.
        if (QMessageBox::question(window(), tr("Spot placement"), tr("Leave spot placement without saving?"),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes)
            leaveSpotPlacement(false);
    });
    if (showsOwnMap()) {
        for (Label *spot : m_spots)
            spot->hide(); // the placement draws the spots as they are being placed
    }
    keepMapClear();
    m_placement->show();
    m_placement->raise();
    m_placement->setFocus();
}

bool BoardMap::leaveSpotPlacement(bool save)
{
    if (!m_placement)
        return true;
    if (save) {
        if (const QString error = m_dungeon->changeDescription(m_placement->description()); !error.isEmpty()) {
            QMessageBox::warning(window(), tr("Spot placement"),
                                 tr("The spots cannot be saved, so spot placement goes on.\n\n%1").arg(error));
            return false;
        }
    }
    m_placement->hide();
    m_placement->deleteLater();
    m_placement = nullptr;
    keepMapClear();
    showSpots();
    emit placementLeft();
    return true;
}

bool BoardMap::isPlacingSpots() const
{
    return m_placement;
}
