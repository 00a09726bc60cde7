#include <iostream>
#include <string>
#include <vector>

#include "Tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return kavro::cli::runTool(args, std::cin, std::cout, std::cerr);
}
