// lint FILE: the problems of a list before the receiver sees it, as the window's Problems
// panel shows them, in text or JSON.
#include <algorithm>
#include <array>
#include <memory>
#include <ostream>

#include "Commands.h"
#include "FileOptions.h"
#include "TextOutput.h"
#include "Tool.h"
#include "ToolSupport.h"
#include "database/Problems.h"
#include "database/ViewIndex.h"
#include "database/Words.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

constexpr int ExitFindings = 1;

// A number, or null for none (-1).
Words& putJsonIndex(Words& words, int index) {
    return index < 0 ? words << "null" : words << index;
}

// Writes the findings, as lines of text or as JSON, through one buffer written out whenever
// it has grown large: a list can have thousands.
class FindingsWriter {
public:
    FindingsWriter(std::ostream& out, bool json) : out_(out), json_(json) {
        buffer_.reserve(WriteAt + 1024);
        if (json_) {
            buffer_ += "{\"findings\": [";
        }
    }

    void add(const Finding& finding) {
        if (json_) {
            addJson(finding);
        } else {
            buffer_ += finding.kind;
            buffer_ += ": ";
            buffer_ += shownText(finding.text);
            buffer_ += '\n';
        }
        // Findings of one kind come together, their kind in the same bytes.
        if (finding.kind.data() != kindText_.data() || finding.kind.size() != kindText_.size()) {
            kindText_ = finding.kind;
            kind_ = static_cast<size_t>(
                std::find(ProblemKinds.begin(), ProblemKinds.end(), finding.kind) -
                ProblemKinds.begin());
        }
        counts_[kind_] += 1;  // the last counts findings of no kind, which lint has none of
        ++written_;
        if (buffer_.size() >= WriteAt) {
            flush();
        }
    }

    // Ends the output; whether there were findings.
    bool finish() {
        if (json_) {
            buffer_ += written_ != 0 ? "\n],\n" : "],\n";
            buffer_ += "\"counts\": {";
            for (size_t k = 0; k < ProblemKinds.size(); ++k) {
                buffer_ += k ? ", \"" : "\"";
                buffer_ += ProblemKinds[k];
                buffer_ += "\": ";
                (Words() << counts_[k]).appendTo(buffer_);
            }
            buffer_ += "}}\n";
        }
        flush();
        return written_ != 0;
    }

private:
    static constexpr size_t WriteAt = 16384;

    void addJson(const Finding& finding) {
        Words start;
        start << (written_ == 0 ? "\n" : ",\n") << "  {\"kind\": \"" << finding.kind
              << "\", \"channel\": ";
        putJsonIndex(start, finding.channel) << ", \"no\": ";
        putJsonIndex(start, finding.row) << ", \"transponder\": ";
        putJsonIndex(start, finding.transponder) << ", \"text\": ";
        start.appendTo(buffer_);
        appendJsonLatin1(buffer_, finding.text);
        buffer_ += '}';
    }

    void flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

    std::ostream& out_;
    bool json_;
    std::string buffer_;
    std::array<int, ProblemKinds.size() + 1> counts_{};
    size_t written_ = 0;
    std::string_view kindText_;  // the kind of the finding before, and its place
    size_t kind_ = 0;
};

}  // namespace

int runLint(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err,
            LintBuffers* lint) {
    FileOptions options;
    std::string problem;
    if (!parseFileOptions(args, 1, options, problem)) {
        return usageError(err, problem);
    }
    if (loadDatabase(session, options.files[0], View::All, err) != ExitOk) {
        return ExitFailure;  // unreadable or invalid alike: 1 means findings
    }
    FindingsWriter writer(out, options.format == "json");
    std::unique_ptr<LintBuffers> own;  // made only when the caller keeps none
    if (lint == nullptr) {
        own = std::make_unique<LintBuffers>();
        lint = own.get();
    }
    lint->finder.find(session.database(), ChannelNaming::Slot, lint->findings);
    for (const Finding& finding : lint->findings) {
        writer.add(finding);
    }
    return writer.finish() ? ExitFindings : ExitOk;
}

}  // namespace kavro::cli
