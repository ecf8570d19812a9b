#pragma once

#include <QStringList>
#include <QTextStream>

struct CliTuning;

// The whole tool behind main(): parses the arguments (without the program name), runs the
// command, prints text or one JSON document to out and messages to err, and returns the exit code.
// Nothing escapes as an exception.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const CliTuning& tuning);
