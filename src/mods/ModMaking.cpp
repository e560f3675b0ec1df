#include "mods/ModMaking.h"

#include <algorithm>
#include <map>
#include <span>
#include <unordered_map>

#include "changes/ChangeList.h"
#include "core/CodePage.h"
#include "mods/FieldValues.h"
#include "mods/ModLayout.h"
#include "mods/ModSummary.h"
#include "strings/StringTable.h"

namespace orvane::mods {

namespace {

ModRecord recordOf(const Section& section, std::size_t index, const ByteImage& image)
{
    ModRecord record;
    record.section = section.key;
    if (!section.single) record.number = static_cast<std::int64_t>(section.firstNumber + index);
    if (!section.single && !section.strings) record.name = section.recordName(image, index);
    return record;
}

std::string stringAt(const ByteImage& image, const std::vector<std::size_t>& starts, std::size_t index)
{
    std::string text;
    appendGameText(text,
                   std::span<const std::uint8_t>(image).subspan(starts[index], starts[index + 1] - 1 - starts[index]));
    return text;
}

void addString(ModDocument& mod, const Section& section, std::size_t index, const ByteImage& image,
               const std::vector<std::size_t>& starts)
{
    ModRecord record = recordOf(section, index, image);
    record.fields.push_back({std::string(TextKey), stringAt(image, starts, index)});
    mod.records.push_back(std::move(record));
}

// The strings of `after` that differ from those of `before`. The strings that only one of them holds
// cannot be carried by a mod, which changes strings and never adds or removes them: one line says so.
void addChangedStrings(MadeMod& made, const Section& section, const ByteImage& before, const ByteImage& after,
                       const GameNames& names)
{
    std::vector<std::size_t> beforeStarts;
    std::vector<std::size_t> afterStarts;
    strings::findStringStarts(before, beforeStarts);
    strings::findStringStarts(after, afterStarts);
    const std::size_t beforeCount = beforeStarts.size() - 1;
    const std::size_t afterCount = afterStarts.size() - 1;
    const std::size_t common = std::min(beforeCount, afterCount);
    for (const std::size_t index : changes::changedStrings(before, beforeStarts, after, afterStarts)) {
        if (index >= common) break;
        addString(made.mod, section, index, after, afterStarts);
    }
    if (beforeCount == afterCount) return;
    const std::size_t last = std::max(beforeCount, afterCount);
    const std::string which = common + 1 == last
                                  ? "string " + groupedNumber(last) + " is"
                                  : "strings " + groupedNumber(common + 1) + " to " + groupedNumber(last) + " are";
    made.leftOut.push_back(std::string(changes::fileCaption(section.file)) + ": " + which + " only in " +
                           (afterCount > beforeCount ? names.after : names.before) +
                           " and are left out; a mod changes strings, it does not add or remove them");
}

// The bytes no page shows that differ between two games of one edition, counted in one line.
void countUnshownBytes(MadeMod& made, const GameFileSet& base, const GameFileSet& modded)
{
    if (base.edition != modded.edition) return;
    GameFileSet compared = modded;
    for (const FileId file : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        compared.file(file).asRead = base.image(file);
    }
    std::map<std::string, std::size_t> places;
    std::size_t total = 0;
    for (const changes::Change& change : changes::listChanges(compared)) {
        if (change.page) continue;
        ++places[change.pageText];
        ++total;
    }
    if (total == 0) return;
    std::string where;
    for (const auto& [file, count] : places) where += (where.empty() ? "" : ", ") + file + ": " + groupedNumber(count);
    made.leftOut.push_back("bytes that no page shows differ at " + groupedNumber(total) +
                           (total == 1 ? " place" : " places") + " (" + where +
                           ") and are left out; a patch file (make-patch) carries them");
}

} // namespace

MadeMod exportGame(const GameFileSet& game)
{
    MadeMod made;
    made.mod.edition = editionName(game.edition);
    const ModLayout& layout = ModLayout::of(game.edition);
    for (const Section& section : layout.sections()) {
        const ByteImage& image = game.image(section.file);
        if (section.strings) {
            std::vector<std::size_t> starts;
            strings::findStringStarts(image, starts);
            for (std::size_t index = 0; index + 1 < starts.size(); ++index) {
                addString(made.mod, section, index, image, starts);
            }
            continue;
        }
        if (!section.fits(image)) {
            made.leftOut.push_back(section.key + ": the game's file has no room for this table");
            continue;
        }
        for (std::size_t index = 0; index < section.count; ++index) {
            ModRecord record = recordOf(section, index, image);
            for (const SectionField& field : section.fields) {
                record.fields.push_back({field.key, fieldValue(image, field, index)});
            }
            made.mod.records.push_back(std::move(record));
        }
    }
    return made;
}

MadeMod exportChanges(const GameFileSet& files)
{
    MadeMod made;
    made.mod.edition = editionName(files.edition);
    const ModLayout& layout = ModLayout::of(files.edition);

    // Where each field of the tables is in the sections: by section, then record, the fields changed.
    std::unordered_map<const FieldLayout*, std::pair<std::size_t, std::size_t>> place;
    const auto& sections = layout.sections();
    for (std::size_t s = 0; s < sections.size(); ++s) {
        for (std::size_t f = 0; f < sections[s].fields.size(); ++f) place[sections[s].fields[f].field] = {s, f};
    }
    std::map<std::pair<std::size_t, std::size_t>, std::vector<std::size_t>> changed;
    for (const FileId file : {FileId::Exe, FileId::Obdata}) {
        const LoadedFile& loaded = files.file(file);
        if (!loaded.loaded) continue;
        for (const auto& field : changes::changedFields(layout.tables(), file, loaded.asRead, loaded.image)) {
            const auto [section, index] = place.at(field.field);
            changed[{section, field.record}].push_back(index);
        }
    }

    for (std::size_t s = 0; s < sections.size(); ++s) {
        const Section& section = sections[s];
        const LoadedFile& loaded = files.file(section.file);
        if (section.strings) {
            if (loaded.loaded)
                addChangedStrings(made, section, loaded.asRead, loaded.image,
                                  {"the files as loaded", "the files as edited"});
            continue;
        }
        for (auto found = changed.lower_bound({s, 0}); found != changed.end() && found->first.first == s; ++found) {
            const std::size_t index = found->first.second;
            ModRecord record = recordOf(section, index, loaded.image);
            std::vector<std::size_t> fields = found->second;
            std::sort(fields.begin(), fields.end());
            for (const std::size_t f : fields) {
                const SectionField& field = section.fields[f];
                record.fields.push_back({field.key, fieldValue(loaded.image, field, index)});
            }
            made.mod.records.push_back(std::move(record));
        }
    }

    for (const changes::Change& change : changes::listChanges(files)) {
        if (change.page) continue;
        made.leftOut.push_back(change.pageText + ", " + change.recordText + ": " + change.field +
                               " that no page shows; the patch file carries them");
    }
    return made;
}

MadeMod diffGames(const GameFileSet& base, const GameFileSet& modded, const GameNames& names)
{
    MadeMod made;
    made.mod.edition = editionName(modded.edition);
    const ModLayout baseLayout(base.edition);
    const ModLayout moddedLayout(modded.edition);
    for (const Section& section : moddedLayout.sections()) {
        const Section* baseSection = baseLayout.section(section.key);
        const ByteImage& before = base.image(section.file);
        const ByteImage& after = modded.image(section.file);
        if (section.strings) {
            addChangedStrings(made, section, before, after, names);
            continue;
        }
        if (baseSection == nullptr || !baseSection->fits(before) || !section.fits(after)) {
            made.leftOut.push_back(section.key + ": the two games do not both hold this table");
            continue;
        }
        for (std::size_t index = 0; index < section.count; ++index) {
            ModRecord record = recordOf(section, index, after);
            for (std::size_t f = 0; f < section.fields.size(); ++f) {
                ModValue value = fieldValue(after, section.fields[f], index);
                if (value != fieldValue(before, baseSection->fields[f], index)) {
                    record.fields.push_back({section.fields[f].key, std::move(value)});
                }
            }
            if (!record.fields.empty()) made.mod.records.push_back(std::move(record));
        }
    }
    countUnshownBytes(made, base, modded);
    return made;
}

} // namespace orvane::mods
