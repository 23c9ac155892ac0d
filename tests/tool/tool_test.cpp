// End-to-end runs of the built icevale-tool: exit status, messages and the files it
// writes or leaves alone.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/colours.h"
#include "core/patching.h"
#include "core/playoffs.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

class Tool : public ::testing::Test {
protected:
    void SetUp() override { test::writeFile(dir.path("s.smc"), test::sampleImage().bytes); }

    bool exists(const std::string& name) const { return std::filesystem::exists(dir.path(name)); }
    Bytes bytes(const std::string& name) const { return test::readFile(dir.path(name)); }
    std::string text(const std::string& name) const
    {
        const Bytes b = bytes(name);
        return std::string(b.begin(), b.end());
    }
    void write(const std::string& name, const std::string& content) const
    {
        test::writeFile(dir.path(name), Bytes(content.begin(), content.end()));
    }

    // Runs the tool in the test's folder; names in `args` are files there, in UTF-8, and
    // standard output goes to `out`.
    Outcome run(const std::string& args, const std::string& out = "stdout.txt") const
    {
#ifdef _WIN32
        // Through cmd with a wide command line, as a user's names reach the tool.
        return shell("\"" + test::utf8(std::filesystem::absolute(ICEVALE_TOOL_PATH).make_preferred()) + "\" " + args, out);
#else
        return shell("'" + std::string(ICEVALE_TOOL_PATH) + "' " + args, out);
#endif
    }
    // Runs a command line in the test's folder (through cmd on Windows).
    Outcome shell(const std::string& line, const std::string& out = "stdout.txt") const
    {
        write("stdout.txt", "");
#ifdef _WIN32
        const std::string command =
            "cd /d \"" + test::utf8(dir.path("x").parent_path()) + "\" && " + line + " >" + out + " 2>stderr.txt";
        const int status = ::_wsystem(std::filesystem::path(std::u8string(command.begin(), command.end())).c_str());
#else
        const std::string command = "cd '" + dir.path("").string() + "' && " + line + " >" + out + " 2>stderr.txt";
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        return {status, text("stdout.txt"), text("stderr.txt")};
    }

    test::TempDir dir;
};

TEST_F(Tool, HelpDescribesEachSubcommandAndUsageErrorsExitWith2)
{
    struct Case { const char* args; int status; const char* says; };
    for (const Case& c : {Case{"--help", 0, "patch"}, Case{"info --help", 0, "health"}, Case{"export --help", 0, "0x1A"},
                          Case{"import --help", 0, "--check"}, Case{"diff --help", 0, "Exit 0"},
                          Case{"patch create --help", 0, "--no-header"}, Case{"patch apply --help", 0, "modulo 1024"},
                          Case{"", 2, "Subcommands:\n  info"}, Case{"patch", 2, "apply"},
                          Case{"frobnicate s.smc", 2, "unknown subcommand \"frobnicate\"; the subcommands are info, export"},
                          Case{"patch make", 2, "patch: unknown subcommand \"make\""},
                          Case{"import s.smc d.json -o -", 2, "standard output takes text only"},
                          Case{"patch apply p.ips s.smc -o -", 2, "-o -"}, Case{"export s.smc --format xml", 2, "xml"},
                          Case{"import s.smc d.json", 2, "-o"}, Case{"patch apply p.ips", 2, "required"}}) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << c.args << "\n" << r.out << r.err;
    }
}

TEST_F(Tool, InfoListsTeamsAndTheHealthOfEveryArea)
{
    Outcome r = run("info s.smc");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("BRK, Brisk, Owls"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nhealth:\n  rosters: ok\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("playoffs: ok"), std::string::npos) << r.out;
    Bytes damaged = test::sampleImage().bytes;
    damaged[kPlayoffCount] = 200;
    test::writeFile(dir.path("d.smc"), damaged);
    r = run("info d.smc --json");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"the playoff team count holds 200, past its 29 listed values\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"ok\": false"), std::string::npos);
}

