#pragma once

#include "core/j1979/sensor_catalogue.h"

class GridHeadingSink;
class Translator;

// Translates every entry of the string table in the default domain, except the few that stay
// English ("ready", the no-communication message), and the names and texts of the parameters
// above 4E in their own domain ("parameters"), hands the grid headings to the pages (sink may be
// null before the pages exist) and returns the PID catalogue in the translated texts.
//
// Each entry is looked up by its English original, not by its current text, so a further call
// cannot translate a translation: it sets the same texts again (or English ones, for a
// translator without catalogue).
[[nodiscard]] PidCatalogue translateCatalogues(const Translator& translator, GridHeadingSink* sink);
