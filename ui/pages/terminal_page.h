#pragma once

#include "core/livedata/background_exchange.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

struct ProgramContext;
struct TranscriptDialogs;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Page_Terminal": the number calculator (base 2, decimal and hexadecimal, with the 32 bits of the
// hexadecimal value), one raw interface command with its answer, and J1979 requests picked from
// two lists; both kinds of exchange go to a transcript that can be saved. Requests run beside the
// window, so it stays responsive while a worker holds the exchange or the interface is slow.
class TerminalPage : public QWidget {
    Q_OBJECT
public:
    TerminalPage(ProgramContext& context, QWidget* parent = nullptr);
    ~TerminalPage() override;

    void onSendCommandClicked();
    void onSendRequestClicked();
    void onClearTranscriptClicked();
    void onSaveTranscriptClicked();
    void onBinaryInputChanged();
    void onDecimalInputChanged();
    void onHexInputChanged();

    // Handles events until a request in progress has been answered; before the interface closes.
    void waitForRequest();

    // Tests answer the save dialog instead of the user; the dialogs outlive the page.
    void setDialogs(TranscriptDialogs& dialogs) { m_dialogs = &dialogs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCalculator();
    QWidget* buildElmCommand();
    QWidget* buildJ1979Command();
    // The key filters of the three inputs; true when the key was dealt with here.
    bool filterKeyPress(QLineEdit* edit, QKeyEvent* event);
    // Sends the command unless a request is in progress; the answer goes to done.
    void sendRequest(const QString& command, std::function<void(const QString&)> done,
                     BackgroundExchange::Sent sent = BackgroundExchange::Sent::Cleaned);
    void setRequestButtonsEnabled(bool enabled);

    ProgramContext& m_context;
    std::unique_ptr<TranscriptDialogs> m_ownDialogs;
    TranscriptDialogs* m_dialogs = nullptr;
    BackgroundExchange* m_exchange = nullptr;
    QLineEdit* m_binInput = nullptr;
    QLineEdit* m_intInput = nullptr;
    QLineEdit* m_hexInput = nullptr;
    std::array<QLineEdit*, 6> m_outputs{};
    std::array<QCheckBox*, 32> m_bits{};
    QLineEdit* m_elmCommand = nullptr;
    QLineEdit* m_elmAnswer = nullptr;
    QPushButton* m_elmSend = nullptr;
    QComboBox* m_mode = nullptr;
    QComboBox* m_pid = nullptr;
    QLineEdit* m_result = nullptr;
    QPushButton* m_j1979Send = nullptr;
    QPlainTextEdit* m_transcript = nullptr;
};