// Text outputs go to standard output alone, with -o -, or to a file with the same status;
// texts from the image are printed with their control characters escaped.
TEST_F(Tool, TextOutputsGoWhereAskedAndPrintControlCharactersEscaped)
{
    Bytes changed = test::sampleImage().bytes;
    const std::string owls = "Owls";
    const auto at = std::search(changed.begin(), changed.end(), owls.begin(), owls.end()) - changed.begin() + 1;
    changed[static_cast<std::size_t>(at)] = 0x01;
    test::writeFile(dir.path("c.smc"), changed);
    for (const std::string args : {"info c.smc", "export c.smc --format csv", "diff s.smc c.smc --json"}) {
        const Outcome plain = run(args), dashed = run(args + " -o -"), filed = run(args + " -o out.txt");
        EXPECT_EQ(std::make_tuple(dashed.status, dashed.out), std::make_tuple(plain.status, plain.out)) << args;
        EXPECT_EQ(std::make_tuple(filed.status, text("out.txt"), filed.out),
                  std::make_tuple(plain.status, plain.out, std::string())) << args;
    }
    EXPECT_NE(run("info c.smc").out.find("BRK, Brisk, O\\x01ls\n"), std::string::npos);
    const Outcome diff = run("diff s.smc c.smc");
    EXPECT_EQ(diff.status, 1);
    EXPECT_NE(diff.out.find(": \"Owls\" -> \"O\\x01ls\"\n"), std::string::npos) << diff.out;
}

// The output replaces a longer file whole; the input is left alone.
TEST_F(Tool, ExportThenImportGivesTheSameImageAndLeavesTheInputAlone)
{
    const Bytes original = bytes("s.smc");
    for (const std::string format : {"json", "csv"}) {
        SCOPED_TRACE(format);
        const Outcome exported = run("export s.smc --format " + format);
        ASSERT_EQ(exported.status, 0) << exported.err;
        ASSERT_EQ(run("export s.smc --format " + format + " -o data").status, 0);
        EXPECT_EQ(text("data"), exported.out);
        test::writeFile(dir.path("out.smc"), Bytes(original.size() + 4096, 0x55));
        const Outcome imported = run("import s.smc data -o out.smc");
        EXPECT_EQ(imported.status, 0) << imported.err;
        EXPECT_TRUE(bytes("out.smc") == original && bytes("s.smc") == original);
    }
}

TEST_F(Tool, EveryRefusalNamesTheFileAndPlaceAndWritesNothing)
{
    const auto repeated = [](const std::string& part, int n) {
        std::string all;
        for (int i = 0; i < n; ++i)
            all += part;
        return all;
    };
    const std::string json = "{\"format\": \"icevale-export\", \"version\": 1, ";
    const std::string longname(200, 'x');
    struct Case { const char* name; std::string data; std::vector<std::string> says; };
    const std::vector<Case> cases = {
        {"unknown team", "team,role,name\nXYZ,G,A\n", {"line 2, column 1 (team): no team is \"XYZ\""}},
        {"unknown team in JSON", json + "\"teams\": [{\"abbreviation\": \"XYZ\"}]}", {"teams[0].abbreviation"}},
        {"unknown column", "team,role,nmae\nALD,G,A\n", {"line 1, column 3 (nmae): unknown column"}},
        {"semicolons", "team;role;name\nALD;G;A\n", {"a CSV separated by semicolons"}},
        {"semicolons after a comma", "team,role;name\n", {"(role;name): unknown column", "not semicolons"}},
        {"unknown key", json + "\"teams\": [{\"index\": 3, \"nick\": \"A\"}]}", {"teams[0].nick: unknown key"}},
        {"character outside the set", "team,role,name\nALD,G,\xCE\xA9\n", {"line 2, column 3 (name)", "U+03A9"}},
        {"number out of range", json + "\"teams\": [{\"index\": 2, \"overall\": 256}]}", {"teams[0].overall"}},
        {"rating out of range", "team,role,name,speed\nALD,G,A,75\nALD,F,B,0x10\n",
         {"line 2, column 4 (speed)", "line 3, column 4 (speed)"}},
        {"banner colour out of range", json + "\"teams\": [{\"index\": 2, \"banner\": {\"colours\": [[1, 2, 3], [4, 5, 99]" +
         repeated(", [0, 0, 0]", kBannerCells - 2) + "]}}]}", {"teams[0].banner.colours[1]"}},
        {"banner colours too few", json + "\"teams\": [{\"index\": 2, \"banner\": {\"colours\": [[1, 2, 3]]}}]}",
         {"teams[0].banner.colours: expected an array of 14 values"}},
        {"values of no list", "team,role,name,weight,hand,speed\nALD,G,A,heavy,middle,fast\n",
         {"\"heavy\" is not a weight (", "\"middle\" is not a hand (", "\"fast\" is not a rating ("}},
        {"too many goalies", "team,role,name\nALD,G,A\nALD,G,B\nALD,G,C\nALD,G,D\nALD,G,E\nALD,F,F\nALD,D,G\n",
         {"lines 2-8: ALD: 5 goalies"}},
        {"too few defencemen", json + "\"teams\": [{\"index\": 4, \"players\": [{\"role\": \"G\"}, {\"role\": \"F\"}]}]}",
         {"teams[0]: DUN: 0 defencemen"}},
        {"roster over its bytes", "team,role,name\nALD,G," + longname + "\nALD,F," + longname + "\nALD,D,x\n",
         {"lines 2-4: ALD: the roster needs", "bytes more than its area holds"}},
        {"unclosed quote", "team,role,name\nALD,G,\"A\n", {"line 2, column 7: quote is never closed"}},
        {"wrong column count", "team,role,name\nALD,G\n", {"line 2: 2 fields; the header has 3"}},
        {"malformed JSON", "{\"format\": ", {"line 1, column 12"}},
        {"wrong format version", json.substr(0, json.size() - 4) + "2}", {"version: version 2 is not known"}},
        {"every problem", json + "\"teams\": [{\"index\": 0}, {\"index\": 5, \"overall\": -1}]}",
         {"teams[0].index", "teams[1].overall", "2 problems"}},
    };
    for (const Case& c : cases) {
        write("data", c.data);
        const Outcome r = run("import s.smc data -o out.smc");
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.err.rfind("data: ", 0), 0u) << c.name << "\n" << r.err;
        for (const std::string& place : c.says)
            EXPECT_NE(r.err.find(place), std::string::npos) << c.name << "\n" << r.err;
        EXPECT_FALSE(exists("out.smc")) << c.name;
    }
}

