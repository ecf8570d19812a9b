#pragma once

// Keeps the links a dialog hands to the desktop instead of opening them.

#include "ui/dialogs/url_opener.h"

#include <QList>

struct FakeUrlOpener : UrlOpener {
    QList<QUrl> opened;

    void openUrl(const QUrl& url) override { opened << url; }
};
