#pragma once

#include <QByteArray>
#include <QString>

class FaultCodeTable;
class UserNotifier;

// The language module of a language: programDir/locale/CODE/language.dll, a Qt binary resource
// file holding the packed table at /FAULT. A code of other than two characters means "en", and a
// language without a module falls back to the English one.
QString faultModulePath(const QString& programDir, const QString& languageCode);

// Fills table from the module of languageCode; the table is emptied first and stays empty on
// any failure. A module that cannot be loaded is reported through notifier ("Bad language.dll
// Load"); a missing resource or damaged table throws FaultTableError for the general error display.
// The busy cursor is on while the table is unpacked.
void loadFaultCodeTable(FaultCodeTable& table, const QString& languageCode, UserNotifier& notifier,
                        const QString& programDir);

// The same for one module file, without the path rule. A file that is no sound resource file
// (resource_file::isSound) is not loaded at all: "Bad language.dll Load".
void loadFaultModule(FaultCodeTable& table, const QString& modulePath, UserNotifier& notifier);

// The same for the bytes of a module file.
void loadFaultModuleBytes(FaultCodeTable& table, QByteArray moduleBytes, UserNotifier& notifier);
