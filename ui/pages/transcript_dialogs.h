#pragma once

#include <QString>

// Where the terminal saves its transcript. The page opens the save dialog itself; tests answer
// instead (tests/support/fake_transcript_dialogs.h).
struct TranscriptDialogs {
    virtual ~TranscriptDialogs() = default;
    // Starts from the proposed path; empty when the user cancels.
    virtual QString askSavePath(const QString& proposedPath) = 0;
};
