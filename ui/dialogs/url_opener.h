#pragma once

#include <QUrl>

// Hands a link to the desktop (web browser, mail program). The info dialog asks the desktop
// itself; tests take the links instead (tests/support/fake_url_opener.h).
struct UrlOpener {
    virtual ~UrlOpener() = default;
    virtual void openUrl(const QUrl& url) = 0;
};
