#include "Help.h"

#include <ostream>
#include <vector>

#include "EditScript.h"
#include "KavroVersion.h"
#include "ToolSupport.h"

namespace kavro::cli {

namespace {

// Option lines are indented by two spaces, their descriptions by eight.
constexpr std::string_view ViewOption =
    "  --view all|tv|radio\n"
    "        the view, as chosen by the editor's radio buttons (default all)\n";
constexpr std::string_view OptionForms =
    "An option takes its value as the next argument or after '=' (--view=tv); \"--\" ends\n"
    "the options, for a FILE whose name starts with a dash.\n";

struct CommandHelp {
    std::string_view name;
    std::string_view synopsis;  // after "kavro-tool "
    std::string_view summary;   // the line of the tool's usage
    std::string_view details;   // the paragraph of the command's help
    std::string_view options;   // besides --view and --help
    std::string_view exitStatus;
    bool viewOptions = false;     // takes --view and the other option forms
    bool scriptCommands = false;  // lists the edit-script commands
};

const CommandHelp Helps[] = {
    {"check", "check FILE",
     "reads FILE as the editor's Open does and prints \"ok\" when it is accepted\n",
     "Reads FILE as the editor's Open does and prints \"ok\" when it is accepted. A file that\n"
     "fails the checks of Open is refused with \"Invalid DB file!\" and the reason, a file\n"
     "that cannot be read with \"File open failed!\" and the reason, both on standard error.\n",
     "", "0 accepted, 1 invalid file, 2 usage error or FILE cannot be read\n"},
    {"info", "info FILE", "prints a summary of FILE: header, checksums, counts, favourite groups\n",
     "Prints what FILE holds: its header fields, both checksums as stored and as computed,\n"
     "and the bytes read; for an accepted file also the number of shown satellites, every\n"
     "satellite with a name or a transponder (those not shown marked \"not shown\"), the\n"
     "numbers of live transponders, TV and radio channels, and the names of the eight\n"
     "favourite groups.\n"
     "A refused file's header is shown as well, so the failing check can be seen.\n",
     "", "0 accepted, 1 invalid file, 2 usage error or FILE cannot be read\n"},
    {"tree", "tree FILE [--view all|tv|radio] [--format text|json]",
     "prints the editor's satellite tree for a view\n",
     "Prints the editor's satellite tree for a view: each shown satellite, and under it its\n"
     "transponders, with the editor's texts and in the editor's order.\n",
     "  --format text|json\n"
     "        text: one item a line, transponders indented (the default); json: an array of\n"
     "        satellites with their index and transponders\n",
     "0 done, 1 invalid file, 2 usage error or FILE cannot be read\n", true},
    {"list",
     "list FILE [--view all|tv|radio] [--satellite S] [--select SET] [--format text|csv|json]",
     "prints the editor's channel list for a view, optionally one satellite's\n",
     "Prints the editor's channel list for a view: a header, then one row per channel with\n"
     "the editor's column texts, in the editor's order. The last column, Index, is the\n"
     "channel's slot, by which an edit script names the channel.\n",
     "  --satellite S\n"
     "        only the channels of satellite S (0..64), as when it is selected in the tree\n"
     "  --select SET\n"
     "        only the channels a channel list of an edit script names (\"scrambled radio\",\n"
     "        \"0-99 fav:1\"): the rows a script line with it would act on; may be repeated\n"
     "  --format text|csv|json\n"
     "        text: tab-separated (the default); csv: comma-separated with CRLF line ends;\n"
     "        json: an array of objects, one per channel\n",
     "0 done, 1 invalid file, 2 usage error or FILE cannot be read\n", true},
    {"lint", "lint FILE [--format text|json]",
     "prints what is wrong with the list of FILE, as the editor's Problems panel\n",
     "Prints what is wrong with the list of FILE before the receiver sees it, as the\n"
     "editor's Problems panel lists it: channels with the same transponder and service ID\n"
     "(duplicate-channel), names shown twice in a view, case aside (duplicate-name), blank\n"
     "names (blank-name), PIDs above 8191 or the service ID 65535 (pid-range), channels of\n"
     "satellites not shown (hidden-satellite), a second transponder of one frequency and\n"
     "polarization on a satellite (duplicate-transponder), transponders without channels\n"
     "(empty-transponder) and favourite groups with channels but no name\n"
     "(favorite-unnamed).\n",
     "  --format text|json\n"
     "        text: one finding a line, \"KIND: TEXT\" (the default); json: the findings with\n"
     "        their kind, channel (slot), no (the channel's No. in the ALL list),\n"
     "        transponder and text, and the count of each kind\n",
     "0 no finding, 1 findings, 2 usage error or FILE cannot be read or is invalid\n"},
    {"diff", "diff A B [--format text|json]",
     "prints what differs from the list of A to that of B\n",
     "Prints what differs from the list of A to that of B. Channels are paired by satellite,\n"
     "transponder frequency and polarization, and service ID (and by name where that is not\n"
     "unique in a file); transponders by satellite, frequency and polarization. Channels only\n"
     "in A are removed, only in B added; paired channels whose name, PIDs, CAS, lock,\n"
     "favourites or radio/TV differ are changed. Moved are the fewest paired channels whose\n"
     "moving explains B's order, so that a channel added or removed moves nothing.\n"
     "Transponders added, removed or with another symbol rate, favourite groups renamed and\n"
     "satellites shown, hidden or renamed are listed too.\n",
     "  --format text|json\n"
     "        text: a summary line, then one line per difference (the default); json: the\n"
     "        differences by kind with both rows and slots of each channel, and a summary\n",
     "0 equal, 1 different, 2 usage error or a file cannot be read or is invalid\n"},
    {"edit", "edit IN OUT [SCRIPT|-] [--allow-owner-change] [--allow-link-break]",
     "applies an edit script (standard input when SCRIPT is absent or \"-\") to\n"
     "        IN and writes the result to OUT as Save As does; all or nothing\n",
     "Reads IN as the editor's Open does, applies the edit script SCRIPT (standard input\n"
     "when SCRIPT is absent or \"-\") and writes the result to OUT as Save As does. All or\n"
     "nothing: a refused script line is reported as \"line N: reason\" and OUT is left as it\n"
     "was; what the script prints is written before OUT takes its place, and output that\n"
     "cannot be written leaves OUT as it was. IN is only read, unless OUT names the same\n"
     "file: then the edit exits 2 and writes nothing when another program changed IN while\n"
     "it ran. OUT \"-\" writes the file to standard output (refused on a terminal) and what\n"
     "the script prints to standard error. A symbolic link to nothing is not written\n"
     "through.\n"
     "\n"
     "A script has one command a line, its words separated by blanks; a name with blanks\n"
     "is written in double quotes, with \\\" and \\\\ inside them. Blank lines and lines\n"
     "starting with # are skipped. T is a transponder index, CH and TARGET are channel\n"
     "slots (the Index column of list), S a satellite index (0..64), and every value is\n"
     "checked as the editor's dialogs check it.\n"
     "\n"
     "Where a command takes channels (CH [CH ...]), each may also be a range N-M (the live\n"
     "channels from slot N to M) or a set: all, tv, radio, scrambled (a CAS is shown), fta,\n"
     "locked, fav:N (group N, 1..8), nofav, sat:S, tp:T, dup (a channel with the name and\n"
     "service ID of an earlier one on its transponder), problems (named by lint) or\n"
     "new-since:FILE (not in FILE, a database or a .csv list, paired as apply-order pairs).\n"
     "Numbers and ranges name channels; each set keeps only its own of them, or of every\n"
     "live channel when no number is given: \"delete-channels scrambled radio sat:3\"\n"
     "deletes every scrambled radio channel of satellite 3.\n",
     "  --allow-owner-change\n"
     "        replace OUT even when it belongs to another user: it becomes yours (otherwise\n"
     "        refused, exit 2)\n"
     "  --allow-link-break\n"
     "        replace OUT even when it has other names (hard links), which keep the old\n"
     "        contents (otherwise refused, exit 2)\n",
     "0 done, 1 invalid file or refused script line,\n"
     "             2 usage error or a file that cannot be read or written\n",
     false, true},
    {"backups", "backups FILE [--format text|json]",
     "lists the backups the editor keeps of FILE, newest first\n",
     "Lists the backups the editor keeps of FILE, newest first: when each was made (UTC),\n"
     "its size, where it is, and what differs from FILE to it, as the summary line of diff\n"
     "says it. They are kept in kavro/backups under XDG_DATA_HOME, or ~/.local/share when\n"
     "it is unset; relative values count as unset.\n",
     "  --format text|json\n"
     "        text: a line per backup, the differences indented below it (the default);\n"
     "        json: an array of backups with their time, size, path and difference\n",
     "0 done, 1 invalid FILE (listed without differences),\n"
     "             2 usage error, FILE cannot be read or no folder for backups\n"},
};

struct ScriptCommandHelp {
    std::string_view name;
    std::string_view description;  // indented by eight spaces
};

const ScriptCommandHelp ScriptHelps[] = {
    {"view",
     "the view of the commands after it: add-channel adds a radio channel in radio,\n"
     "        a TV channel otherwise (the default view is all)\n"},
    {"add-transponder",
     "adds a transponder to satellite SAT (0..64) and prints \"transponder T\";\n"
     "        POL is 0 (vertical) or 1 (horizontal)\n"},
    {"edit-transponder", "sets the frequency, symbol rate and polarization of transponder T\n"},
    {"delete-transponder", "deletes transponder T and its channels\n"},
    {"add-channel",
     "adds a channel on transponder T as Add Channel does and prints \"channel CH\";\n"
     "        CAS and LOCK are 0 or 1\n"},
    {"edit-channel", "sets the name, PIDs, service ID and lock of channel CH\n"},
    {"delete-channels", "deletes the channels; the channels in later slots move up\n"},
    {"move-channels",
     "moves the channels, as one block in their order: before the channel in\n"
     "        slot TARGET or to the end, as a drag in the list does; or to row N (0 or\n"
     "        more) of the current view, counting the rows that do not move, as the\n"
     "        list's Move commands do (past the last of them: directly after it)\n"},
    {"sort-channels",
     "sorts the channels among the slots they hold, as the list's Sort commands\n"
     "        do: by name (A-Z as a-z), by service ID, or by transponder (satellite,\n"
     "        frequency, polarization, service ID); ties keep their order\n"},
    {"set-favorites",
     "puts the channels in the favourite groups of MASK (0..255): bit 0 is\n"
     "        group 1, bit 7 group 8\n"},
    {"rename-group", "renames favourite group G (1..8)\n"},
    {"apply-order",
     "puts the channels that match a channel of FILE (a database file, or a .csv\n"
     "        list as list --format csv writes it) into FILE's order, the others after\n"
     "        them in their order, and prints \"N channels ordered, M without a match\"\n"},
    {"show-satellite", "shows satellite S in the tree (bit 0 of its flags)\n"},
    {"hide-satellite", "hides satellite S from the tree; its transponders and channels stay\n"},
    {"rename-satellite", "renames satellite S; a name has at most 43 characters\n"},
    {"import",
     "copies transponders and channels from the database FILE, as the editor's\n"
     "        Import From does: all of it, or the satellites (by name), transponders\n"
     "        (satellite name, MHz, V or H) and channel slots of FILE chosen, each with\n"
     "        its channels. Satellites pair by name; a transponder held here is reused;\n"
     "        a channel held here (transponder, service ID, then name) is skipped, or\n"
     "        with --update takes FILE's fields and groups. Copies go at the end, or\n"
     "        before channel CH here, in FILE's order, with the favourite groups by\n"
     "        number (--by-name: by group name). A full table copies nothing. Prints\n"
     "        \"N channels copied, U updated, P skipped as present, R not importable\"\n"
     "        and, on standard error, why each was not importable\n"},
    {"undo",
     "takes back the last command that changed the database, as the editor's Undo\n"
     "        does; refused when there is nothing to undo\n"},
    {"redo", "does again the last command undone; refused when there is nothing to redo\n"},
};

const CommandHelp* findHelp(std::string_view command) {
    for (const CommandHelp& help : Helps) {
        if (help.name == command) {
            return &help;
        }
    }
    return nullptr;
}

void writeScriptCommands(std::ostream& out) {
    out << "\nscript commands:\n";
    const std::vector<std::string_view> usages = scriptCommandUsages();
    auto nameOf = [](std::string_view usage) { return usage.substr(0, usage.find(' ')); };
    for (size_t i = 0; i < usages.size(); ++i) {
        out << "  " << usages[i] << "\n";
        const std::string_view name = nameOf(usages[i]);
        if (i + 1 < usages.size() && nameOf(usages[i + 1]) == name) {
            continue;  // the description follows the command's last form
        }
        for (const ScriptCommandHelp& help : ScriptHelps) {
            if (help.name == name) {
                out << "        " << help.description;
            }
        }
    }
}

}  // namespace

void writeUsage(std::ostream& out) {
    const char* lead = "usage: ";
    for (const CommandHelp& help : Helps) {
        out << lead << "kavro-tool " << help.synopsis << "\n";
        lead = "       ";
    }
    out << lead << "kavro-tool COMMAND --help\n" << lead << "kavro-tool --help | --version\n\n";
    for (const CommandHelp& help : Helps) {
        out << help.name << std::string(8 - help.name.size(), ' ') << help.summary;
    }
    out << "\n"
           "exit status: 0 done, 1 invalid file or refused script line (lint: findings,\n"
           "             diff: differences), 2 usage error or a file that cannot be read or\n"
           "             written (lint and diff: or is invalid)\n";
}

bool writeCommandHelp(std::string_view command, std::ostream& out) {
    const CommandHelp* help = findHelp(command);
    if (!help) {
        return false;
    }
    out << "usage: kavro-tool " << help->synopsis << "\n\n" << help->details;
    if (help->scriptCommands) {
        writeScriptCommands(out);
    }
    out << "\noptions:\n"
        << (help->viewOptions ? ViewOption : "") << help->options
        << "  --help\n        prints this text\n";
    if (help->viewOptions) {
        out << "\n" << OptionForms;
    }
    out << "\nexit status: " << help->exitStatus;
    return true;
}

void writeVersion(std::ostream& out) {
    out << "kavro-tool " << KavroVersion << "\n";
}

bool asksForHelp(const std::vector<std::string>& args) {
    for (size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            return true;
        }
    }
    return false;
}

}  // namespace kavro::cli
