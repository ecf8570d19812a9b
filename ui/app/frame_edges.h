#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

// Resizing a window that has no frame of its own: a press on the thin border left free around
// its content hands the drag to the window system, and the cursor over the border shows which
// way the window will grow.
class FrameEdges : public QObject {
public:
    // Width of the border, in pixels; the window keeps its content this far inside.
    static constexpr int kBorder = 4;

    // Watches the mouse on `window` (which owns this helper).
    explicit FrameEdges(QWidget* window);

    // The edges a press at `pos` would drag; none while the window is maximised.
    static Qt::Edges edgesAt(QSize size, QPoint pos, bool maximized);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
