#pragma once

#include <QString>
#include <QStringList>

// The naming style of the program's own code, read from the source files themselves.
namespace naming_rules {

// The source text with every comment and string or character literal blanked out; line breaks
// stay where they were, so line numbers still hold.
QString codeOnly(const QString& text);

// Every name under core/, ui/ and tools/ of the tree at root that keeps an old naming style, as
// "path:line: name (reason)": a type or function named T or Tf followed by a capital, and a
// handler named for a numbered or generic control instead of its role. objectName strings and
// comments are left out: the widget names are part of what the program shows to scripts.
QStringList violations(const QString& root);

} // namespace naming_rules