// On Windows the names come from the wide command line, not the ANSI code page.
TEST_F(Tool, NamesWithLettersBeyondAsciiAndSpacesReachTheFiles)
{
    std::filesystem::create_directory(dir.path("Ligue été"));
    test::writeFile(dir.path("Ligue été/Équipe ñ.smc"), test::sampleImage().bytes);
    Outcome r = run("export \"Ligue été/Équipe ñ.smc\" --format csv -o \"Ligue été/données ü.csv\"");
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("import \"Ligue été/Équipe ñ.smc\" \"Ligue été/données ü.csv\" -o \"Ligue été/冰 ü.smc\"");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Ligue été/冰 ü.smc: written with "), std::string::npos) << r.err;
    EXPECT_EQ(bytes("Ligue été/冰 ü.smc"), test::sampleImage().bytes);
    // A name starting with "/" is a file, not an option, on Windows too.
    r = run("info /icevale-missing.smc");
    EXPECT_NE(r.err.find("\"/icevale-missing.smc\": cannot open: No such file"), std::string::npos) << r.err;
    r = run("patch create s.smc \"Ligue été/ñ.smc\" -o p.ips");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"Ligue été/ñ.smc\": cannot open: No such file or directory"), std::string::npos) << r.err;
}

TEST_F(Tool, CheckWritesNothingAndDiffListsTheImportedChange)
{
    write("data", "team,role,name\nALD,G,A. Hult\nALD,F,B\nALD,D,C\n");
    Outcome r = run("import s.smc data --check -o out.smc");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(exists("out.smc"));
    r = run("diff s.smc s.smc");
    EXPECT_EQ(std::make_pair(r.status, r.out), std::make_pair(0, std::string()));
    write("data", "team,role,name,number\nBRK,D,C,7\nBRK,G,A. Hult,31\n#2,F,B,0x1A\n");
    ASSERT_EQ(run("import s.smc data -o out.smc").status, 0);
    r = run("diff s.smc out.smc");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\nBRK player 1 name: \"" + test::sampleImage().teams[2].players[0].name + "\" -> \"A. Hult\"\n"),
              std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nBRK player 2 number: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" -> 0x1A\n"), std::string::npos);
    EXPECT_NE(run("diff s.smc out.smc --json").out.find("\"equal\": false"), std::string::npos);
}

