#include "Tool.h"

#include <ostream>

namespace kavro::cli {

int runTool(const std::vector<std::string>&, std::istream&, std::ostream&, std::ostream& err) {
    err << "usage: kavro-tool check|info|tree|list|edit ...\n";
    return 2;
}

}  // namespace kavro::cli
