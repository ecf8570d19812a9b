#include "ui/pages/tests_page.h"

#include "core/connection/communication_guard.h"
#include "core/connection/program_context.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/livedata/acceleration_test.h"
#include "core/livedata/speed_thread.h"
#include "ui/app/error_display.h"
#include "ui/widgets/dot_matrix_display.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

DotMatrixDisplay* display(const QString& name, QWidget* parent) {
    auto* lcd = new DotMatrixDisplay(11, parent);
    lcd->setObjectName(name);
    return lcd;
}

QGroupBox* groupAround(const QString& title, QWidget* content, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

} // namespace

TestsPage::TestsPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("Page_Tests"));
    m_test = std::make_unique<AccelerationTest>([this] { return isEnglish(m_context.unitSystem); });
    m_thread = std::make_unique<SpeedThread>(*m_test, m_context.link);
    // Direct: the worker waits in the hand-off until the displays have changed.
    SpeedThread* thread = m_thread.get();
    connect(thread, &SpeedThread::testStarted, this, &TestsPage::onTestStarted,
            Qt::DirectConnection);
    connect(
        thread, &SpeedThread::startValuesDue, this,
        [this] { runReportingErrors([this] { showStartValues(); }); }, Qt::DirectConnection);
    connect(
        thread, &SpeedThread::runningStarted, this,
        [this] { runReportingErrors([this] { showRunning(); }); }, Qt::DirectConnection);
    connect(
        thread, &SpeedThread::sampleReady, this,
        [this] { runReportingErrors([this] { showTestProgress(); }); }, Qt::DirectConnection);
    connect(thread, &SpeedThread::testFinished, this, &TestsPage::onTestFinished,
            Qt::DirectConnection);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("nbTests"));
    m_tabs->addTab(buildAccelerationTab(), QStringLiteral("Acceleration"));
    layout->addWidget(m_tabs);
    showStartValues();
}

TestsPage::~TestsPage() {
    // The worker reaches into the displays through the hand-off; it ends before they do.
    disconnect(m_thread.get(), &SpeedThread::testFinished, nullptr, nullptr);
    disconnect(m_thread.get(), &SpeedThread::sampleReady, nullptr, nullptr);
    m_thread->stopAndWait();
}

QWidget* TestsPage::buildAccelerationTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsAcceleration"));
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);

    auto* panel = new QFrame(tab);
    panel->setObjectName(QStringLiteral("panTestDisplay"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette dark = panel->palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    panel->setPalette(dark);
    auto* panelLayout = new QVBoxLayout(panel);
    m_main = display(QStringLiteral("lcdAccMain"), panel);
    m_main->setThickSegments(true);
    m_main->setMinimumHeight(70);
    panelLayout->addWidget(m_main);
    column->addWidget(panel, 2);

    auto* values = new QHBoxLayout;
    m_speed = display(QStringLiteral("lcdAccSpeed"), tab);
    m_seconds = display(QStringLiteral("lcdSec"), tab);
    values->addWidget(groupAround(QStringLiteral("Speed"), m_speed, tab));
    values->addWidget(groupAround(QStringLiteral("Time"), m_seconds, tab));
    column->addLayout(values, 1);
    m_endReason = new QLabel(tab);
    m_endReason->setObjectName(QStringLiteral("labAccEndReason"));
    m_endReason->setAlignment(Qt::AlignCenter);
    column->addWidget(m_endReason);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_start = new QPushButton(QStringLiteral("Start"), tab);
    m_start->setObjectName(QStringLiteral("btnAccTestStar"));
    m_stop = new QPushButton(QStringLiteral("Stop"), tab);
    m_stop->setObjectName(QStringLiteral("btnAccTestStop"));
    m_stop->setEnabled(false);
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    column->addLayout(buttons);
    column->addStretch(1);

    connect(m_start, &QPushButton::clicked, this, guarded([this] { onStartTestClicked(); }));
    connect(m_stop, &QPushButton::clicked, this, guarded([this] { onStopTestClicked(); }));
    showMain(QStringLiteral("READY   "), kYellow);
    return tab;
}

void TestsPage::showMain(const QString& text, const QColor& colour) {
    m_main->setForeground(colour);
    m_main->setText(text);
}

void TestsPage::showStartValues() {
    const AccelerationTest::Shown shown = m_test->startValues();
    m_speed->setText(shown.speed);
    m_seconds->setText(shown.time);
}

void TestsPage::onStartTestClicked() {
    if (m_thread->isWorking())
        return;
    m_context.link.logEvent(QStringLiteral(" - Acceleration Test"));
    if (communicationLost(m_context.connection, m_notifier))
        return;
    const StandstillCheck check = m_test->checkStandstill(m_context.link);
    if (check.result == StandstillCheck::NotANumber) {
        m_notifier.showMessage(UserNotifier::Icon::Error,
                               const_str::SpeedNotReadable.arg(check.speedText));
        return;
    }
    if (check.result == StandstillCheck::Moving) {
        m_notifier.showMessage(UserNotifier::Icon::Error, const_str::SpeedAboveZero);
        return;
    }
    showMain(QStringLiteral("START   "), kYellow);
    m_test->arm();
    m_thread->startTest();
}

void TestsPage::onStopTestClicked() {
    m_thread->requestStop();
}

void TestsPage::stopTestAndWait() {
    m_thread->stopAndWait();
}

void TestsPage::onTestStarted() {
    m_endReason->clear();
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
}

void TestsPage::showRunning() {
    showMain(QStringLiteral("RUN    "), kGreen);
}

void TestsPage::showTestProgress() {
    const AccelerationTest::Shown shown = m_test->synchronise();
    m_speed->setText(shown.speed);
    m_seconds->setText(shown.time);
}

void TestsPage::onTestFinished(std::exception_ptr error) {
    m_start->setEnabled(true);
    m_stop->setEnabled(false);
    showMain(QStringLiteral("STOP    "), kRed);
    if (const std::optional<AccelerationTest::Shown> result = m_test->result()) {
        m_speed->setText(result->speed);
        m_seconds->setText(result->time);
    }
    m_endReason->setText(m_test->endReason());
    // The user who pressed Stop knows the run was cut short; a run that ended by itself short of
    // the target must not leave its last reading looking like a result.
    const AccelerationTest::Outcome outcome = m_test->outcome();
    if (outcome != AccelerationTest::Outcome::TargetReached &&
        outcome != AccelerationTest::Outcome::Stopped)
        m_seconds->setText(AccelerationTest::noTimeText());
    if (error)
        runReportingErrors([&error] { std::rethrow_exception(error); });
}
