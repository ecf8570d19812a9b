#pragma once

#include "core/livedata/sensor_entry.h"

#include <QListWidget>

// A list box of sensor items with multiple selection. The monitored list can also be reordered by
// dragging an item onto another; drags from elsewhere are refused.
class SensorListBox : public QListWidget {
    Q_OBJECT
public:
    explicit SensorListBox(const QString& name, bool reorderable, QWidget* parent = nullptr);

    SensorList items() const;
    void setItems(const SensorList& items);
    // The selected rows, top to bottom.
    QList<int> selectedRows() const;

    // A drop of the dragged (current) item on the row; a row outside the list, as below the last
    // item, moves it to the end.
    void dropCurrentAt(int row);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
