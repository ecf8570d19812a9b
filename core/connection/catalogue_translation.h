#pragma once

class GridHeadingSink;
class Translator;

// Translates every entry of the string table in the default domain, except the few that stay
// English ("ready", the no-communication message), then fills the names and units of
// sensorCatalogue and freezeFrameCatalogue and hands the grid headings to the pages (sink may
// be null before the pages exist).
//
// Each entry is looked up by its English original, not by its current text, so a further call
// cannot translate a translation: it sets the same texts again (or English ones, for a
// translator without catalogue).
void translateCatalogues(const Translator& translator, GridHeadingSink* sink);
