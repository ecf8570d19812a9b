#include "ui/pages/terminal_page.h"

#include "core/connection/program_context.h"
#include "core/l10n/const_str.h"
#include "core/livedata/background_exchange.h"
#include "core/livedata/number_calculator.h"
#include "core/livedata/terminal_transcript.h"
#include "core/settings/data_dirs.h"
#include "ui/app/error_display.h"
#include "ui/pages/transcript_dialogs.h"
#include "ui/widgets/user_input.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace calc = number_calculator;

namespace {

QLineEdit* lineEdit(const QString& name, QWidget* parent, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    if (readOnly)
        edit->setText(QStringLiteral("0"));
    return edit;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

class SaveDialog : public TranscriptDialogs {
public:
    explicit SaveDialog(QWidget* parent) : m_parent(parent) {}
    QString askSavePath(const QString& proposedPath) override {
        QFileDialog dialog(m_parent, const_str::SaveTranscriptCaption);
        dialog.setObjectName(QStringLiteral("SaveDialog1"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("txt (*.txt)"), QStringLiteral("log (*.log)")});
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.selectFile(proposedPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

private:
    QWidget* m_parent;
};

} // namespace

TerminalPage::TerminalPage(ProgramContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("Page_Terminal"));
    m_exchange = new BackgroundExchange(m_context.link, this);
    m_ownDialogs = std::make_unique<SaveDialog>(this);
    m_dialogs = m_ownDialogs.get();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildCalculator());
    layout->addWidget(buildElmCommand());
    layout->addWidget(buildJ1979Command(), 1);
}

TerminalPage::~TerminalPage() = default;

QWidget* TerminalPage::buildCalculator() {
    auto* group = new QGroupBox(QStringLiteral("Calculator"), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    struct Row {
        const char* caption;
        const char* input;
        const char* outputs[2];
        const char* labels[2];
    };
    const Row rows[] = {{"Bin to ->", "BinEdit1", {"BinEdit2", "BinEdit3"}, {"Integer", "Hex"}},
                        {"Integer to ->", "IntEdit1", {"IntEdit2", "IntEdit3"}, {"Hex", "Binary"}},
                        {"Hex to ->", "HexEdit1", {"HexEdit2", "HexEdit3"}, {"Integer", "Binary"}}};
    QLineEdit* inputs[3] = {};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(QLatin1String(rows[r].caption), group), r, 0);
        inputs[r] = lineEdit(QLatin1String(rows[r].input), group, false);
        inputs[r]->installEventFilter(this);
        grid->addWidget(inputs[r], r, 1);
        for (int o = 0; o < 2; ++o) {
            grid->addWidget(new QLabel(QLatin1String(rows[r].labels[o]), group), r, 2 + 2 * o,
                            Qt::AlignRight);
            m_outputs[std::size_t(2 * r + o)] =
                lineEdit(QLatin1String(rows[r].outputs[o]), group, true);
            grid->addWidget(m_outputs[std::size_t(2 * r + o)], r, 3 + 2 * o);
        }
    }
    m_binInput = inputs[0];
    m_intInput = inputs[1];
    m_hexInput = inputs[2];
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 3);

    auto* bits = new QGridLayout;
    bits->setHorizontalSpacing(4);
    bits->setVerticalSpacing(0);
    for (int byte = 0; byte < 4; ++byte) {
        bits->addWidget(new QLabel(QStringLiteral("Byte %1").arg(byte + 1), group), byte, 0);
        for (int column = 0; column < 8; ++column) {
            const int number = byte * 8 + column + 1;
            auto* box = new QCheckBox(QStringLiteral("Bit%1").arg(7 - column), group);
            box->setObjectName(QStringLiteral("cb%1").arg(number));
            // They only show the bits: a click changes nothing (see eventFilter).
            box->setFocusPolicy(Qt::NoFocus);
            box->installEventFilter(this);
            m_bits[std::size_t(number - 1)] = box;
            bits->addWidget(box, byte, column + 1);
        }
    }
    grid->addLayout(bits, 3, 0, 1, 6);

    connect(m_binInput, &QLineEdit::textChanged, this, guarded([this] { onBinaryInputChanged(); }));
    connect(m_intInput, &QLineEdit::textChanged, this,
            guarded([this] { onDecimalInputChanged(); }));
    connect(m_hexInput, &QLineEdit::textChanged, this, guarded([this] { onHexInputChanged(); }));
    return group;
}

