#pragma once

// Answers the terminal's save dialog without a dialog: by default the user cancels.

#include "ui/pages/transcript_dialogs.h"

#include <functional>

struct FakeTranscriptDialogs : TranscriptDialogs {
    std::function<QString(const QString& proposedPath)> savePath = [](const QString&) {
        return QString();
    };

    QString askSavePath(const QString& proposedPath) override { return savePath(proposedPath); }
};
