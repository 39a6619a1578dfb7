// The files that ship beside Quintel.exe without being compiled: the tips of
// the Tip of the Day (data/TIPs.TXT) and the sources of the user's guide
// (help/). Checked here, in the sources, so that a mistake shows up before
// anybody opens the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "help/test/HelpProject.h"

#ifndef QUINTEL_SOURCE_DIR
#error "QUINTEL_SOURCE_DIR must name the source folder"
#endif

namespace {

namespace fs = std::filesystem;

const fs::path SourceDir = QUINTEL_SOURCE_DIR;
const fs::path HelpDir = SourceDir / "help";

// The tip label of the Tip of the Day window is about 3600 x 1800 twips:
// nine lines of some forty characters in the dialog font. A tip longer
// than this would be cut off.
constexpr std::size_t LongestTip = 220;
constexpr std::size_t FewestTips = 25;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using quintel::help::Lower;
using quintel::help::Trim;

// --- TIPs.TXT --------------------------------------------------------------

class ShippedTips : public ::testing::Test {
protected:
    void SetUp() override {
        text_ = ReadFile(SourceDir / "data" / "TIPs.TXT");
        ASSERT_FALSE(text_.empty()) << "data/TIPs.TXT is empty";
        std::size_t start = 0;
        while (start < text_.size()) {
            const auto end = text_.find("\r\n", start);
            if (end == std::string::npos) {
                lines_.push_back(text_.substr(start));
                break;
            }
            lines_.push_back(text_.substr(start, end - start));
            start = end + 2;
        }
    }

    std::string text_;
    std::vector<std::string> lines_;  // split at CR LF only
};

// Windows users edit the file with Notepad, which wants CR LF; a lone LF or
// CR would also make the tip window's reader split lines differently.
TEST_F(ShippedTips, EveryLineEndsWithCrLf) {
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n') {
            EXPECT_TRUE(i > 0 && text_[i - 1] == '\r') << "a line feed without carriage return at byte " << i;
        } else if (text_[i] == '\r') {
            EXPECT_TRUE(i + 1 < text_.size() && text_[i + 1] == '\n')
                << "a carriage return without line feed at byte " << i;
        }
    }
    ASSERT_GE(text_.size(), 2u);
    EXPECT_EQ("\r\n", text_.substr(text_.size() - 2)) << "the last tip must end with CR LF";
}

// A blank line is a tip of its own: the window would show it empty. That
// includes an extra line break at the end of the file.
TEST_F(ShippedTips, HasNoBlankLine) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        EXPECT_FALSE(Trim(lines_[i]).empty()) << "line " << i + 1 << " is blank";
    }
}

TEST_F(ShippedTips, HoldsEnoughTips) {
    EXPECT_GE(lines_.size(), FewestTips);
}

TEST_F(ShippedTips, EveryTipFitsTheTipLabel) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        EXPECT_LE(lines_[i].size(), LongestTip) << "line " << i + 1 << ": " << lines_[i];
    }
}

// Plain printable ASCII reads the same in every Windows code page.
TEST_F(ShippedTips, IsPlainPrintableAscii) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        for (const char c : lines_[i]) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte >= 0x20 && byte < 0x7F)
                << "line " << i + 1 << " holds the byte " << static_cast<int>(byte);
        }
        EXPECT_EQ(Trim(lines_[i]), lines_[i]) << "line " << i + 1 << " has blanks at an end";
    }
}

// "Next Tip" draws at random; a tip that is there twice comes twice as often.
TEST_F(ShippedTips, HasNoTipTwice) {
    std::set<std::string> seen;
    for (const std::string& line : lines_) {
        EXPECT_TRUE(seen.insert(Lower(line)).second) << "twice: " << line;
    }
}

// --- The user's guide --------------------------------------------------------

using quintel::help::HelpProject;

HelpProject ReadHelpProject() {
    return quintel::help::ParseHelpProject(ReadFile(HelpDir / "Help.hhp"));
}

bool IsPageFile(const fs::path& path) {
    const std::string ext = Lower(path.extension().string());
    return ext == ".htm" || ext == ".html" || ext == ".css" || ext == ".gif" || ext == ".png" ||
           ext == ".jpg" || ext == ".bmp";
}

bool IsHtml(const std::string& name) {
    const std::string ext = Lower(fs::path(name).extension().string());
    return ext == ".htm" || ext == ".html";
}

// Every value of an attribute in a page or sitemap, e.g. every href.
std::vector<std::string> AttributeValues(const std::string& text, const std::string& attribute) {
    std::vector<std::string> values;
    const std::regex pattern("\\b" + attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        values.push_back((*it)[1].str());
    }
    return values;
}

// The "Local" targets of a contents or index file.
std::vector<std::string> SitemapTargets(const std::string& text) {
    std::vector<std::string> targets;
    const std::regex pattern(
        "<param\\s+name\\s*=\\s*\"Local\"\\s+value\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        targets.push_back((*it)[1].str());
    }
    return targets;
}

