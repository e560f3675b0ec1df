// orvane: the game's data as mod files from a shell, a batch file or a mod manager. A thin client of
// the model, like a page: it parses the arguments, calls the model and prints. Data goes to standard
// output, messages to standard error; exit status 0 when done, 1 when refused, 2 when misused.
#include <CLI/CLI.hpp>

#include <exception>
#include <functional>
#include <iostream>
#include <new>
#include <optional>

#include "Commands.h"
#include "GameOnDisk.h"
#include "files/CommandLine.h"
#include "files/Interrupts.h"
#include "files/RealFileSystem.h"
#include "mods/ModDocument.h"

namespace {

using namespace orvane::cli;

constexpr const char* GameHelp =
    "the game's executable, QEV.EXE (Collector's Edition) or GEOSCAPE.EXE (DOS editions), or the folder it is in";

CLI::App* command(CLI::App& app, const char* name, const char* description, const char* example)
{
    CLI::App* sub = app.add_subcommand(name, description);
    sub->footer(std::string("Example:\n  ") + example);
    return sub;
}

// A path given by its place on the command line; the help shows its name alone, not a type.
template <typename Value>
void addPath(CLI::App* sub, const char* name, Value& value, const char* description)
{
    sub->add_option(name, value, description)->type_name("")->required();
}

void addOutput(CLI::App* sub, Options& options)
{
    sub->add_option("-o,--output", options.output, "the file to write, or - for standard output")
        ->type_name("FILE")
        ->capture_default_str();
}

void addDryRun(CLI::App* sub, Options& options, const char* what) { sub->add_flag("--dry-run", options.dryRun, what); }

// -q, and for apply -v: how much is said on standard error besides the errors.
void addVerbosity(CLI::App* sub, Options& options, bool verbose)
{
    CLI::Option* quiet =
        sub->add_flag("-q,--quiet", options.quiet, "print nothing but errors: no warnings, no summary");
    if (verbose) {
        sub->add_flag("-v,--verbose", options.verbose, "list every value changed on standard output, as --dry-run does")
            ->excludes(quiet);
    }
}

// The first argument before the command that is an option the tool does not have, if any.
std::optional<std::string> unknownLeadingOption(CLI::App& app, const std::vector<std::string>& arguments)
{
    for (std::size_t i = 1; i < arguments.size() && arguments[i].starts_with("-"); ++i) {
        const std::string name = arguments[i].substr(0, arguments[i].find('='));
        if (name == "-" || name == "--") return std::nullopt;
        try {
            app.get_option(name);
        } catch (const CLI::OptionNotFound&) {
            return name;
        }
    }
    return std::nullopt;
}

// The argument parser's faults in the words of this program's other messages.
std::string inOwnWords(const CLI::Error& error)
{
    const std::string text = error.what();
    const std::size_t colon = text.find(": ");
    const std::string rest = colon == std::string::npos ? text : text.substr(colon + 2);
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        // "The following argument was not expected: --bogus"
        return (rest.starts_with("-") ? "unknown option " : "more arguments than the command takes: ") + rest;
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
        // "Could not convert: --english-length = abc"
        const std::size_t equals = rest.find(" = ");
        if (equals != std::string::npos) {
            return rest.substr(0, equals) + ": " + rest.substr(equals + 3) + " is not a whole number";
        }
    }
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
        // "--from: foo not in {master,bak}"
        const std::size_t notIn = text.find(" not in {");
        if (notIn != std::string::npos && text.ends_with("}")) {
            std::string choices = text.substr(notIn + 9, text.size() - notIn - 10);
            for (std::size_t comma = choices.find(','); comma != std::string::npos;
                 comma = choices.find(',', comma + 2))
                choices.replace(comma, 1, " or ");
            return text.substr(0, notIn) + " is not " + choices;
        }
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr && colon != std::string::npos) {
        // "--output: 1 required FILE missing"
        return text.substr(0, colon) + " needs a value";
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = orvane::commandLineArguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());

    CLI::App app("Exports, compares and applies the data of the game Orvane as mod files: short TOML texts "
                 "that list the values they change (see the manual page orvane(1)).",
                 "orvane");
    app.allow_windows_style_options(false); // "/path" is a path on every platform
    app.require_subcommand(1);
    app.set_version_flag("--version", "orvane " ORVANE_VERSION);
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        return "orvane: " + inOwnWords(error) + "\nSee 'orvane --help' and 'orvane COMMAND --help'.\n";
    });

    Options options;
    std::function<void(const Options&, orvane::FileSystem&)> run;

    CLI::App* info = command(app, "info", "Shows the edition of a game and the length and path of each of its files",
                             "orvane info ~/games/orvane/QEV.EXE");
    addPath(info, "GAME", options.game, GameHelp);
    addVerbosity(info, options, false);
    info->callback([&] { run = runInfo; });

    CLI::App* exportMod = command(app, "export", "Writes the complete mod of a game: every value of every page",
                                  "orvane export ~/games/orvane/QEV.EXE -o original.toml");
    addPath(exportMod, "GAME", options.game, GameHelp);
    addOutput(exportMod, options);
    addDryRun(exportMod, options, "write nothing; say how many bytes would be written");
    addVerbosity(exportMod, options, false);
    exportMod->callback([&] { run = runExport; });

    CLI::App* diff = command(app, "diff",
                             "Writes the mod of the values in which MODDED differs from BASE; the "
                             "two may be different editions",
                             "orvane diff original/QEV.EXE modded/QEV.EXE -o my-mod.toml");
    addPath(diff, "BASE", options.game, "the executable of the game to compare with, or its folder");
    addPath(diff, "MODDED", options.modded, "the executable of the game whose values the mod holds, or its folder");
    addOutput(diff, options);
    addDryRun(diff, options, "write nothing; say how many bytes would be written");
    addVerbosity(diff, options, false);
    diff->callback([&] { run = runDiff; });

    CLI::App* apply = command(app, "apply",
                              "Applies mod files (*.toml) and patch files (*.qev) in order, then saves "
                              "the game, after .bak copies of its files as they were",
                              "orvane apply ~/games/orvane/QEV.EXE my-mod.toml other-mod.toml");
    addPath(apply, "GAME", options.game, GameHelp);
    addPath(apply, "FILE", options.files,
            "mod files and patch files, or - for a mod read from standard input; when two set the same value "
            "the later wins");
    apply->add_flag("--no-backups", options.noBackups, "save without writing the .bak copies first");
    addDryRun(apply, options, "print the changes and write nothing");
    apply
        ->add_option_function<std::size_t>(
            "--english-length", [&](const std::size_t& length) { options.englishLength = length; },
            "the length in bytes of ENGLISH.DAT in a patch file whose split between ENGLISH.DAT and ENGLISH2.DAT "
            "its markers leave open")
        ->type_name("BYTES");
    addVerbosity(apply, options, true);
    apply->callback([&] { run = runApply; });

    CLI::App* patch = command(app, "make-patch", "Writes the patch file of a game, as Make Patch Files writes it",
                              "orvane make-patch ~/games/orvane/QEV.EXE everything.qev");
    addPath(patch, "GAME", options.game, GameHelp);
    addPath(patch, "OUT", options.output, "the patch file to write, or - for standard output");
    addDryRun(patch, options, "write nothing; say how many bytes would be written");
    addVerbosity(patch, options, false);
    patch->callback([&] { run = runMakePatch; });

    CLI::App* restore = command(app, "restore",
                                "Puts a game back from its (MASTER).bak copies, which the first apply "
                                "makes, or from its .bak copies: how a mod manager uninstalls",
                                "orvane restore ~/games/orvane/QEV.EXE --from master");
    addPath(restore, "GAME", options.game, GameHelp);
    restore
        ->add_option("--from", options.from,
                     "master: the copies made before the first change; bak: the copies "
                     "of the files as they were before the last save")
        ->check(CLI::IsMember({"master", "bak"}))
        ->capture_default_str();
    addDryRun(restore, options, "list the files that would be put back and write nothing");
    addVerbosity(restore, options, false);
    restore->callback([&] { run = runRestore; });

    CLI::App* schema = command(app, "schema",
                               "Writes the JSON Schema of the mod format, for a text editor's TOML "
                               "language server (a \"#:schema\" line at the top of a mod)",
                               "orvane schema -o orvane-mod.schema.json");
    addOutput(schema, options);
    addDryRun(schema, options, "write nothing; say how many bytes would be written");
    addVerbosity(schema, options, false);
    schema->callback([&] { run = runSchema; });

    if (arguments.size() == 1) {
        tell("a command is needed: info, export, diff, apply, restore, make-patch or schema\n"
             "See 'orvane --help' and 'orvane COMMAND --help'.");
        return Misused;
    }
    // CLI11 reports an unknown command as a missing one; name it instead.
    if (arguments.size() > 1 && !arguments[1].starts_with("-") &&
        app.get_subcommands([&](const CLI::App* command) { return command->get_name() == arguments[1]; }).empty()) {
        const std::string nearest = orvane::mods::nearestKey(
            arguments[1], {"info", "export", "diff", "apply", "restore", "make-patch", "schema"});
        tell("'" + arguments[1] + "' is not a command" +
             (nearest.empty() ? std::string() : "; did you mean '" + nearest + "'?") +
             "\nThe commands are info, export, diff, apply, restore, make-patch and schema; see 'orvane --help' and "
             "'orvane COMMAND --help'.");
        return Misused;
    }

    if (const auto unknown = unknownLeadingOption(app, arguments)) {
        tell("unknown option " + *unknown + "\nSee 'orvane --help' and 'orvane COMMAND --help'.");
        return Misused;
    }

    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? Done : Misused;
    }

    setVerbosity(options.quiet ? Verbosity::Quiet : options.verbose ? Verbosity::Verbose : Verbosity::Normal);
    orvane::watchInterrupts();
    try {
        orvane::RealFileSystem fs;
        options.game = gameExecutable(options.game, fs);
        options.modded = gameExecutable(options.modded, fs);
        run(options, fs);
        if (orvane::interruptRequested()) {
            // The request came while the game's files were being replaced: they all were, first.
            tell("interrupted while the game's files were being written; the write was finished first, so the "
                 "game holds the new files");
            return orvane::interruptExitStatus();
        }
        return Done;
    } catch (const Refusal& refusal) {
        tell(refusal.message);
        if (orvane::interruptRequested()) return orvane::interruptExitStatus();
        return refusal.status;
    } catch (const std::bad_alloc&) {
        tell("not enough memory");
    } catch (const std::exception& error) {
        tell(error.what());
    }
    return Refused;
}
