// icevale-tool: the editor's data work from the command line, without a display.
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "core/filelayer.h"
#include "tool/commands.h"

namespace {

using icevale::tool::Arguments;

constexpr const char* kAbout =
    "Reads, exports, imports, compares and patches Icevale cartridge images (*.smc: a 512-byte copier\n"
    "header and the ROM). Exit status: 0 success, 1 data refused or damaged (or images differ, for diff),\n"
    "2 usage error. Messages go to standard error; an output file is written only when everything\n"
    "succeeded, and an input image is never changed unless -o names it.";

constexpr const char* kExportAbout =
    "Writes every value the editor's windows edit, as JSON (format \"icevale-export\", version 1) or as a\n"
    "roster CSV (one row per player). Values are in the units the windows show; a value they cannot show\n"
    "is written raw, as \"0x\" and two hexadecimal digits of the stored byte or nibble (\"0x1A\"). A team\n"
    "is named by its abbreviation, or by #N (N = 1..28) where the abbreviation does not name it alone.\n"
    "See docs/export-format.md.";

constexpr const char* kImportAbout =
    "Applies a JSON export (any part of one: absent values stay as they are; a team is found by its\n"
    "\"index\", else by its \"abbreviation\") or a roster CSV (each team with rows gets exactly those\n"
    "players, goalies, forwards, defencemen in that order; other teams stay) to IMAGE and writes the\n"
    "result to OUT. The kind is told by the content (JSON starts with '{', a roster CSV's first row names\n"
    "its columns); anything else is refused. A key given twice in one JSON object is refused. Every value\n"
    "is checked first and the first 50 problems are reported, then how many more there are; nothing is\n"
    "written while there is one.";

constexpr const char* kPatchApplyAbout =
    "Applies an IPS or BPS patch to IMAGE, with or without its copier header (it has one when its size\n"
    "modulo 1024 is 512). A BPS patch records its source size, which tells whether it was made for images\n"
    "with or without the header. An IPS patch records nothing: its offsets are applied as they stand,\n"
    "unless --with-header or --no-header says which kind of image it was made for (as 'patch create\n"
    "--no-header' makes it); a warning says when its records look made for the other kind. A patch for the\n"
    "other kind of image is applied to the part after the header (which is kept), or to the image behind\n"
    "512 zero bytes (left out again). A result shorter than the editor opens is refused unless\n"
    "--allow-short is given.";

void addimage(CLI::App* command, Arguments& args, const char* about)
{
    command->add_option("IMAGE", args.image, about)->required();
}

void addoutput(CLI::App* command, Arguments& args, const char* about, bool required)
{
    auto* option = command->add_option("-o,--output", args.output, about);
    if (required)
        option->required();
}

void adddata(CLI::App& app, Arguments& args)
{
    auto* info = app.add_subcommand("info", "Lists the 28 teams (player counts, bytes left for names) and the health "
                                            "of every area: ok, or its problems (exit 1 when there are any).");
    addimage(info, args, "The image file");
    addoutput(info, args, "Write to this file instead of standard output ('-': standard output)", false);
    info->add_flag("--json", args.json, "Write JSON instead of text");

    auto* exporter = app.add_subcommand("export", kExportAbout);
    addimage(exporter, args, "The image file");
    addoutput(exporter, args, "Write to this file instead of standard output ('-': standard output)", false);
    exporter->add_option("--format", args.format, "json (default) or csv")->check(CLI::IsMember({"json", "csv"}));

    auto* importer = app.add_subcommand("import", kImportAbout);
    addimage(importer, args, "The image file to start from (left unchanged unless -o names it)");
    importer->add_option("DATA", args.data, "A JSON export or a roster CSV")->required();
    addoutput(importer, args, "The image file to write (required unless --check)", false);
    importer->add_flag("--check", args.check, "Check and report only; write nothing");

    auto* diff = app.add_subcommand("diff", "Lists the differences of two images in words, by area and team, then "
                                            "changed bytes no listed value accounts for (hex offset ranges). Exit 0 "
                                            "when equal, 1 when different.");
    addimage(diff, args, "The first image");
    diff->add_option("OTHER", args.other, "The second image")->required();
    addoutput(diff, args, "Write to this file instead of standard output ('-': standard output)", false);
    diff->add_flag("--json", args.json, "Write JSON instead of text");
}

void addpatch(CLI::App& app, Arguments& args)
{
    auto* patch = app.add_subcommand("patch", "Makes and applies IPS and BPS patches.");
    patch->require_subcommand(1);
    auto* create = patch->add_subcommand("create", "Makes a patch that turns ORIGINAL into MODIFIED.");
    create->add_option("ORIGINAL", args.image, "The original image")->required();
    create->add_option("MODIFIED", args.other, "The modified image")->required();
    addoutput(create, args, "The patch file to write", true);
    create->add_option("--format", args.format, "ips (default) or bps")->check(CLI::IsMember({"ips", "bps"}));
    create->add_flag("--no-header", args.noheader,
                     "Make the patch for the images without their 512-byte copier header (left out of each "
                     "image that has one)");

    auto* apply = patch->add_subcommand("apply", kPatchApplyAbout);
    apply->add_option("PATCH", args.patch, "The IPS or BPS patch")->required();
    addimage(apply, args, "The image to patch (left unchanged unless -o names it)");
    addoutput(apply, args, "The patched image file to write", true);
    auto* without = apply->add_flag("--no-header", args.noheader,
                                    "The IPS patch was made for images without the copier header");
    apply->add_flag("--with-header", args.withheader, "The IPS patch was made for images with the copier header")
        ->excludes(without);
    apply->add_flag("--allow-short", args.allowshort,
                    "Write the result even when it is shorter than an image the editor opens (0xEAED6 bytes)");
}

// The subcommands the words before the first option choose: a word that names none, or
// no word where one is required, is a usage error naming the word or listing them all.
// CLI11 alone would only say that a subcommand is required.
bool subcommandsknown(const CLI::App& app, int argc, char** argv)
{
    const CLI::App* level = &app;
    std::string path = "icevale-tool";
    for (int i = 1; level->get_require_subcommand_min() > 0; ++i) {
        if (i == argc) {
            std::cerr << level->help(level == &app ? "" : "icevale-tool");
            return false;
        }
        const std::string word = argv[i];
        if (word.starts_with('-'))
            return true;
        const auto named = level->get_subcommands([&](const CLI::App* s) { return s->get_name() == word; });
        if (named.empty()) {
            std::string names;
            for (const CLI::App* s : level->get_subcommands([](const CLI::App*) { return true; }))
                names += (names.empty() ? "" : ", ") + s->get_name();
            std::cerr << path << ": unknown subcommand \"" << word << "\"; the subcommands are " << names
                      << "\nRun with --help for more information.\n";
            return false;
        }
        level = named.front();
        path += " " + word;
    }
    return true;
}

// Standard output takes text only: an image or a patch goes to a named file.
bool outputallowed(const CLI::App& app, const Arguments& args)
{
    const bool binary = app.got_subcommand("import") || app.got_subcommand("patch");
    if (!binary || args.output != "-")
        return true;
    std::cerr << "-o -: standard output takes text only (export, info, diff); name the file to write\n";
    return false;
}

int run(const CLI::App& app, const Arguments& args)
{
    using namespace icevale::tool;
    const auto chosen = [&](const char* name) { return app.got_subcommand(name); };
    if (chosen("info"))
        return info(args);
    if (chosen("export"))
        return exportdata(args);
    if (chosen("import"))
        return importdata(args);
    if (chosen("diff"))
        return diff(args);
    const CLI::App* patch = app.get_subcommand("patch");
    return patch->got_subcommand("create") ? patchcreate(args) : patchapply(args);
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app(kAbout, "icevale-tool");
    app.require_subcommand(1);
    // "/name" is a file on every platform, not an option as CLI11 takes it on Windows.
    app.allow_windows_style_options(false);
    app.get_formatter()->column_width(28);
    Arguments args;
    adddata(app, args);
    addpatch(app, args);
    // UTF-8 on every platform, so that names with any letters reach the files.
    std::vector<std::string> arguments = icevale::programarguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    if (!subcommandsknown(app, static_cast<int>(pointers.size()), pointers.data()))
        return icevale::tool::kUsage;
    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? icevale::tool::kSuccess : icevale::tool::kUsage;
    }
    if (app.got_subcommand("import") && !args.check && args.output.empty()) {
        std::cerr << "import: -o OUT is required unless --check is given\nRun with --help for more information.\n";
        return icevale::tool::kUsage;
    }
    if (!outputallowed(app, args))
        return icevale::tool::kUsage;
    // Anything unexpected (memory running out, a fault of the tool) ends with a message
    // and the refusal status, never with an abort.
    try {
        return run(app, args);
    } catch (const std::exception& e) {
        std::cerr << "icevale-tool: stopped by an unexpected error: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "icevale-tool: stopped by an unexpected error\n";
    }
    return icevale::tool::kRefused;
}
