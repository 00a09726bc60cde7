// edit IN OUT [SCRIPT|-]: load IN as Open does, apply the script line by line, write OUT as
// Save As does, with the bytes of a longer IN beyond the image. All or nothing: a refused
// line leaves OUT as it was, and IN is only read unless OUT is IN. What the script prints is
// written before OUT takes its place, so that output that cannot be written leaves OUT too.
#include <ostream>
#include <vector>

#include "Commands.h"
#include "EditLock.h"
#include "EditScript.h"
#include "ScriptReader.h"
#include "TextOutput.h"
#include "ToolMessages.h"
#include "ToolSupport.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/FileSystem.h"
#include "dbfile/ImageFormat.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

constexpr std::string_view AllowOwnerChange = "--allow-owner-change";
constexpr std::string_view AllowLinkBreak = "--allow-link-break";
constexpr size_t TailChunk = 1 << 20;

struct EditArguments {
    std::string in;
    std::string out;
    std::string script = "-";
    bool allowOwnerChange = false;
    bool allowLinkBreak = false;
    bool toStandardOutput() const { return out == "-"; }
};

bool parseEditArguments(const Arguments& args, EditArguments& edit, std::string& problem) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (!optionsEnded && args[i] == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && args[i] == AllowOwnerChange) {
            edit.allowOwnerChange = true;
        } else if (!optionsEnded && args[i] == AllowLinkBreak) {
            edit.allowLinkBreak = true;
        } else if (!optionsEnded && args[i].size() > 2 && args[i].starts_with("--")) {
            problem = "unknown option \"" + args[i] + "\"";
            return false;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() < 2 || files.size() > 3) {
        problem = "edit takes IN OUT [SCRIPT|-]";
        return false;
    }
    edit.in = files[0];
    edit.out = files[1];
    edit.script = files.size() == 3 ? files[2] : "-";
    return true;
}

int saveFailure(const EditArguments& edit, const SaveResult& saved, std::ostream& err) {
    const std::string out = shownPath(edit.out);
    switch (saved.outcome) {
        case SaveOutcome::Written:
            return ExitOk;
        case SaveOutcome::FolderRefused:
            err << FileCreateFailedText << "\n"
                << shownPath(folderRefusedText(fs::folderOf(saved.target), saved.systemReason))
                << "\n"
                << messages::writeElsewhere(out) << "\n";
            break;
        case SaveOutcome::ChangedOnDisk:
            err << messages::changedWhileEditing(out) << "\n";
            break;
        case SaveOutcome::OwnerChange:
            err << FileCreateFailedText << "\n"
                << shownPath(saved.systemReason) << "\n"
                << messages::nothingWritten(AllowOwnerChange) << "\n";
            break;
        case SaveOutcome::LinkBreak:
            err << FileCreateFailedText << "\n"
                << shownPath(saved.systemReason) << "\n"
                << messages::nothingWritten(AllowLinkBreak) << "\n";
            break;
        default:
            err << FileCreateFailedText << "\n"
                << out << ": " << shownPath(saved.systemReason) << "\n";
            break;
    }
    return ExitFailure;
}

// OUT "-": the image, then the bytes of a longer IN beyond it, on standard output.
int writeToStandardOutput(EditSession& session, const EditArguments& edit, std::ostream& out,
                          std::ostream& err) {
    const std::vector<uint8_t> head = session.file().packed(session.database());
    out.write(reinterpret_cast<const char*>(head.data()),
              static_cast<std::streamsize>(head.size()));
    fs::File file;
    fs::FileInfo info;
    fs::Status status = fs::openFile(edit.in, fs::Access::Read, file);
    if (status.ok()) {
        status = fs::fileInfo(file, info);
    }
    std::vector<uint8_t> chunk(TailChunk);
    for (uint64_t at = ImageSize; status.ok() && out && at < info.size;) {
        size_t got = 0;
        status = fs::readAt(file, at, chunk.data(), chunk.size(), got);
        if (got == 0) {
            break;
        }
        out.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(got));
        at += got;
    }
    if (!status.ok()) {
        err << messages::CannotReadFile << "\n"
            << shownPath(edit.in) << ": " << status.reason << "\n";
        return ExitFailure;
    }
    return out.flush() ? ExitOk : ExitFailure;
}

// What the script printed, written and flushed; with OUT "-" it goes to standard error,
// where it cannot mix with the file.
bool writeScriptOutput(const ScriptRunner& runner, const EditArguments& edit, std::ostream& out,
                       std::ostream& err) {
    err << runner.outcome().notices;
    std::ostream& printed = edit.toStandardOutput() ? err : out;
    printed << runner.outcome().output;
    if (!printed.flush()) {
        err << messages::outputNotWritten(shownPath(edit.out)) << "\n";
        return false;
    }
    return true;
}

// The script's output is written once the new file is ready and before it replaces OUT:
// output that cannot be written leaves OUT as it was.
int writeOutput(EditSession& session, const ScriptRunner& runner, const EditArguments& edit,
                const EditLock& lock, std::ostream& out, std::ostream& err) {
    if (edit.toStandardOutput()) {
        return writeScriptOutput(runner, edit, out, err)
                   ? writeToStandardOutput(session, edit, out, err)
                   : ExitFailure;
    }
    bool printed = true;
    SaveOptions options;
    options.beforeReplace = [&] { return printed = writeScriptOutput(runner, edit, out, err); };
    options.tailFrom = edit.in;
    options.checkChanges = lock.replacesInput();
    options.lockHeld = lock.held();
    options.allowOwnerChange = edit.allowOwnerChange;
    options.allowLinkBreak = edit.allowLinkBreak;
    const SaveResult saved = session.saveAs(edit.out, options);
    return printed ? saveFailure(edit, saved, err) : ExitFailure;
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
                    << shownPath(scriptName) << ": " << script.failure() << "\n";
                return ExitFailure;
        }
        err << "line " << runner.outcome().line << ": " << runner.outcome().message << "\n";
        return ExitRefused;
    }
}

int editWith(ScriptReader& script, const EditArguments& edit, std::ostream& out, std::ostream& err,
             FileWriter& writer) {
    EditLock lock;
    EditSession session;
    session.file().setWriter(writer);
    int code = edit.toStandardOutput() ? ExitOk : lock.takeIfSameFile(edit.in, edit.out, err);
    if (code == ExitOk) {
        code = loadDatabase(session, edit.in, View::All, err);
    }
    ScriptRunner runner(session);
    if (code == ExitOk) {
        code = runScript(script, edit.script, runner, err);
    }
    if (code == ExitOk) {
        code = writeOutput(session, runner, edit, lock, out, err);
    }
    return code;
}

}  // namespace

int runEdit(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err,
            FileWriter& writer, bool outIsTerminal) {
    EditArguments edit;
    std::string problem;
    if (!parseEditArguments(args, edit, problem)) {
        return usageError(err, problem);
    }
    if (edit.toStandardOutput() && outIsTerminal) {
        err << "kavro-tool: OUT \"-\" writes the file to standard output, which is a terminal;"
               " redirect it to a file or a pipe\n";
        return ExitFailure;
    }
    if (edit.script == "-") {
        ScriptReader script(in);
        return editWith(script, edit, out, err, writer);
    }
    ScriptReader script(edit.script);
    if (!script.isOpen()) {
        err << messages::CannotReadScript << "\n"
            << shownPath(edit.script) << ": " << script.failure() << "\n";
        return ExitFailure;
    }
    return editWith(script, edit, out, err, writer);
}

}  // namespace kavro::cli
