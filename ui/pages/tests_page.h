#pragma once

#include <QWidget>
#include <exception>
#include <memory>

struct ProgramContext;
class AccelerationTest;
class DotMatrixDisplay;
class QLabel;
class QPushButton;
class QTabWidget;
class SpeedThread;
class UserNotifier;

// "Page_Tests": the acceleration test on the tab tsAcceleration. The vehicle must stand at
// "Start"; the speed worker then times the run from the first speed above zero to 100 km/h (60
// mph), showing speed and time live on dot-matrix displays. A run that ends short of the target
// says why under the displays, and one that ended by itself shows no time: a time there would
// read as the result of a run. The page owns the test and its worker.
class TestsPage : public QWidget {
    Q_OBJECT
public:
    TestsPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);
    ~TestsPage() override;

    void onStartTestClicked();
    void onStopTestClicked();
    // If the worker runs: asks it to stop and handles events until it has ended. Before anything
    // else uses or closes the interface.
    void stopTestAndWait();
    // The speed and time displays' start texts, in the unit system and language of now.
    void showStartValues();

    AccelerationTest& accelerationTest() { return *m_test; }
    SpeedThread& speedThread() { return *m_thread; }

private:
    QWidget* buildAccelerationTab();
    void onTestStarted();
    void showTestProgress();
    void onTestFinished(std::exception_ptr error);
    void showRunning();
    void showMain(const QString& text, const QColor& colour);

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    std::unique_ptr<AccelerationTest> m_test;
    std::unique_ptr<SpeedThread> m_thread;
    QTabWidget* m_tabs = nullptr;
    DotMatrixDisplay* m_main = nullptr;
    DotMatrixDisplay* m_speed = nullptr;
    DotMatrixDisplay* m_seconds = nullptr;
    QLabel* m_endReason = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
};
