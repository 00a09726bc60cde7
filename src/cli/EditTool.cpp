// edit IN OUT [SCRIPT|-]: load IN as Open does, apply the script line by line, write OUT as
// Save As does, with the bytes of a longer IN beyond the image. All or nothing: a refused
// line leaves OUT as it was, and IN is only read unless OUT is IN.
#include <ostream>

#include "Commands.h"
#include "EditLock.h"
#include "EditScript.h"
#include "ScriptReader.h"
#include "ToolMessages.h"
#include "ToolSupport.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/FileSystem.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

int writeOutput(EditSession& session, const std::string& in, const std::string& out,
                std::ostream& err) {
    SaveOptions options;
    options.tailFrom = in;
    const SaveResult saved = session.saveAs(out, options);
    switch (saved.outcome) {
        case SaveOutcome::Written:
            return ExitOk;
        case SaveOutcome::FolderRefused:
            err << FileCreateFailedText << "\n"
                << folderRefusedText(fs::folderOf(out), saved.systemReason) << "\n"
                << messages::writeElsewhere(out) << "\n";
            return ExitFailure;
        default:
            err << FileCreateFailedText << "\n" << out << ": " << saved.systemReason << "\n";
            return ExitFailure;
    }
}

// Runs the script's lines; ExitOk when every one was taken.
int runScript(ScriptReader& script, const std::string& scriptName, ScriptRunner& runner,
              std::ostream& err) {
    std::string line;
    for (;;) {
        switch (script.next(line)) {
            case ScriptReader::Result::Line:
                if (runner.runLine(line)) {
                    continue;
                }
                break;
            case ScriptReader::Result::End:
                return ExitOk;
            case ScriptReader::Result::TooLong:
                runner.refuseLine("line too long");
                break;
            case ScriptReader::Result::ReadError:
                err << messages::CannotReadScript << "\n"
                    << scriptName << ": " << script.failure() << "\n";
                return ExitFailure;
        }
        err << "line " << runner.outcome().line << ": " << runner.outcome().message << "\n";
        return ExitRefused;
    }
}

int editWith(ScriptReader& script, const Arguments& args, std::ostream& out, std::ostream& err,
             FileWriter& writer) {
    const std::string& in = args[1];
    const std::string& outPath = args[2];
    EditLock lock;
    EditSession session;
    session.file().setWriter(writer);
    int code = lock.takeIfSameFile(in, outPath, err);
    if (code == ExitOk) {
        code = loadDatabase(session, in, ViewAll, err);
    }
    ScriptRunner runner(session);
    if (code == ExitOk) {
        code = runScript(script, args.size() == 4 ? args[3] : "-", runner, err);
    }
    if (code == ExitOk) {
        code = writeOutput(session, in, outPath, err);
    }
    if (code == ExitOk) {
        err << runner.outcome().notices << std::flush;
        out << runner.outcome().output;
    }
    return code;
}

}  // namespace

int runEdit(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err,
            FileWriter& writer) {
    if (args.size() < 3 || args.size() > 4) {
        return usageError(err, "edit takes IN OUT [SCRIPT|-]");
    }
    if (args.size() == 3 || args[3] == "-") {
        ScriptReader script(in);
        return editWith(script, args, out, err, writer);
    }
    ScriptReader script(args[3]);
    if (!script.isOpen()) {
        err << messages::CannotReadScript << "\n" << args[3] << ": " << script.failure() << "\n";
        return ExitFailure;
    }
    return editWith(script, args, out, err, writer);
}

}  // namespace kavro::cli
