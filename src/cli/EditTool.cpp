// edit IN OUT [SCRIPT|-]: load IN as Open does, apply the script, write OUT as Save As
// does. All or nothing: a refused line leaves OUT as it was, and IN is only read.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <iterator>
#include <ostream>

#include "Commands.h"
#include "EditScript.h"
#include "ToolSupport.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"

namespace kavro::cli {

namespace {

bool readScriptFile(const std::string& path, std::string& script, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        script.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    if (failed) {
        reason = std::strerror(errno);
    }
    std::fclose(file);
    return !failed;
}

// Writes OUT as Save As does: packed, checksums renewed, the bytes read, atomically.
int writeOutput(const std::string& path, std::ostream& err) {
    const SaveResult saved = saveDatabaseFileAs(path);
    if (saved.outcome == SaveOutcome::Written) {
        return ExitOk;
    }
    err << "File create failed!\n" << path << ": " << saved.systemReason << "\n";
    return ExitFailure;
}

}  // namespace

int runEdit(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.size() < 3 || args.size() > 4) {
        return usageError(err, "edit takes IN OUT [SCRIPT|-]");
    }
    std::string script;
    if (args.size() == 3 || args[3] == "-") {
        script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::string reason;
        if (!readScriptFile(args[3], script, reason)) {
            err << "Cannot read the script\n" << args[3] << ": " << reason << "\n";
            return ExitFailure;
        }
    }
    int code = loadDatabase(args[1], ViewAll, err);
    if (code != ExitOk) {
        return code;
    }
    const ScriptOutcome outcome = runEditScript(script);
    if (!outcome.ok) {
        err << "line " << outcome.line << ": " << outcome.message << "\n";
        return ExitRefused;
    }
    code = writeOutput(args[2], err);
    if (code == ExitOk) {
        err << outcome.notices << std::flush;
        out << outcome.output;
    }
    return code;
}

}  // namespace kavro::cli
