// lint FILE: the problems of a list before the receiver sees it, as the window's Problems
// panel shows them, in text or JSON.
#include <ostream>

#include "Commands.h"
#include "FileOptions.h"
#include "TextOutput.h"
#include "ToolSupport.h"
#include "database/Problems.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

constexpr int ExitFindings = 1;

// A number, or null for none (-1).
std::string jsonIndex(int index) {
    return index < 0 ? "null" : std::to_string(index);
}

void writeFindingsText(const std::vector<Finding>& findings, std::ostream& out) {
    for (const Finding& finding : findings) {
        out << finding.kind << ": " << shownText(finding.text) << "\n";
    }
}

void writeFindingsJson(const std::vector<Finding>& findings, std::ostream& out) {
    out << "{\"findings\": [";
    const char* separator = "\n";
    for (const Finding& finding : findings) {
        out << separator << "  {\"kind\": \"" << finding.kind
            << "\", \"channel\": " << jsonIndex(finding.channel)
            << ", \"no\": " << jsonIndex(finding.row)
            << ", \"transponder\": " << jsonIndex(finding.transponder)
            << ", \"text\": " << jsonString(utf8Text(finding.text)) << "}";
        separator = ",\n";
    }
    out << (findings.empty() ? "],\n" : "\n],\n") << "\"counts\": {";
    const auto counts = countProblems(findings);
    for (size_t k = 0; k < ProblemKinds.size(); ++k) {
        out << (k ? ", \"" : "\"") << ProblemKinds[k] << "\": " << counts[k];
    }
    out << "}}\n";
}

}  // namespace

int runLint(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err) {
    FileOptions options;
    std::string problem;
    if (!parseFileOptions(args, 1, options, problem)) {
        return usageError(err, problem);
    }
    if (loadDatabase(session, options.files[0], View::All, err) != ExitOk) {
        return ExitFailure;  // unreadable or invalid alike: 1 means findings
    }
    const std::vector<Finding> findings = findProblems(session.database());
    if (options.format == "json") {
        writeFindingsJson(findings, out);
    } else {
        writeFindingsText(findings, out);
    }
    return findings.empty() ? ExitOk : ExitFindings;
}

}  // namespace kavro::cli
