// Any bytes as a mod on a plain or random game: refused with a line, or applied within the pages' rules.
#include <algorithm>
#include <array>

#include "FuzzCheck.h"
#include "changes/ChangeList.h"
#include "core/CodePage.h"
#include "mods/FieldValues.h"
#include "mods/ModApply.h"
#include "mods/ModLayout.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"
#include "samplegame/SampleGame.h"
#include "strings/StringTable.h"

using namespace orvane;

namespace {

GameFileSet withImages(GameFileSet game, const std::vector<std::pair<FileId, ByteImage>>& images)
{
    for (const auto& [file, image] : images) game.image(file) = image;
    return game;
}

// A value the page would take for the field of this record.
bool pageTakes(const mods::SectionField& field, std::size_t record, const mods::ModValue& value)
{
    const EntryRule& rule = field.field->entry;
    if (field.field->encoding == FieldEncoding::Text) {
        const auto* text = std::get_if<std::string>(&value);
        return text != nullptr && !text->empty() && static_cast<double>(characterCount(*text)) <= rule.limit;
    }
    if (rule.options != nullptr) {
        const auto* caption = std::get_if<std::string>(&value);
        const auto options = rule.options(record);
        return caption != nullptr && std::any_of(options.begin(), options.end(),
                                                 [caption](const FieldOption& o) { return *caption == o.caption; });
    }
    const auto* number = std::get_if<std::int64_t>(&value);
    if (number != nullptr && specialValue(rule, *number) != nullptr) return true; // the game's own, with a meaning
    if (number == nullptr || static_cast<double>(*number) > rule.limit) return false;
    const auto stored = acceptEntry(static_cast<double>(*number), rule);
    return stored && shownNumber(*stored, rule) == *number;
}

void checkEveryChangedValue(const GameFileSet& before, const GameFileSet& after)
{
    const mods::ModLayout& layout = mods::ModLayout::of(before.edition);
    for (const mods::Section& section : layout.sections()) {
        const ByteImage& old = before.image(section.file);
        const ByteImage& now = after.image(section.file);
        if (section.strings) {
            std::vector<std::size_t> oldStarts, newStarts;
            strings::findStringStarts(old, oldStarts);
            strings::findStringStarts(now, newStarts);
            FUZZ_CHECK(oldStarts.size() == newStarts.size());
            continue;
        }
        for (std::size_t record = 0; record < section.count; ++record) {
            for (const mods::SectionField& field : section.fields) {
                const mods::ModValue value = mods::fieldValue(now, field, record);
                if (value != mods::fieldValue(old, field, record)) FUZZ_CHECK(pageTakes(field, record, value));
            }
            if (section.squares && mods::fieldValue(now, section.fields.at(0), record) == mods::ModValue("Empty"))
                FUZZ_CHECK(mods::fieldValue(now, section.fields.at(1), record) == mods::ModValue(std::int64_t{255}));
        }
    }
    // Bytes that no page shows are listed raw by the change list.
    for (const changes::Change& change : changes::listChanges(after)) FUZZ_CHECK(change.page.has_value());
}

bool sameReading(const mods::ModReading& a, const mods::ModReading& b)
{
    if (a.mod.has_value() != b.mod.has_value() || a.refusals.size() != b.refusals.size()) return false;
    for (std::size_t i = 0; i < a.refusals.size(); ++i)
        if (a.refusals[i].describe() != b.refusals[i].describe()) return false;
    return !a.mod || (a.mod->edition == b.mod->edition && a.mod->records == b.mod->records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<GameFileSet, 2> games{sample::loadedSampleFiles(GameEdition::Dos14),
                                                  sample::loadedSampleFiles(GameEdition::Collectors, 17)};
    if (size == 0) return 0;
    const GameFileSet& game = games.at(data[0] & 1);
    // Most inputs are given the header, so the search goes into the records.
    std::string text = (data[0] & 2) != 0 ? "" : "[mod]\nformat = 1\n";
    text.append(reinterpret_cast<const char*>(data + 1), size - 1);

    // The plain-line reader and toml++ read every file alike.
    FUZZ_CHECK(sameReading(mods::readMod(text), mods::readModWithToml(text)));

    const mods::ModApplication applied = mods::applyModText(game, text);
    if (applied.refusal) {
        FUZZ_CHECK(applied.images.empty() && applied.changes.empty() && !applied.refusals.empty());
        const auto lines = 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        std::size_t previous = 0;
        for (const mods::ModRefusal& refusal : applied.refusals) {
            // Every fault, each with its reason and a line of the file, in the order of their lines.
            FUZZ_CHECK(!refusal.reason.empty() && refusal.line <= lines && refusal.line >= previous);
            previous = refusal.line;
        }
        return 0;
    }
    GameFileSet after = withImages(game, applied.images); // its as-read copies are the game's images
    checkEveryChangedValue(game, after);

    const mods::ModApplication again = mods::applyModText(after, text);
    FUZZ_CHECK(!again.refusal && again.images.empty() && again.changes.empty());
    const mods::ModApplication diffed = mods::applyMod(game, mods::diffGames(game, after).mod);
    FUZZ_CHECK(!diffed.refusal);
    const GameFileSet rebuilt = withImages(game, diffed.images);
    for (const FileId file : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata})
        FUZZ_CHECK(rebuilt.image(file) == after.image(file));
    return 0;
}