TEST_F(Tool, PatchesTurnOneImageIntoTheOtherAndBadPatchesWriteNothing)
{
    Bytes modified = test::sampleImage().bytes;
    modified[0x4000] ^= 0xFF, modified[0xE2D00] ^= 1;
    test::writeFile(dir.path("m.smc"), modified);
    for (const std::string format : {"ips", "bps"}) {
        SCOPED_TRACE(format);
        ASSERT_EQ(run("patch create s.smc m.smc -o p --format " + format).status, 0);
        ASSERT_EQ(run("patch apply p s.smc -o out.smc").status, 0);
        EXPECT_TRUE(bytes("out.smc") == modified);
        ASSERT_EQ(run("patch create s.smc m.smc --no-header -o p --format " + format).status, 0);
        const Outcome r = run("patch apply p s.smc -o out2.smc --no-header");
        EXPECT_NE(r.err.find("s.smc: the image has a copier header"), std::string::npos) << r.err;
        EXPECT_TRUE(bytes("out2.smc") == modified);
        const Bytes patch = bytes("p");
        test::writeFile(dir.path("cut"), Bytes(patch.begin(), patch.end() - 5));
        EXPECT_EQ(run("patch apply cut s.smc -o out3.smc --no-header").status, 1);
        EXPECT_FALSE(exists("out3.smc"));
    }
}

// A patch made for one kind of image, applied to each kind: offsets as they stand unless
// the kind is named, and a warning (the result written all the same) when it looks made
// for the other kind.
TEST_F(Tool, IpsOffsetsStandUnlessTheKindIsNamedAndAMismatchIsWarned)
{
    Bytes modified = test::sampleImage().bytes;
    modified[kCopierHeader + 0x100] ^= 0xFF, modified.back() ^= 0xFF;  // inside the first 512 bytes without the header
    const auto bare = [](const Bytes& b) { return Bytes(b.begin() + kCopierHeader, b.end()); };
    test::writeFile(dir.path("m.smc"), modified);
    test::writeFile(dir.path("n.smc"), bare(test::sampleImage().bytes));
    ASSERT_EQ(run("patch create s.smc m.smc -o h.ips").status + run("patch create s.smc m.smc --no-header -o n.ips").status, 0);
    struct Case { std::string args; std::optional<Bytes> gives; const char* warns; };
    for (const Case& c : {Case{"n.ips n.smc", bare(modified), nullptr}, Case{"h.ips s.smc", modified, nullptr},
                          Case{"n.ips s.smc --no-header", modified, nullptr},
                          Case{"h.ips n.smc --with-header", bare(modified), nullptr},
                          Case{"n.ips s.smc", {}, "inside the 512-byte copier header: it looks made for images without"},
                          Case{"h.ips n.smc", {}, "past the end of the 1048576 bytes without the header: it looks made for "
                                                  "images with"}}) {
        const Outcome r = run("patch apply " + c.args + " -o out.smc");
        EXPECT_EQ(r.status, 0) << c.args << "\n" << r.err;
        EXPECT_TRUE(!c.gives || bytes("out.smc") == *c.gives) << c.args;
        EXPECT_EQ(r.err.find(c.warns ? c.warns : ": warning: ") != std::string::npos, c.warns != nullptr) << c.args << r.err;
        std::filesystem::remove(dir.path("out.smc"));
    }
    EXPECT_EQ(run("patch apply h.ips s.smc --no-header --with-header -o out.smc").status, 2);
}

// An IPS cut record makes a 16-byte file, written only on purpose.
TEST_F(Tool, PatchResultShorterThanAnOpenableImageIsWrittenOnlyWhenAsked)
{
    write("cut.ips", std::string("PATCHEOF\0\0\x10", 11));
    const Outcome r = run("patch apply cut.ips s.smc -o out.smc");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cut.ips: the patched image would have 16 bytes, fewer than the 961750 of the shortest image "
                         "the editor opens (without the copier header); nothing written (--allow-short"), std::string::npos) << r.err;
    EXPECT_FALSE(exists("out.smc"));
    EXPECT_EQ(run("patch apply cut.ips s.smc -o out.smc --allow-short").status, 0);
    EXPECT_TRUE(bytes("out.smc") == Bytes(test::sampleImage().bytes.begin(), test::sampleImage().bytes.begin() + 16));
}