std::string RegexLiteral(const std::string& text) {
    static const std::regex metacharacters(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(text, metacharacters, R"(\$&)");
}

bool IsExternal(const std::string& target) {
    return std::regex_search(target, std::regex("^[A-Za-z][A-Za-z0-9+.-]*:"));
}

class ShippedHelp : public ::testing::Test {
protected:
    void SetUp() override {
        project_ = ReadHelpProject();
        ASSERT_FALSE(project_.files.empty()) << "help/Help.hhp lists no files";
        for (const std::string& name : project_.files) listed_.insert(Lower(name));
    }

    // Checks that a link inside the guide leads to a compiled page and,
    // with "#name", to an anchor of that page.
    void ExpectLinkResolves(const std::string& from, const std::string& target) {
        if (target.empty() || IsExternal(target)) return;
        const auto hash = target.find('#');
        const std::string file = hash == std::string::npos ? target : target.substr(0, hash);
        const std::string anchor = hash == std::string::npos ? "" : target.substr(hash + 1);
        const std::string page = file.empty() ? from : file;
        if (!listed_.count(Lower(page))) {
            ADD_FAILURE() << from << " links to " << target << ", which Help.hhp does not compile";
            return;
        }
        if (anchor.empty()) return;
        const std::string text = ReadFile(HelpDir / page);
        const std::regex named("\\b(id|name)\\s*=\\s*\"" + RegexLiteral(anchor) + "\"",
                               std::regex::icase);
        EXPECT_TRUE(std::regex_search(text, named))
            << from << " links to " << target << ", but " << page << " has no such anchor";
    }

    HelpProject project_;
    std::set<std::string> listed_;  // lower case
};

// The program opens Help\Help.chm; chmcmd names the file after this option.
TEST_F(ShippedHelp, CompilesToHelpChm) {
    EXPECT_EQ("help.chm", Lower(project_.options["compiled file"]));
}

// A page that is in the folder but not in the project would be missing from
// the help file without any warning.
TEST_F(ShippedHelp, ProjectListsEveryPageOfTheFolder) {
    for (const auto& entry : fs::directory_iterator(HelpDir)) {
        if (!entry.is_regular_file() || !IsPageFile(entry.path())) continue;
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(listed_.count(Lower(name))) << "help/" << name << " is not listed in Help.hhp";
    }
}

TEST_F(ShippedHelp, EveryListedFileExists) {
    for (const std::string& name : project_.files) {
        EXPECT_TRUE(fs::is_regular_file(HelpDir / name)) << "Help.hhp lists " << name
                                                         << ", which is not in help/";
    }
}

TEST_F(ShippedHelp, ContentsIndexAndFirstPageExist) {
    for (const char* option : {"contents file", "index file"}) {
        const std::string name = project_.options[option];
        EXPECT_FALSE(name.empty()) << "Help.hhp names no " << option;
        if (!name.empty()) {
            EXPECT_TRUE(fs::is_regular_file(HelpDir / name)) << option << " " << name << " is missing";
        }
    }
    const std::string first = project_.options["default topic"];
    EXPECT_TRUE(listed_.count(Lower(first))) << "the first page " << first << " is not compiled";
}

// The compiler does not look at the contents and the index: an entry that
// leads nowhere would only show up as an empty page in the viewer.
TEST_F(ShippedHelp, ContentsAndIndexEntriesLeadToPages) {
    for (const char* option : {"contents file", "index file"}) {
        const std::string name = project_.options[option];
        const std::string text = ReadFile(HelpDir / name);
        const std::vector<std::string> targets = SitemapTargets(text);
        EXPECT_FALSE(targets.empty()) << name << " has no entries";
        for (const std::string& target : targets) ExpectLinkResolves(name, target);
    }
}

TEST_F(ShippedHelp, EveryPageIsInTheContents) {
    const std::string contents = ReadFile(HelpDir / project_.options["contents file"]);
    std::set<std::string> reachable;
    for (const std::string& target : SitemapTargets(contents)) {
        reachable.insert(Lower(target.substr(0, target.find('#'))));
    }
    for (const std::string& name : project_.files) {
        if (IsHtml(name)) {
            EXPECT_TRUE(reachable.count(Lower(name))) << name << " has no entry in the contents";
        }
    }
}

TEST_F(ShippedHelp, LinksBetweenPagesResolve) {
    for (const std::string& name : project_.files) {
        if (!IsHtml(name)) continue;
        const std::string text = ReadFile(HelpDir / name);
        for (const char* attribute : {"href", "src"}) {
            for (const std::string& target : AttributeValues(text, attribute)) {
                ExpectLinkResolves(name, target);
            }
        }
    }
}

// The guide is read offline: no scripts, and nothing is loaded from outside
// the help file. Links to the web site and the support address are fine.
TEST_F(ShippedHelp, PagesAreSelfContained) {
    const std::regex script("<\\s*script\\b", std::regex::icase);
    const std::regex title("<title>[^<]*[^<\\s][^<]*</title>", std::regex::icase);
    const std::regex stylesheet("<link\\b[^>]*>", std::regex::icase);
    for (const std::string& name : project_.files) {
        if (!IsHtml(name)) continue;
        const std::string text = ReadFile(HelpDir / name);
        EXPECT_FALSE(std::regex_search(text, script)) << name << " holds a script";
        EXPECT_TRUE(std::regex_search(text, title)) << name << " has no title";
        for (const std::string& source : AttributeValues(text, "src")) {
            EXPECT_FALSE(IsExternal(source)) << name << " loads " << source;
        }
        for (auto it = std::sregex_iterator(text.begin(), text.end(), stylesheet);
             it != std::sregex_iterator(); ++it) {
            for (const std::string& target : AttributeValues(it->str(), "href")) {
                EXPECT_FALSE(IsExternal(target)) << name << " loads " << target;
            }
        }
    }
}

}  // namespace
