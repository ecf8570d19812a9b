#pragma once

#include <QWidget>
#include <memory>

class LogPlot;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
struct LogTable;

// A recorded drive read back: the columns of the log to choose from, the chosen ones as strips
// over one time axis, and for each the value at the cursor and the minimum, maximum and mean of
// the visible span. The view exports as PNG or SVG, the visible span of the chosen columns as
// CSV.
class LogViewerTab : public QWidget {
    Q_OBJECT
public:
    explicit LogViewerTab(QWidget* parent = nullptr);
    ~LogViewerTab() override;

    // Reads the log and shows its first six columns; throws LogReadError, and then keeps the
    // log shown before.
    void openLog(const QString& path);
    // Write what is shown; throw LogReadError naming the file when it cannot be written.
    void exportPicture(const QString& path);
    void exportSpanCsv(const QString& path);

    LogPlot* plot() const { return m_plot; }

private:
    void onOpenClicked();
    void onExportPictureClicked();
    void onExportCsvClicked();
    void onColumnsChanged();
    void refreshStats();
    QString chooseSaveFile(const QString& filter, const QString& suffix);

    std::shared_ptr<const LogTable> m_table;
    QString m_folder;
    QString m_fileName;
    LogPlot* m_plot = nullptr;
    QListWidget* m_columns = nullptr;
    QTableWidget* m_stats = nullptr;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_cursorLabel = nullptr;
    QPushButton* m_exportPicture = nullptr;
    QPushButton* m_exportCsv = nullptr;
};