TEST_F(Tool, FailedWritesToStandardOutputAreErrors)
{
#ifdef _WIN32
    GTEST_SKIP() << "no full device on Windows";
#endif
    test::writeFile(dir.path("m.smc"), Bytes(test::sampleImage().bytes.size(), 0));
    for (const std::string args : {"export s.smc", "export s.smc --format csv", "info s.smc --json", "diff s.smc m.smc"}) {
        const Outcome r = run(args, "/dev/full");
        EXPECT_EQ(std::make_pair(r.status, r.err.find("standard output: cannot write") != std::string::npos),
                  std::make_pair(1, true)) << args << "\n" << r.err;
    }
}

// What the JSON library throws on, ambiguous input, input of no known kind (also with
// --check), and a flood of problems: each a refusal naming the file and the place.
TEST_F(Tool, AmbiguousUnreadableOrHugeInputIsRefusedWithItsPlace)
{
    const std::string json = "{\"format\": \"icevale-export\", \"version\": 1, ", neither = "data: neither a JSON export";
    for (const auto& [data, says] : std::vector<std::pair<std::string, std::string>>{
             {json + "\"teams\": [{\"index\": 2, \"overall\": 1e400}]}", "data: teams[0].overall: number overflow"},
             {json + "\"teams\": [{\"index\": 2}, {\"index\": -1e309}]}", "data: teams[1].index: number overflow"},
             {json + "\"teams\": [{\"index\": 2, \"overall\": 3, \"overall\": 4}]}",
              "data: teams[0].overall: the key \"overall\" is given twice"},
             {json + "\"version\": 1}", "data: version: the key \"version\" is given twice"},
             {"", "data: the file is empty"}, {"null", neither}, {" [1,2]\n", neither}}) {
        write("data", data);
        for (const std::string mode : {"-o out.smc", "--check"}) {
            const Outcome r = run("import s.smc data " + mode);
            EXPECT_EQ(r.status, 1) << data;
            EXPECT_NE(r.err.find(says), std::string::npos) << data << "\n" << r.err;
            EXPECT_NE(r.err.find("data: refused with 1 problem; nothing written"), std::string::npos) << r.err;
        }
    }
    // One team named 20000 times in JSON, and as many CSV rows of an unknown role: the
    // first 50 problems, how many more, the verdict.
    std::string teams = json + "\"teams\": [{\"index\": 1}", rows = "team,role\n";
    for (int i = 1; i < 20000; ++i)
        teams += ", {\"index\": 1}", rows += "ALD,X\n";
    for (const std::string& data : {teams + "]}", rows}) {
        write("data", data);
        const Outcome r = run("import s.smc data -o out.smc");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 52);
        EXPECT_NE(r.err.find("data: ... and 19949 more problems not shown\ndata: refused with 19999 problems"),
                  std::string::npos) << r.err.substr(0, 300);
    }
    EXPECT_FALSE(exists("out.smc"));
}

// The sample step of run-editor keeps an existing sample, edits and all.
TEST_F(Tool, SampleStepKeepsAnEditedSampleAndWritesItAfreshOnlyWhenAsked)
{
#ifdef _WIN32
    GTEST_SKIP() << "the set-up scripts run on Debian";
#endif
    const std::string step = std::string("bash '") + ICEVALE_WRITE_SAMPLE + "' '" + ICEVALE_SAMPLE_MAKER + "' s.smc";
    Bytes edited = test::sampleImage().bytes;
    edited[0x4000] ^= 0xFF, edited.resize(edited.size() + 100, 7);
    test::writeFile(dir.path("s.smc"), edited);
    EXPECT_TRUE(shell(step).status == 0 && bytes("s.smc") == edited);
    EXPECT_TRUE(shell(step + " --new").status == 0 && bytes("s.smc") == test::sampleImage().bytes);
    std::filesystem::remove(dir.path("s.smc"));
    EXPECT_TRUE(shell(step).status == 0 && bytes("s.smc") == test::sampleImage().bytes);
    EXPECT_EQ(shell(step + " --fresh").status, 2);
}

}  // namespace
}  // namespace icevale
