#pragma once

class QTextStream;
struct CliOptions;
struct CliTuning;

// "plot LOG.csv [--columns A,B] [--png FILE] [--svg FILE] [--size WxH] [--lang CODE]": the
// viewer's picture of a recorded log, without a window. Columns are named by their header text or
// by the PID of the sensor ("0C"); without --columns the first six are drawn.
int runPlotCommand(const CliOptions& options, QTextStream& err, const CliTuning& tuning);
