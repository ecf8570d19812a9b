#pragma once

#include <QStringList>

class QTextStream;
struct CliTuning;

// "plot LOG.csv [--columns A,B] [--png FILE] [--svg FILE] [--size WxH] [--lang CODE]": the
// viewer's picture of a recorded log, without a window. Columns are named by their header text or
// by the PID of the sensor ("0C"); without --columns the first six are drawn.
bool isPlotCommand(const QStringList& arguments);
int runPlotCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                   const CliTuning& tuning);
