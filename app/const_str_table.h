// The translatable string table: one row per text the program shows from code.
// CONST_STR(name, "English text") declares a changeable QString const_str::name that holds the
// English text at start and its translation after the one translation pass of the run.
// This file has no include guard on purpose: it is expanded more than once.
//
// Keep rows grouped by the folder that uses them.

// link/
CONST_STR(Error, "Error")
CONST_STR(ready, "ready")
CONST_STR(NoCommunicationLine1, "Kommunikation mit dem Fahrzeug ist nicht möglich.")
CONST_STR(NoCommunicationLine2, "Initialisieren Sie das Interface neu.")
