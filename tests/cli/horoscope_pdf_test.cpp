// The horoscope PDF as a reader's tools see it: grahavani-chart run as a process with no
// display, its file read back with poppler's pdfinfo, pdffonts and pdftotext.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "interpretation/interpretation_view_texts.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_profile_table.h"
#include "run_command.h"
#include "tests/translation/latin_words.h"
#include "vargas/varga.h"

namespace grahavani {
namespace {

namespace fs = std::filesystem;

const std::string Birth =
    "--name 'आशा राव' --date 1947-08-15 --time 00:00 --lat 28N39 --lon 77E13 --zone 34 "
    "--city 'New Delhi' --state Delhi --country India --engine precise";

// What a shell command prints, and its exit status.
std::pair<std::string, int> Shell(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> chunk{};
    for (std::size_t read; (read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) output.append(chunk.data(), read);
    const int status = ::pclose(pipe);
    return {output, WEXITSTATUS(status)};
}

// The words of a text as pdftotext gives them: lines joined, DejaVu's ligatures spelt out.
std::string Words(std::string text) {
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"\r\n", " "}, {"\n", " "}, {"  ", " "}, {"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"},
             {"\xEF\xAC\x84", "ffl"}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
    }
    return text;
}

std::string FirstWords(const std::string& text, int count) {
    std::size_t end = 0;
    for (int word = 0; word < count && end != std::string::npos; ++word) end = text.find(' ', end + 1);
    return text.substr(0, end);
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string Chart(const std::string& arguments) {
    return std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + GRAHAVANI_CHART + " " + Birth + " " + arguments;
}

TEST(HoroscopePdf, ReadsBackWithItsTextsFontsAndPagesWithoutADisplay) {
    const fs::path file = fs::temp_directory_path() / "grahavani-horoscope-test.pdf";
    const auto [printed, status] = Shell(Chart("--pdf " + file.string() + " 2>&1"));
    ASSERT_EQ(status, 0) << printed;
    EXPECT_EQ(printed, "");  // nothing on either stream

    const std::string info = Shell("pdfinfo " + file.string()).first;
    EXPECT_NE(info.find("Title:           Horoscope of आशा राव"), std::string::npos) << info;
    EXPECT_NE(info.find("Creator:         Grahavani 2.05"), std::string::npos);
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos);
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages: +([0-9]+)")));
    const int pageCount = std::stoi(pages[1]);
    EXPECT_GE(pageCount, 8) << "the cover, rasi and navamsa, two pages of vargas and the tables";

    const std::string fonts = Shell("pdffonts " + file.string() + " | tail -n +3").first;
    EXPECT_NE(fonts.find("Lohit-Devanagari"), std::string::npos);
    std::istringstream fontLines(fonts);
    for (std::string line; std::getline(fontLines, line);) {
        EXPECT_NE(line.find(" yes "), std::string::npos) << "not embedded: " << line;
        EXPECT_TRUE(line.starts_with("DejaVuSans") || line.starts_with("Lohit-Devanagari")) << line;
    }
    EXPECT_EQ(Shell("pdfimages -list " + file.string() + " | tail -n +3").first, "") << "drawn, not pictured";

    // Laid out as printed, so that no line's "-" is taken for a hyphen.
    const std::string text = Shell("pdftotext -layout " + file.string() + " -").first;
    std::vector<std::string> pageTexts;
    for (std::size_t start = 0, end; (end = text.find('\f', start)) != std::string::npos; start = end + 1) {
        pageTexts.push_back(text.substr(start, end - start));
    }
    ASSERT_EQ(static_cast<int>(pageTexts.size()), pageCount);
    for (int page = 1; page <= pageCount; ++page) {
        const std::string footer = "Grahavani 2.05 · आशा राव · Page " + std::to_string(page) + " of " +
                                   std::to_string(pageCount);
        EXPECT_NE(pageTexts[static_cast<std::size_t>(page) - 1].find(footer), std::string::npos) << footer;
    }
    EXPECT_EQ(Shell("pdfimages -list " + file.string() + " | tail -n +3").first, "");  // the pictures are vectors

    // The readings begin a page of their own, and hold the view's texts for this chart.
    const auto line = nlohmann::json::parse(Shell(Chart("--json")).first);
    const auto readingsStart = std::ranges::find_if(pageTexts, [](const std::string& page) {
        return page.starts_with(std::string(PlanetsInSignsHeading) + "\n");
    });
    ASSERT_NE(readingsStart, pageTexts.end());
    std::string readings;
    for (auto page = readingsStart; page != pageTexts.end(); ++page) readings += Words(*page);
    std::array<std::string, 12> positionTexts;
    for (std::size_t slot = 0; slot < positionTexts.size(); ++slot) positionTexts[slot] = line["PositionTexts"][slot];
    for (const TextRun& run : PlanetsInSignsReading(positionTexts)) {
        const std::string words = Trimmed(FirstWords(Words(run.text), 6));
        EXPECT_NE(readings.find(words), std::string::npos) << words;
    }
    const SignProfile* lagna = LagnaProfileFor(line["LagnaSign"].get<std::string>());
    ASSERT_NE(lagna, nullptr);
    std::vector<std::string> captions = {std::string(InterpretationTabCaptions[1]), std::string(lagna->sanskritName),
                                         "Lucky Days for " + std::string(lagna->sanskritName),
                                         NakshatraFirstPageCaption(line["MoonNakshatra"].get<std::string>())};
    for (const NakshatraField& field : NakshatraFields) captions.push_back(Trimmed(field.caption));
    for (const SignField& field : SignFields) captions.push_back(Trimmed(field.caption));
    for (const std::string& caption : captions) EXPECT_NE(readings.find(caption), std::string::npos) << caption;

    // The planet texts and every antardasha's start as the JSON of the same chart gives them.
    for (const auto& [body, row] : line["Planets"].items()) {
        EXPECT_NE(text.find(row["Text"].get<std::string>()), std::string::npos) << body;
    }
    for (const auto& period : line["Vimshottari"]["Periods"]) {
        for (const auto& sub : period["Antardashas"]) {
            std::string start = sub["Start"];
            start[10] = ' ';
            EXPECT_NE(text.find(start), std::string::npos) << start;
        }
    }
    fs::remove(file);

    const auto [letter, letterStatus] = Shell(Chart("--paper letter --pdf - | pdfinfo -"));
    EXPECT_EQ(letterStatus, 0);
    EXPECT_NE(letter.find("612 x 792 pts (letter)"), std::string::npos) << letter;
}

// Page N's text (from 1) of a PDF file.
std::string PageText(const fs::path& file, int page) {
    return Shell("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " " + file.string() + " -")
        .first;
}

TEST(HoroscopePdf, DrawsTheRasiNavamsaAndEveryVargaInEachStyle) {
    const fs::path file = fs::temp_directory_path() / "grahavani-drawings-test.pdf";
    for (const std::string style : {"--style north", "--style south", "--style east", "--lagna-top", "--paper letter"}) {
        ASSERT_EQ(Shell(Chart(style + " --pdf " + file.string())).second, 0) << style;
        const std::string drawings = PageText(file, 2);
        for (const char* word : {"Rasi (D1)", "Navamsa (D9)", "Asc", "Surya", "Chandra", "Budha", "Shukra", "Mangala",
                                 "Guru", "Shani", "Rahu", "Ketu"}) {
            EXPECT_NE(drawings.find(word), std::string::npos) << style << ": " << word;
        }
        const std::string vargas[] = {PageText(file, 3), PageText(file, 4)};
        for (std::size_t varga = 0; varga < VargaDivisions.size(); ++varga) {
            const std::string& page = vargas[varga / 8];  // eight to a page, in order
            EXPECT_NE(page.find(VargaTitle(varga) + "\n"), std::string::npos) << style << ": " << VargaTitle(varga);
        }
        EXPECT_EQ(vargas[0].find("D16 "), std::string::npos) << style << ": at most eight to a page";
    }
    fs::remove(file);
}

TEST(HoroscopePdf, TheMatchingOfTwoChartFilesOnOnePage) {
    const fs::path folder = fs::temp_directory_path();
    const std::string boy = (folder / "grahavani-pdf-boy.gvc").string();
    const std::string girl = (folder / "grahavani-pdf-girl.gvc").string();
    const std::string chart = std::string(GRAHAVANI_CHART) + " --time 06:30 --place 'Chennai, India' --save-chart ";
    ASSERT_EQ(Shell(chart + boy + " --name Ravi --date 1990-05-12").second, 0);
    ASSERT_EQ(Shell(chart + girl + " --name ராதா --date 1992-11-03").second, 0);  // a name in Tamil
    const std::string match = std::string("env -u DISPLAY ") + GRAHAVANI_CHART + " --match " + boy + " " + girl;
    const std::string report = Shell(match).first;
    const auto [info, status] = Shell(match + " --paper letter --pdf - | pdfinfo -");
    EXPECT_EQ(status, 0);
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    const std::string text = Shell(match + " --pdf - | pdftotext - -").first;
    std::smatch total;
    ASSERT_TRUE(std::regex_search(report, total, std::regex("Total ([0-9.]+) of 36\nVerdict: ([A-Za-z ]+)")));
    EXPECT_NE(text.find(total[1].str()), std::string::npos);
    EXPECT_NE(text.find(total[2].str()), std::string::npos);
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos) << text;
    EXPECT_NE(text.find("ராதா"), std::string::npos) << text;
    const std::string fonts = Shell(match + " --pdf - | pdffonts -").first;
    EXPECT_TRUE(std::regex_search(fonts, std::regex("NotoSansTamil[-A-Za-z]* .* yes "))) << fonts;
    fs::remove(boy);
    fs::remove(girl);
}

// The Latin words a PDF's text holds beyond the program's name and the ephemeris's.
std::vector<std::string> ForeignLatinWords(const std::string& text) {
    std::vector<std::string> words = test::LatinWords(text);
    std::erase_if(words, [](const std::string& word) {
        return word == "Grahavani" || word == "JPL" || word == "Moshier" || word == "PDF";
    });
    return words;
}

TEST(HoroscopePdf, InHindiAndTamilEveryTextButThePersonsDataIsTheLanguages) {
    const fs::path folder = fs::temp_directory_path();
    const struct {
        std::string language, person, font;
        std::vector<std::string> words;  // that read back whole: Tamil's ligatures do not
    } rows[] = {
        {"hi", "--name 'आशा राव' --city 'नई दिल्ली' --state 'दिल्ली' --country 'भारत'", "Lohit-Devanagari",
         {"नाम", "समय", "चरण", "दशा शेष", "अयनांश", "राहु"}},
        {"ta", "--name 'ஆஷா' --city 'சென்னை' --state 'தமிழ்நாடு' --country 'இந்தியா'", "NotoSansTamil",
         {"ஜாதக", "கணி", "அயனா", "1947-08-14 18:30:00"}},
    };
    const std::string chart = std::string("env -u DISPLAY ") + GRAHAVANI_CHART +
                              " --time 00:00 --lat 28N39 --lon 77E13 --zone 34 --engine precise ";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        const std::string horoscope = chart + row.person + " --date 1947-08-15 --language " + row.language + " --pdf - ";
        const auto [text, status] = Shell(horoscope + "| pdftotext - -");
        ASSERT_EQ(status, 0);
        EXPECT_EQ(ForeignLatinWords(text), std::vector<std::string>{});
        for (const std::string& word : row.words) EXPECT_NE(text.find(word), std::string::npos) << word;
        const std::string fonts = Shell(horoscope + "| pdffonts - | tail -n +3").first;
        EXPECT_NE(fonts.find(row.font), std::string::npos) << fonts;
        std::istringstream fontLines(fonts);
        for (std::string line; std::getline(fontLines, line);) {
            EXPECT_NE(line.find(" yes "), std::string::npos) << "not embedded: " << line;
        }

        const std::string boy = (folder / ("grahavani-pdf-boy-" + row.language + ".gvc")).string();
        const std::string girl = (folder / ("grahavani-pdf-girl-" + row.language + ".gvc")).string();
        ASSERT_EQ(Shell(chart + row.person + " --save-chart " + boy + " --date 1947-08-15").second, 0);
        ASSERT_EQ(Shell(chart + row.person + " --save-chart " + girl + " --date 1950-03-01").second, 0);
        const std::string match = std::string("env -u DISPLAY ") + GRAHAVANI_CHART + " --match " + boy + " " + girl +
                                  " --language " + row.language + " --pdf - | pdftotext - -";
        EXPECT_EQ(ForeignLatinWords(Shell(match).first), std::vector<std::string>{});
        fs::remove(boy);
        fs::remove(girl);
    }
    // English stays as it was.
    EXPECT_EQ(Shell(Chart("--language en --pdf - | pdftotext - -")).first, Shell(Chart("--pdf - | pdftotext - -")).first);
}

TEST(HoroscopePdf, RefusesWhatItCannotJoin) {
    const std::vector<std::vector<std::string>> refused = {
        {"--pdf", "a.pdf", "--json"},      {"--pdf", "a.pdf", "-o", "a.txt"}, {"--pdf", "a.pdf", "--no-timing"},
        {"--pdf", "a.pdf", "--list-zones"}, {"--paper", "letter"},            {"--pdf", "a.pdf", "--paper", "A5"},
        {"--pdf", ""},                      {"--style", "south"},             {"--lagna-top"},
        {"--pdf", "a.pdf", "--style", "west"}};
    for (const auto& extra : refused) {
        std::vector<std::string> args = {"--name", "A", "--date", "1947-08-15", "--time", "00:00",
                                         "--lat", "28N39", "--lon", "77E13", "--zone", "34"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto run = test::RunCommand(args);
        EXPECT_EQ(run.status, 2) << extra.front() << " " << extra.back();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists("a.pdf"));
    // A folder is no PDF's target; nothing is written.
    const auto [printed, status] = Shell(Chart("--pdf " + fs::temp_directory_path().string() + " 2>&1"));
    EXPECT_EQ(status, 2) << printed;
}

}  // namespace
}  // namespace grahavani
