#include "ui/pages/dashboard_tab.h"

#include "core/l10n/const_str.h"
#include "core/livedata/dashboard.h"
#include "core/livedata/live_number.h"
#include "ui/app/error_display.h"
#include "ui/widgets/analog_gauge.h"
#include "ui/widgets/dot_matrix_display.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {

const QColor kGreen(0x00, 0xC0, 0x00);
const QColor kYellow(0xFF, 0xD0, 0x00);
const QColor kRed(0xE0, 0x10, 0x10);
const QColor kBlue(0x20, 0x60, 0xFF);

struct GaugeForm {
    const char* name;
    const char* box;
    const char* caption;
    AnalogGauge::Sweep sweep;
    double scale;
    int mainTicks;
    double lowerMark;
    double upperMark;
    bool blueLowZone; // blue/yellow/red with both outer zones, else green/yellow/red upper only
};

// By the entries of DashboardValues.
const GaugeForm kForms[4] = {
    {"labBD_ANALOG_KMH", "cbBD_ANALOG_KMH", "km/h", AnalogGauge::Sweep::Degrees270, 220, 11, 1, 139,
     false},
    {"labBD_ANALOG_RPM", "cbBD_ANALOG_RPM", "RPM x1000", AnalogGauge::Sweep::Degrees270, 8, 8, 1, 7,
     false},
    {"labBD_ANALOG_WATER", "cbBD_ANALOG_WATER", "°C", AnalogGauge::Sweep::Degrees90, 240, 3, 30,
     100, true},
    {"labBD_ANALOG_LOAD", "cbBD_ANALOG_LOAD", "Load %", AnalogGauge::Sweep::Degrees90, 100, 4, 1,
     95, true},
};

DotMatrixDisplay* readout(const QString& name, QWidget* parent) {
    auto* display = new DotMatrixDisplay(5, parent);
    display->setObjectName(name);
    display->setText(const_str::DisplayOff);
    display->setMinimumSize(display->sizeHint());
    return display;
}

} // namespace

DashboardTab::DashboardTab(DashboardValues& dashboard, QWidget* parent)
    : QWidget(parent), m_dashboard(dashboard) {
    setObjectName(QStringLiteral("tsDashboard"));
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);

    for (int entry = 0; entry < 4; ++entry) {
        const GaugeForm& form = kForms[entry];
        auto* gauge = new AnalogGauge(form.sweep, this);
        gauge->setObjectName(QLatin1String(form.name));
        gauge->setCaption(QString::fromUtf8(form.caption));
        gauge->setScale(form.scale);
        gauge->setMainTicks(form.mainTicks);
        gauge->setMarks(form.lowerMark, form.upperMark);
        if (form.blueLowZone) {
            gauge->setZoneColours(kBlue, kYellow, kRed);
            gauge->setZonesShown(true, false, true);
        } else {
            gauge->setZoneColours(kGreen, kYellow, kRed);
            gauge->setZonesShown(false, false, true);
        }
        gauge->setMinimumSize(gauge->sizeHint());
        m_gauges[entry] = gauge;
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(form.box));
        box->setChecked(true);
        m_boxes[entry] = box;
        connect(box, &QCheckBox::clicked, this, guarded([this, entry] { boxClicked(entry); }));
    }
    m_speedDisplay = readout(QStringLiteral("labDB_LCD_KMH"), this);
    m_rpmDisplay = readout(QStringLiteral("labDB_LCD_RPM"), this);

    // Speed and engine speed large above their readouts; temperature and load beside them.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    auto column = [&](int entry, DotMatrixDisplay* display) {
        auto* box = new QVBoxLayout;
        box->addWidget(m_gauges[entry], 1);
        if (display != nullptr)
            box->addWidget(display, 0, Qt::AlignHCenter);
        box->addWidget(m_boxes[entry], 0, Qt::AlignHCenter);
        return box;
    };
    grid->addLayout(column(DashboardValues::VehicleSpeed, m_speedDisplay), 0, 0, 2, 1);
    grid->addLayout(column(DashboardValues::EngineSpeed, m_rpmDisplay), 0, 1, 2, 1);
    grid->addLayout(column(DashboardValues::CoolantTemperature, nullptr), 0, 2);
    grid->addLayout(column(DashboardValues::Load, nullptr), 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
}