QWidget* TerminalPage::buildElmCommand() {
    auto* group = new QGroupBox(QStringLiteral("User definable ELM command"), this);
    auto* row = new QHBoxLayout(group);
    m_elmCommand = lineEdit(QStringLiteral("FlatEdit1"), group, false);
    m_elmSend = button(QStringLiteral("dxButton2"), QStringLiteral("Send"), group);
    m_elmAnswer = lineEdit(QStringLiteral("FlatEdit2"), group, true);
    m_elmAnswer->clear();
    row->addWidget(m_elmCommand, 1);
    row->addWidget(m_elmSend);
    row->addWidget(m_elmAnswer, 2);
    connect(m_elmSend, &QPushButton::clicked, this, guarded([this] { onSendCommandClicked(); }));
    connect(m_elmCommand, &QLineEdit::returnPressed, this,
            guarded([this] { onSendCommandClicked(); }));
    return group;
}

QWidget* TerminalPage::buildJ1979Command() {
    auto* group = new QGroupBox(QStringLiteral("SAE J1979 command"), this);
    auto* column = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    m_mode = new QComboBox(group);
    m_mode->setObjectName(QStringLiteral("ComboBox1"));
    m_mode->setEditable(true);
    for (int mode = 1; mode <= 9; ++mode)
        m_mode->addItem(QStringLiteral("%1").arg(mode, 2, 10, QLatin1Char('0')));
    m_pid = new QComboBox(group);
    m_pid->setObjectName(QStringLiteral("ComboBox2"));
    m_pid->setEditable(true);
    for (int pid = 0; pid < 0x50; ++pid)
        m_pid->addItem(QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper());
    m_mode->setCurrentIndex(0);
    m_pid->setCurrentIndex(0);
    m_result = lineEdit(QStringLiteral("Edit1"), group, true);
    m_result->clear();
    m_j1979Send = button(QStringLiteral("dxButton3"), QStringLiteral("Send"), group);
    row->addWidget(new QLabel(QStringLiteral("Mode"), group));
    row->addWidget(m_mode);
    row->addWidget(new QLabel(QStringLiteral("PID"), group));
    row->addWidget(m_pid);
    row->addWidget(m_j1979Send);
    row->addWidget(new QLabel(QStringLiteral("Result"), group));
    row->addWidget(m_result, 1);
    column->addLayout(row);

    m_transcript = new QPlainTextEdit(group);
    m_transcript->setObjectName(QStringLiteral("Memo1"));
    m_transcript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_transcript->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addWidget(m_transcript, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* clear = button(QStringLiteral("dxButton5"), QStringLiteral("Clear"), group);
    QPushButton* save = button(QStringLiteral("dxButton4"), QStringLiteral("Save to File"), group);
    buttons->addWidget(clear);
    buttons->addWidget(save);
    column->addLayout(buttons);

    connect(m_j1979Send, &QPushButton::clicked, this, guarded([this] { onSendRequestClicked(); }));
    connect(clear, &QPushButton::clicked, this, guarded([this] { onClearTranscriptClicked(); }));
    connect(save, &QPushButton::clicked, this, guarded([this] { onSaveTranscriptClicked(); }));
    return group;
}

void TerminalPage::setRequestButtonsEnabled(bool enabled) {
    m_elmSend->setEnabled(enabled);
    m_j1979Send->setEnabled(enabled);
}

void TerminalPage::sendRequest(const QString& command, std::function<void(const QString&)> done,
                               BackgroundExchange::Sent sent) {
    if (m_exchange->busy())
        return;
    // Without an open interface there is nobody to ask; the answer says so.
    if (!m_context.link.channelReady()) {
        done(const_str::NoCommunicationLine1 + QLatin1Char(' ') + const_str::NoCommunicationLine2);
        return;
    }
    setRequestButtonsEnabled(false);
    m_exchange->start(
        command,
        [this, done = std::move(done)](const LinkAnswer& answer, std::exception_ptr error) {
            setRequestButtonsEnabled(true);
            if (error)
                runReportingErrors([&error] { std::rethrow_exception(error); });
            else
                runReportingErrors([&] { done(answer.value_or(const_str::Error)); });
        },
        sent);
}

void TerminalPage::waitForRequest() {
    m_exchange->waitUntilDone();
}

void TerminalPage::onSendCommandClicked() {
    const QString command = m_elmCommand->text();
    sendRequest(
        command,
        [this, command](const QString& answer) {
            // The field has one line; the transcript keeps the answer's lines as they came.
            m_elmAnswer->setText(answer.split(QLatin1Char('\n')).join(QStringLiteral(" | ")));
            for (const QString& line : terminal_transcript::typedEntry(command, answer))
                m_transcript->appendPlainText(line);
        },
        BackgroundExchange::Sent::AsTyped);
}

void TerminalPage::onSendRequestClicked() {
    const QString mode = m_mode->currentText();
    const QString pid = m_pid->currentText();
    sendRequest(terminal_transcript::request(mode, pid), [this, mode, pid](const QString& answer) {
        m_result->setText(answer);
        for (const QString& line : terminal_transcript::entry(mode, pid, answer))
            m_transcript->appendPlainText(line);
    });
}

void TerminalPage::onClearTranscriptClicked() {
    m_transcript->clear();
}

void TerminalPage::onSaveTranscriptClicked() {
    const QString proposed =
        QDir(data_dirs::dataDir())
            .filePath(terminal_transcript::proposedFileName(QDateTime::currentDateTime()) +
                      QStringLiteral(".txt"));
    const QString path = m_dialogs->askSavePath(proposed);
    if (path.isEmpty())
        return;
    const QString text = m_transcript->toPlainText();
    terminal_transcript::save(path, text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
}

void TerminalPage::onBinaryInputChanged() {
    const calc::Converted converted = calc::fromBinary(m_binInput->text());
    m_outputs[0]->setText(converted.first);
    m_outputs[1]->setText(converted.second);
}

void TerminalPage::onDecimalInputChanged() {
    const calc::Converted converted = calc::fromInteger(m_intInput->text());
    m_outputs[2]->setText(converted.first);
    m_outputs[3]->setText(converted.second);
}

void TerminalPage::onHexInputChanged() {
    const calc::Converted converted = calc::fromHex(m_hexInput->text());
    m_outputs[4]->setText(converted.first);
    m_outputs[5]->setText(converted.second);
    for (int bit = 0; bit < 32; ++bit) {
        // Each byte's boxes run from its highest bit down, as the byte is written in hex.
        const int number = (bit / 8) * 8 + (7 - bit % 8) + 1;
        m_bits[std::size_t(number - 1)]->setChecked((converted.bits >> bit) & 1U);
    }
}

bool TerminalPage::filterKeyPress(QLineEdit* edit, QKeyEvent* event) {
    // Shortcuts (copy, paste, select all), keys without a character and Tab, which moves on to
    // the next field, are not filtered.
    if (event->text().isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ||
        event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const QChar key = event->key() == Qt::Key_Backspace ? QChar(0x08) : event->text().at(0);
    const calc::Input input = edit == m_binInput   ? calc::Input::Binary
                              : edit == m_intInput ? calc::Input::Integer
                                                   : calc::Input::Hex;
    const std::optional<QChar> accepted = calc::filterKey(input, edit->text(), key);
    if (!accepted)
        return true;
    if (*accepted == key)
        return false;
    edit->insert(QString(*accepted));
    return true;
}

bool TerminalPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == m_binInput || watched == m_intInput || watched == m_hexInput))
        return filterKeyPress(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event));
    // The bit boxes show the hexadecimal value and take no input.
    if (isUserInput(*event) && std::find(m_bits.begin(), m_bits.end(), watched) != m_bits.end())
        return true;
    return QWidget::eventFilter(watched, event);
}
