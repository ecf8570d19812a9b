#pragma once

#include <QString>

// Test catalogues compiled by msgfmt at build time, and locale trees built from them.
namespace locale_tree {

// Path of a compiled test catalogue ("sample_de_le.mo", "sample_de_be.mo", "sample_fr.mo",
// "names.mo", "languages_de.mo").
QString testMo(const QString& name);

// Copies a test catalogue to root/dir/LC_MESSAGES/domain.mo.
void addCatalogue(const QString& root, const QString& dir, const QString& moName,
                  const QString& domain = QStringLiteral("default"));

} // namespace locale_tree
