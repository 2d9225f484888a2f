// main() of every window test: an offscreen QApplication with the program's typefaces.
#include "test_application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const auto app = varnok::testing::MakeTestApplication(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
