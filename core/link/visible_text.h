#pragma once

#include <QString>
#include <QStringView>

// Text that came from outside (the interface, the vehicle) written so that a terminal, the
// communication log or a label shows every character instead of obeying it: a hostile adapter
// must not set a terminal's title, clear its screen or put NUL bytes into the log.
//
// C0 controls, DEL and C1 controls become \xHH (upper-case hex digits, "\x1B" for ESC); other
// invisible formatting characters (direction overrides, zero-width characters, line and paragraph
// separators, unpaired surrogates) become \u{XXXX}. Everything else, the backslash included,
// stays as it is, so a visible text is its own visible text.
QString visibleText(QStringView text);
