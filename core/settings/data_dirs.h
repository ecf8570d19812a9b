#pragma once

#include <QString>

// Where the program reads its own files and where it writes the user's.
namespace data_dirs {

// Directory of the resolved executable, without trailing separator: locale/, reports/, lang_fl.dll.
QString programDir();

// Directory for LogFile.txt, logfiles/, graphs/, sensors/ and reports/: QUORVANE_DATA when set,
// else the program directory when it is writable, else $XDG_DATA_HOME/quorvane. Created on demand.
QString dataDir();

// dataDir() + "/" + name, creating the sub-directory when it does not exist yet.
QString dataSubDir(const QString& name);

} // namespace data_dirs
