#include "ui/widgets/log_plot.h"

#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// Closer than this the records of a data log (whole seconds) stop telling anything apart.
constexpr double kShortestSpan = 0.5;
// A press that moves less than this is a click that places the cursor, not a drag.
constexpr double kClickSlop = 4;

} // namespace

LogPlot::LogPlot(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 200);
}

void LogPlot::setLog(std::shared_ptr<const LogTable> table, const QString& title) {
    m_table = std::move(table);
    m_view = LogPlotView{};
    m_view.title = title;
    m_view.to = logEnd();
    update();
    Q_EMIT viewChanged();
}

void LogPlot::setSeries(const std::vector<int>& series) {
    m_view.series = series;
    update();
    Q_EMIT viewChanged();
}

double LogPlot::logEnd() const {
    const double end = m_table && !m_table->times.empty() ? m_table->times.back() : 0;
    return std::max(end, kShortestSpan);
}

void LogPlot::setSpan(double from, double to) {
    const double end = logEnd();
    double span = std::clamp(to - from, kShortestSpan, end);
    from = std::clamp(from, 0.0, end - span);
    m_view.from = from;
    m_view.to = from + span;
    update();
    Q_EMIT viewChanged();
}

void LogPlot::zoom(double factor, double anchor) {
    const double share = (anchor - m_view.from) / (m_view.to - m_view.from);
    const double span = (m_view.to - m_view.from) * factor;
    setSpan(anchor - share * span, anchor - share * span + span);
}

void LogPlot::pan(double fraction) {
    const double shift = (m_view.to - m_view.from) * fraction;
    setSpan(m_view.from + shift, m_view.to + shift);
}

void LogPlot::showAll() {
    setSpan(0, logEnd());
}

void LogPlot::setCursorTime(double t) {
    if (!m_table || m_table->times.empty())
        return;
    m_view.cursor = std::clamp(t, 0.0, m_table->times.back());
    update();
    Q_EMIT viewChanged();
}

void LogPlot::stepCursor(int records) {
    if (!m_table || m_table->times.empty())
        return;
    const qsizetype row = m_view.cursor ? rowAt(*m_table, *m_view.cursor) : 0;
    const qsizetype next = std::clamp<qsizetype>(row + records, 0, m_table->rowCount() - 1);
    const double t = m_table->times[size_t(next)];
    // The cursor is kept in sight: the span follows it.
    if (t < m_view.from || t > m_view.to)
        pan((t - (m_view.from + m_view.to) / 2) / (m_view.to - m_view.from));
    setCursorTime(t);
}

double LogPlot::timeAtX(double x) const {
    const QRectF data = logPlotDataArea(rect());
    return m_view.from + (x - data.left()) / data.width() * (m_view.to - m_view.from);
}

void LogPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_table) {
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Open a data log to view it"));
        return;
    }
    paintLogPlot(painter, rect(), *m_table, m_view);
}

void LogPlot::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0 && m_table)
        zoom(std::pow(0.8, steps), timeAtX(event->position().x()));
    event->accept();
}

void LogPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_moved = false;
    m_dragStartX = event->position().x();
    m_dragStartFrom = m_view.from;
}

void LogPlot::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const double dx = event->position().x() - m_dragStartX;
    if (std::abs(dx) < kClickSlop && !m_moved)
        return;
    m_moved = true;
    const QRectF data = logPlotDataArea(rect());
    const double span = m_view.to - m_view.from;
    setSpan(m_dragStartFrom - dx / data.width() * span,
            m_dragStartFrom - dx / data.width() * span + span);
}

void LogPlot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    if (!m_moved)
        setCursorTime(timeAtX(event->position().x()));
}

void LogPlot::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const double anchor = m_view.cursor.value_or((m_view.from + m_view.to) / 2);
    switch (event->key()) {
    case Qt::Key_Left:
        shift ? stepCursor(-1) : pan(-0.1);
        break;
    case Qt::Key_Right:
        shift ? stepCursor(1) : pan(0.1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Plus:
        zoom(0.5, anchor);
        break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        zoom(2, anchor);
        break;
    case Qt::Key_Home:
        showAll();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
