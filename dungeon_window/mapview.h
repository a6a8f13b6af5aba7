#pragma once

#include <QImage>
#include <QPointer>
#include <QTransform>
#include <QWidget>

#include <optional>
#include <vector>

// A dungeon's own map picture in the map box: shown whole, scaled to fit with
// its aspect kept and centred in the largest part of the box that no control
// covers, then zoomed about the pointer with Ctrl+wheel
// (1x to 8x of the fitted size) and panned by dragging with the right or
// middle button. Widgets pinned to a place of the map (spots, markers) follow
// it as it zooms and pans. A left press reports its place in map pixels.
class MapView : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal MaxZoom = 8;

    enum class Anchor { Centre, TopLeft };

    explicit MapView(QWidget *parent);

    // Shows a picture, fitted, with nothing pinned. `preview` is the picture
    // decoded at no more than the box's size; the whole picture at `path` is
    // decoded only once a zoom needs it.
    void setPicture(const QImage &preview, QSize pictureSize, const QString &path);

    // The rectangles of the controls over the box, which the fitted map
    // keeps clear of; a zoomed map pans as far as the free part's edges.
    void setCovered(const QList<QRect> &covered);
    QRect fitArea() const { return m_area; }

    // Keeps `widget` on the map place `at`: its centre or its top-left corner.
    void pin(QWidget *widget, QPointF at, Anchor anchor);
    void unpin(QWidget *widget);
    // The map place of a pinned widget's anchor.
    std::optional<QPointF> place(const QWidget *widget) const;

    QPointF toMap(QPointF viewPoint) const;
    QPointF toView(QPointF mapPoint) const;
    QTransform mapToView() const;
    qreal zoom() const { return m_zoom; }
    QSize pictureSize() const { return m_pictureSize; }

    // Sets the zoom (clamped to 1x..8x) keeping the map place under viewPoint still.
    void zoomAbout(QPointF viewPoint, qreal zoom);
    void fit() { zoomAbout(m_area.center(), 1); }
    // Moves the picture by `delta` view pixels, as far as its edges allow.
    void panBy(QPointF delta) { setOrigin(m_origin + delta); }

signals:
    void pressed(QPointF mapPoint);
    void viewChanged(); // zoomed, panned or given another picture

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Pin
    {
        QPointer<QWidget> widget;
        QPointF at;
        Anchor anchor;
    };

    qreal scale() const { return m_fitScale * m_zoom; }
    void setOrigin(QPointF origin); // keeps the picture covering the box, or centred in it
    void placePins();
    void fitToBox(); // after a change of the view's size
    const QImage &pictureToDraw();

    QImage m_preview;
    QImage m_whole; // decoded on the first zoom that shows more than the preview holds
    QSize m_pictureSize;
    QString m_path;
    qreal m_fitScale = 1;
    qreal m_zoom = 1;
    QPointF m_origin; // where map pixel (0, 0) lies in the view
    QList<QRect> m_covered;
    QRect m_area; // the part of the view the map is fitted into
    std::optional<QPointF> m_panFrom;
    std::vector<Pin> m_pins;
};
