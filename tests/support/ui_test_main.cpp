#include "tests/support/test_environment.h"

#include "ui/app/error_display.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application class, so that the general error display is under test too.
    QuorvaneApplication app(argc, argv);
    test_env::install();
    return RUN_ALL_TESTS();
}
