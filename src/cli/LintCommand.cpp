// lint FILE: the problems of a list before the receiver sees it, as the window's Problems
// panel shows them, in text or JSON.
#include <charconv>
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
void appendJsonIndex(std::string& out, int index) {
    if (index < 0) {
        out += "null";
        return;
    }
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, index).ptr);
}

void writeFindingsText(const std::vector<Finding>& findings, std::ostream& out) {
    for (const Finding& finding : findings) {
        out << finding.kind << ": " << shownText(finding.text) << "\n";
    }
}

// The findings are formatted into one buffer, written out whenever it has grown large: a
// list can have thousands.
void writeFindingsJson(const std::vector<Finding>& findings, std::ostream& out) {
    constexpr size_t WriteAt = 16384;
    std::string json;
    json.reserve(WriteAt + 1024);
    json += "{\"findings\": [";
    const char* separator = "\n";
    for (const Finding& finding : findings) {
        json += separator;
        json += "  {\"kind\": \"";
        json += finding.kind;
        json += "\", \"channel\": ";
        appendJsonIndex(json, finding.channel);
        json += ", \"no\": ";
        appendJsonIndex(json, finding.row);
        json += ", \"transponder\": ";
        appendJsonIndex(json, finding.transponder);
        json += ", \"text\": ";
        appendJsonLatin1(json, finding.text);
        json += '}';
        separator = ",\n";
        if (json.size() >= WriteAt) {
            out.write(json.data(), static_cast<std::streamsize>(json.size()));
            json.clear();
        }
    }
    json += findings.empty() ? "],\n" : "\n],\n";
    json += "\"counts\": {";
    const auto counts = countProblems(findings);
    for (size_t k = 0; k < ProblemKinds.size(); ++k) {
        json += k ? ", \"" : "\"";
        json += ProblemKinds[k];
        json += "\": ";
        appendJsonIndex(json, counts[k]);
    }
    json += "}}\n";
    out.write(json.data(), static_cast<std::streamsize>(json.size()));
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
