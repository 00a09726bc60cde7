#include <iostream>
#include <string>
#include <vector>

#include "Tool.h"
#include "dbfile/FileSystem.h"

int main(int argc, char** argv) {
    kavro::fs::useBinaryStandardStreams();
    const std::vector<std::string> args = kavro::fs::programArguments(argc, argv);
    return kavro::cli::runTool(args, std::cin, std::cout, std::cerr, kavro::systemFileWriter(),
                               kavro::fs::standardOutputIsTerminal());
}
