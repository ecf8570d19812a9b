#include "ui/app/frame_edges.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges) {
    if ((edges & (Qt::LeftEdge | Qt::TopEdge)) == (Qt::LeftEdge | Qt::TopEdge) ||
        (edges & (Qt::RightEdge | Qt::BottomEdge)) == (Qt::RightEdge | Qt::BottomEdge))
        return Qt::SizeFDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge) && edges & (Qt::TopEdge | Qt::BottomEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

FrameEdges::FrameEdges(QWidget* window) : QObject(window), m_window(window) {
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

Qt::Edges FrameEdges::edgesAt(QSize size, QPoint pos, bool maximized) {
    Qt::Edges edges;
    if (maximized)
        return edges;
    if (pos.x() < kBorder)
        edges |= Qt::LeftEdge;
    if (pos.x() >= size.width() - kBorder)
        edges |= Qt::RightEdge;
    if (pos.y() < kBorder)
        edges |= Qt::TopEdge;
    if (pos.y() >= size.height() - kBorder)
        edges |= Qt::BottomEdge;
    return edges;
}

bool FrameEdges::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window ||
        (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::Edges edges =
        edgesAt(m_window->size(), mouse->position().toPoint(), m_window->isMaximized());
    if (event->type() == QEvent::MouseButtonPress) {
        if (!edges || m_window->windowHandle() == nullptr)
            return false;
        m_window->windowHandle()->startSystemResize(edges);
        event->accept();
        return true;
    }
    if (edges)
        m_window->setCursor(cursorFor(edges));
    else
        m_window->unsetCursor();
    return false;
}
