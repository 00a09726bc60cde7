// Writes the demo database: a synthetic image composed by the test-image builder.
#include <cstdio>

#include "support/TestImageBuilder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-demo-image OUT\n");
        return 2;
    }
    kavro::testing::writeFileBytes(argv[1], kavro::testing::smallImage());
    return 0;
}
