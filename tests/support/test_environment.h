#pragma once

#include <QString>

// Every test process runs with QUORVANE_CONFIG and QUORVANE_DATA in a private temporary
// directory, so no test reads or writes the user's files.
namespace test_env {

// Sets up the private directory and the variables; called by the test mains before any test.
void install();

// The private directory of this test process.
QString root();

// A fresh, empty sub-directory of root() for one test.
QString freshDir(const QString& name);

} // namespace test_env
