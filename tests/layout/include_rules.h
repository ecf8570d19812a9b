#pragma once

#include <QString>
#include <QStringList>

// The include directions of the two layers, read from the source files themselves.
namespace include_rules {

// Every include line under core/, ui/ and tools/ of the tree at root that runs against the
// allowed directions, as "path:line: included (reason)". qtCoreDir is the directory of the
// QtCore headers: a core file may include a Qt header only when it is there.
QStringList violations(const QString& root, const QString& qtCoreDir);

// Class or struct names defined at namespace scope (outside an anonymous namespace) in more than
// one file under dir, as "Name: file, file". Two such definitions in one program break the
// one-definition rule without a word from the compiler.
QStringList duplicateClasses(const QString& dir);

// The .h and .cpp files under dir of the tree at root, relative to root and sorted.
QStringList sourceFiles(const QString& root, const QString& dir);

} // namespace include_rules