void DashboardTab::dashboardHandOff() {
    const struct {
        DashboardValues::Gauge entry;
        double divisor;
        DotMatrixDisplay* display;
    } order[] = {{DashboardValues::EngineSpeed, 1000.0, m_rpmDisplay},
                 {DashboardValues::VehicleSpeed, 1.0, m_speedDisplay},
                 {DashboardValues::CoolantTemperature, 1.0, nullptr},
                 {DashboardValues::Load, 1.0, nullptr}};
    for (const auto& step : order) {
        const DashboardValues::Entry& entry = m_dashboard[step.entry];
        if (!entry.enabled) {
            // Set from code: the box's own handler does not run.
            m_boxes[step.entry]->setChecked(false);
            continue;
        }
        if (step.display != nullptr)
            step.display->setText(entry.valueText);
        m_gauges[step.entry]->setValue(readDashboardValue(entry.valueText) / step.divisor);
    }
}

void DashboardTab::forgetVehicle() {
    for (int entry = 0; entry < 4; ++entry) {
        m_dashboard.entries[std::size_t(entry)].valueText.clear();
        m_gauges[entry]->setValue(0);
    }
    m_speedDisplay->setText(const_str::DisplayOff);
    m_rpmDisplay->setText(const_str::DisplayOff);
}

void DashboardTab::showTexts(bool english) {
    m_gauges[DashboardValues::EngineSpeed]->setCaption(const_str::GaugeEngineSpeed);
    m_gauges[DashboardValues::Load]->setCaption(const_str::GaugeLoad);
    m_speedDisplay->setText(const_str::DisplayOff);
    m_rpmDisplay->setText(const_str::DisplayOff);
    setUnitSystem(english);
}

void DashboardTab::setUnitSystem(bool english) {
    AnalogGauge* speed = m_gauges[DashboardValues::VehicleSpeed];
    AnalogGauge* water = m_gauges[DashboardValues::CoolantTemperature];
    if (english) {
        speed->setScale(140);
        speed->setMainTicks(14);
        speed->setMarks(speed->lowerMark(), 90);
        speed->setCaption(const_str::UnitMilesPerHour);
        water->setScale(240);
        water->setMainTicks(3);
        water->setMarks(86, 212);
        water->setCaption(const_str::UnitFahrenheit);
    } else {
        speed->setScale(220);
        speed->setMainTicks(11);
        speed->setMarks(speed->lowerMark(), 140);
        speed->setCaption(const_str::UnitKmPerHour);
        water->setScale(120);
        water->setMainTicks(4);
        water->setMarks(30, 100);
        water->setCaption(const_str::UnitCelsius);
    }
}

void DashboardTab::onSpeedGaugeToggled() {
    boxClicked(DashboardValues::VehicleSpeed);
}
void DashboardTab::onRpmGaugeToggled() {
    boxClicked(DashboardValues::EngineSpeed);
}
void DashboardTab::onCoolantGaugeToggled() {
    boxClicked(DashboardValues::CoolantTemperature);
}
void DashboardTab::onLoadGaugeToggled() {
    boxClicked(DashboardValues::Load);
}

void DashboardTab::boxClicked(int entry) {
    const bool on = m_boxes[entry]->isChecked();
    m_dashboard.entries[std::size_t(entry)].enabled = on;
    if (on)
        return; // gauge and readout follow at the next hand-off
    m_gauges[entry]->setValue(0);
    if (entry == DashboardValues::VehicleSpeed)
        m_speedDisplay->setText(const_str::DisplayOff);
    else if (entry == DashboardValues::EngineSpeed)
        m_rpmDisplay->setText(const_str::DisplayOff);
}
