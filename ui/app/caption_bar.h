#pragma once

#include <QWidget>

class QIcon;
class QToolButton;

// The main window's own caption bar: a grey line on every second pixel row, the application title
// centred on it, and minimise, maximise/restore and close buttons at the right. Dragging it moves
// the window.
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    explicit CaptionBar(const QString& title, QWidget* parent = nullptr);

    // The maximise button shows the restore symbol while the window is maximised.
    void showMaximized(bool maximized);

Q_SIGNALS:
    void minimizeClicked();
    void maximizeClicked();
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // The symbols of the buttons, drawn in the caption's text colour so that they read as well as
    // the title does on the striped bar.
    enum class Symbol { Minimize, Maximize, Restore, Close };
    static QIcon symbolIcon(Symbol symbol, const QColor& color);

private:
    QToolButton* addButton(const QString& name, Symbol symbol);

    QString m_title;
    QToolButton* m_maximize;
};
