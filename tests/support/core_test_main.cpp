#include "tests/support/test_environment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    test_env::install();
    return RUN_ALL_TESTS();
}
