// The String Editor on a loaded game whose string files hold the bytes each test needs.
#include <filesystem>

#include "core/CodePage.h"
#include "editors/PatchApply.h"
#include "editors/StringEditor.h"
#include "files/PatchFile.h"
#include "support/PageTest.h"

namespace orvane::strings {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A sample game whose ENGLISH.DAT and ENGLISH2.DAT are replaced on disk before the load.
struct LoadedStrings {
    LoadedStrings(const Bytes& english, const Bytes& english2)
    {
        test::writeFileBytes((game.dir.path() / "GEODATA" / "ENGLISH.DAT").string(), english);
        test::writeFileBytes((game.dir.path() / "GEODATA" / "ENGLISH2.DAT").string(), english2);
        game.load();
    }
    ByteImage& english() { return game.session.image(FileId::English); }
    ByteImage& english2() { return game.session.image(FileId::English2); }

    // Opens string `index` of `file`, types `text` and applies it.
    void replace(FileId file, std::size_t index, const std::string& text)
    {
        editor.openEntry(file, index);
        ASSERT_TRUE(editor.editOpen());
        editor.setEditText(text);
        editor.apply();
    }

    test::SampleSession game{GameEdition::Collectors};
    StringEditor editor{game.session};
};

// A zero byte ends each string; no zero byte lists nothing. Apply ends the edit and keeps the other list.
TEST(StringEditor, theListsAndWhatApplyLeavesOnThePage)
{
    LoadedStrings strings(Bytes{0x41, 0x42, 0x00, 0x00, 0x43, 0x00}, bytesOf("no terminator"));
    StringEditor& editor = strings.editor;
    EXPECT_EQ(editor.entries(FileId::English), (Texts{"AB", "", "C"}));
    EXPECT_EQ(editor.stringStarts(FileId::English), (std::vector<std::size_t>{0, 3, 4, 6}));
    EXPECT_TRUE(editor.entries(FileId::English2).empty());
    EXPECT_EQ(editor.stringStarts(FileId::English2), std::vector<std::size_t>{0});
    editor.openEntry(FileId::English2, 0);
    EXPECT_FALSE(editor.editOpen());

    editor.clickEntry(FileId::English, 2);
    EXPECT_EQ(editor.shownString(), "\nC");
    EXPECT_EQ(editor.indexCaption(FileId::English), "3");
    editor.openEntry(FileId::English, 0);
    EXPECT_EQ(editor.editText(), "AB");
    EXPECT_EQ(editor.editTarget(), FileId::English);
    editor.setEditText("XYZ");
    const std::size_t revision2 = editor.listRevision(FileId::English2);
    editor.apply();
    EXPECT_EQ(editor.stringStarts(FileId::English), (std::vector<std::size_t>{0, 4, 5, 7}));
    EXPECT_FALSE(editor.editOpen());
    EXPECT_EQ(editor.editText(), "XYZ");
    EXPECT_EQ(editor.shownString(), "");
    EXPECT_EQ(editor.indexCaption(FileId::English), "3");
    EXPECT_EQ(editor.listRevision(FileId::English2), revision2);
}

// Longer, shorter and empty strings anywhere: the rest moves, trailing bytes stay, Undo restores length.
TEST(StringEditor, longerShorterAndEmptyStringsAnywhereMoveTheRestAndKeepTheTrailingBytes)
{
    const Texts original{"First", "", "Third"};
    const std::string trailing = "\x7F\x01zz";
    auto table = [&trailing](const Texts& texts) {
        Bytes file;
        for (const auto& text : texts) {
            file.insert(file.end(), text.begin(), text.end());
            file.push_back(0);
        }
        file.insert(file.end(), trailing.begin(), trailing.end());
        return file;
    };
    LoadedStrings strings(bytesOf("keep\0"), table(original));
    const ByteImage englishBefore = strings.english();
    EXPECT_EQ(strings.editor.entries(FileId::English2), original);

    for (std::size_t index = 0; index < original.size(); ++index) {
        for (const std::string text : {"A much longer text than before", "x", ""}) {
            SCOPED_TRACE(std::to_string(index) + " " + text);
            Texts expected = original;
            expected[index] = text;
            strings.replace(FileId::English2, index, text);
            EXPECT_EQ(strings.english2(), table(expected));
            EXPECT_EQ(strings.editor.entries(FileId::English2), expected);

            EXPECT_EQ(strings.game.session.undoCount(), 1u);
            strings.game.session.undo();
            EXPECT_EQ(strings.english2(), table(original));
            EXPECT_EQ(strings.editor.entries(FileId::English2), original);
        }
    }
    EXPECT_EQ(strings.english(), englishBefore);
}

TEST(StringEditor, clicksElsewhereKeepTheOpenEditAndASecondDoubleClickReplacesIt)
{
    LoadedStrings strings(bytesOf(std::string("one\0two\0", 8)), bytesOf(std::string("alpha\0beta\0gamma\0", 17)));
    StringEditor& editor = strings.editor;

    editor.openEntry(FileId::English, 1);
    editor.setEditText("TWO");
    editor.clickEntry(FileId::English2, 0);
    editor.clickEntry(FileId::English2, 2);
    EXPECT_EQ(editor.shownString(), "\ngamma");
    EXPECT_EQ(editor.indexCaption(FileId::English2), "3");
    EXPECT_EQ(editor.indexCaption(FileId::English), "");
    editor.apply();
    EXPECT_EQ(strings.english(), bytesOf(std::string("one\0TWO\0", 8)));

    // The second double click drops the first edit: only ENGLISH2.DAT changes.
    editor.openEntry(FileId::English, 0);
    editor.setEditText("dropped");
    editor.openEntry(FileId::English2, 1);
    EXPECT_EQ(editor.editText(), "beta");
    editor.setEditText("BETA!");
    editor.apply();
    EXPECT_EQ(strings.english2(), bytesOf(std::string("alpha\0BETA!\0gamma\0", 18)));

    // Cancel writes nothing and empties the text; Apply afterwards has nothing to write.
    editor.openEntry(FileId::English2, 0);
    editor.setEditText("never");
    editor.cancel();
    EXPECT_FALSE(editor.editOpen());
    EXPECT_EQ(editor.editText(), "");
    editor.apply();
    EXPECT_EQ(strings.game.session.undoCount(), 2u);
}

// Bytes 1-255 go through open and Apply unchanged; a character outside code page 437 is refused by name.
TEST(StringEditor, everyByteSurvivesOpenAndApplyAndACharacterOutsideTheCodePageIsRefused)
{
    Bytes english;
    std::string shown;
    for (int code = 1; code < 256; ++code) {
        english.push_back(static_cast<std::uint8_t>(code));
        shown += characterOf(static_cast<std::uint8_t>(code));
    }
    english.insert(english.end(), {0, 'e', 'n', 'd', 0});
    LoadedStrings strings(english, bytesOf(std::string("x\0", 2)));
    EXPECT_EQ(strings.editor.entries(FileId::English).at(0), shown);
    strings.editor.openEntry(FileId::English, 0);
    strings.editor.apply();
    EXPECT_EQ(strings.english(), english);
    EXPECT_EQ(strings.game.session.undoCount(), 1u);

    strings.replace(FileId::English, 1, "Cost: 5 \u20ac or \u00e9");
    test::expectOneMessage(strings.game.prompts, "String not changed", "\"\u20ac\"");
    EXPECT_EQ(strings.english(), english);
    EXPECT_EQ(strings.game.session.undoCount(), 1u);
    EXPECT_TRUE(strings.editor.editOpen());
    strings.editor.setEditText("Cost: 5 \u00e9");
    strings.editor.apply();
    english.resize(english.size() - 4);
    english.insert(english.end(), {'C', 'o', 's', 't', ':', ' ', '5', ' ', 0x82, 0});
    EXPECT_EQ(strings.english(), english);
}

// An edit or a list never reaches a file read since it was opened: a load or patch closes the edit.
TEST(StringEditor, anEditOrAListNeverReachesAFileReadSinceItWasOpened)
{
    const struct {
        const char* missingFromB;
        bool closes, listsStale;
    } rows[] = {{nullptr, true, false}, {"ENGLISH2.DAT", true, true}, {"OBDATA.DAT", false, false}};
    const Bytes englishB = bytesOf(std::string("abcdefg\0hi\0", 11)); // A's offsets 4 to 8 end at a zero here too
    for (const auto& row : rows) {
        SCOPED_TRACE(row.missingFromB ? row.missingFromB : "complete");
        test::SampleSession a(GameEdition::Collectors);
        StringEditor editor(a.session);
        a.load();
        const auto geodataB = a.dir.path() / "b" / "GEODATA";
        const std::string exeB = sample::writeSampleGame((a.dir.path() / "b").string(), GameEdition::Dos14);
        test::writeFileBytes((geodataB / "ENGLISH.DAT").string(), englishB);
        if (row.missingFromB) std::filesystem::remove(geodataB / row.missingFromB);

        editor.clickEntry(FileId::English, 0);
        editor.openEntry(FileId::English, 1);
        editor.setEditText("Typed in game A");
        a.loadFrom(exeB);
        EXPECT_EQ(editor.editOpen(), !row.closes);
        EXPECT_EQ(editor.shownString().empty(), row.closes);
        editor.apply();
        EXPECT_EQ(a.session.undoCount(), row.closes ? 0u : 1u);
        a.session.save();
        EXPECT_EQ(test::readFileBytes((geodataB / "ENGLISH.DAT").string()), englishB);
        editor.openEntry(FileId::English, 1);
        EXPECT_EQ(editor.editOpen(), !row.listsStale);
    }

    LoadedStrings strings(bytesOf(std::string("one\0two\0", 8)), bytesOf(std::string("x\0", 2)));
    strings.replace(FileId::English, 0, "ONE");
    strings.editor.openEntry(FileId::English, 1);
    strings.game.session.undo();
    strings.editor.setEditText("TWO");
    strings.editor.apply();
    EXPECT_EQ(strings.english(), bytesOf(std::string("ONE\0TWO\0", 8)));

    GameFileSet patched = strings.game.session.files();
    patched.image(FileId::English) = bytesOf(std::string("patched\0", 8));
    const std::string patch = (strings.game.dir.path() / "b.qev").string();
    test::writeFileBytes(patch, buildPatchFile(patched).value());
    strings.editor.openEntry(FileId::English, 0);
    strings.game.prompts.answerFile(patch);
    applyPatchFile(strings.game.session);
    EXPECT_FALSE(strings.editor.editOpen());
    strings.editor.apply();
    EXPECT_EQ(strings.english(), bytesOf(std::string("patched\0", 8)));

    // Closing the files empties the lists and drops the edit.
    strings.editor.openEntry(FileId::English2, 0);
    strings.editor.disableAll();
    EXPECT_TRUE(!strings.editor.editOpen() && strings.editor.entries(FileId::English2).empty());
    strings.editor.apply();
    EXPECT_EQ(strings.english2(), bytesOf(std::string("x\0", 2)));
}

} // namespace
} // namespace orvane::strings
