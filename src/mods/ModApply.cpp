#include "mods/ModApply.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

#include "base/StartingBase.h"
#include "core/CodePage.h"
#include "mods/FieldValues.h"
#include "mods/ModLayout.h"
#include "mods/ModSummary.h"
#include "mods/ModText.h"

#include "strings/StringTable.h"
#include <functional>

namespace orvane::mods {

namespace {

std::size_t slotOf(FileId file) { return static_cast<std::size_t>(file) - 1; }

// A fault that ends the record it is found in: thrown inside this file only, caught for each record.
struct Refused {
    ModRefusal refusal;
};

[[noreturn]] void refuse(std::size_t line, std::string record, std::string field, std::string reason)
{
    throw Refused{{line, std::move(record), std::move(field), std::move(reason)}};
}

std::string tableText(const std::string& section, bool numbered)
{
    return numbered ? "[[" + section + "]]" : "[" + section + "]";
}

// "unit 3 (Floater Engineer)": a record as the faults name it.
std::string labelOf(const Section& section, std::size_t index, const ByteImage& image)
{
    const std::string name = section.single ? std::string{} : section.recordName(image, index);
    return section.recordLabel(index) + (name.empty() ? "" : " (" + name + ")");
}

// A fault the reading of the file found, naming its record as the faults of its values do: the
// reading knows "unit 7", the game "unit 7 (Sectoid Soldier)".
void nameRecord(ModRefusal& fault, const GameFileSet& target)
{
    const std::size_t space = fault.record.rfind(' ');
    if (space == std::string::npos) return;
    const Section* section = ModLayout::of(target.edition).section(std::string_view(fault.record).substr(0, space));
    if (section == nullptr || section->single || section->strings) return;
    const ByteImage& image = target.image(section->file);
    std::size_t number = 0;
    const std::string_view digits = std::string_view(fault.record).substr(space + 1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || number < section->firstNumber ||
        number - section->firstNumber >= section->count || !section->fits(image)) {
        return;
    }
    fault.record = labelOf(*section, number - section->firstNumber, image);
}

// A string file's strings as the mod finds them, and the new texts it gives some of them.
struct StringFile {
    std::vector<std::size_t> starts;
    bool split = false;
    struct Edit {
        std::size_t index;
        std::string text;
    };
    std::vector<Edit> edits;
};

class Applier {
public:
    Applier(const GameFileSet& target, ModApplication& result, const ApplyDetail& detail)
        : target_(target), layout_(ModLayout::of(target.edition)), result_(result), detail_(detail),
          seen_(layout_.sections().size())
    {
        for (const FileId file : {FileId::Exe, FileId::Obdata}) working_.at(slotOf(file)) = target.image(file);
    }

    void apply(const ModDocument& mod)
    {
        for (const ModRecord& record : mod.records) applyOne(record);
        finish();
    }

    // One record, checked and applied to the working images; a fault is kept and the next goes on.
    void applyOne(const ModRecord& record)
    {
        if (target_.edition == GameEdition::None) return;
        try {
            applyRecord(record);
        } catch (const Refused& refused) {
            result_.refusals.push_back(refused.refusal);
        }
    }

    // The new images, when nothing was refused.
    void finish()
    {
        if (target_.edition == GameEdition::None) {
            result_.refusals.push_back({0, {}, {}, "the game's edition is not known"});
            return;
        }
        if (!result_.refusals.empty()) return;
        for (const FileId file : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) finishFile(file);
    }

private:
    ByteImage& image(FileId file) { return working_.at(slotOf(file)); }

    StringFile& strings(FileId file)
    {
        StringFile& found = strings_.at(file == FileId::English ? 0 : 1);
        if (!found.split) {
            strings::findStringStarts(target_.image(file), found.starts);
            found.split = true;
        }
        return found;
    }

    std::size_t countOf(const Section& section)
    {
        return section.strings ? strings(section.file).starts.size() - 1 : section.count;
    }

    // The record's place in its table, checked against the section's count and the records met so far.
    std::size_t placeOf(const Section& section, const ModRecord& record)
    {
        const std::string written = record.number ? "[[" + section.key + "]]" : "[" + section.key + "]";
        if (section.single != !record.number) {
            refuse(record.line, written, {},
                   section.single ? "[" + section.key + "] is one record with no number"
                                  : "each " + section.key + " is written [[" + section.key + "]] with its number");
        }
        std::size_t index = 0;
        if (record.number) {
            const std::size_t count = countOf(section);
            const std::int64_t first = static_cast<std::int64_t>(section.firstNumber);
            const std::int64_t number = *record.number;
            if (number < first || static_cast<std::uint64_t>(number - first) >= count) {
                const std::string range = count == 0 ? "there are none"
                                                     : "they are numbered " + groupedNumber(section.firstNumber) +
                                                           " to " + groupedNumber(section.firstNumber + count - 1);
                refuse(record.line, section.key + " " + std::to_string(number), {},
                       "there is no " + section.key + " " + std::to_string(number) + "; " + range);
            }
            index = static_cast<std::size_t>(number - first);
        }
        auto& seen = seen_.at(static_cast<std::size_t>(&section - layout_.sections().data()));
        if (seen.size() < countOf(section)) seen.resize(countOf(section), 0);
        if (seen.at(index) != 0) {
            refuse(record.line, section.recordLabel(index), {},
                   "this record is given twice; it was first given on line " + std::to_string(seen.at(index)));
        }
        seen.at(index) = std::max<std::size_t>(record.line, 1);
        return index;
    }

    void applyRecord(const ModRecord& record)
    {
        const Section* section = layout_.section(record.section);
        if (section == nullptr) {
            const std::string written = tableText(record.section, record.number.has_value());
            std::vector<std::string_view> known;
            for (const Section& s : layout_.sections()) known.push_back(s.key);
            const std::string nearest = nearestKey(record.section, known);
            const Section* meant = nearest.empty() ? nullptr : layout_.section(nearest);
            refuse(record.line, written, {},
                   "unknown table " + written +
                       (meant ? "; did you mean " + tableText(meant->key, !meant->single) + "?" : ""));
        }
        const std::size_t index = placeOf(*section, record);
        if (record.nameLine != 0 && (section->single || section->strings)) {
            fault(record.nameLine, tableText(section->key, !section->single), std::string(NameKey),
                  "`name` is not a key of " + tableText(section->key, !section->single) + ": " +
                      (section->strings ? "a string is known by its number alone" : "it is one record, with no name"));
        }
        if (section->strings) {
            applyStrings(*section, index, record);
        } else {
            applyFields(*section, index, record);
        }
    }

    // A fault that leaves the rest of the record to be checked.
    void fault(std::size_t line, std::string record, std::string field, std::string reason)
    {
        result_.refusals.push_back({line, std::move(record), std::move(field), std::move(reason)});
    }

    // The record's name, for reading only, against the record its number gives: a name that is another
    // record's is worth a warning, since the values go to the record of the number.
    void checkName(const Section& section, std::size_t index, const ModRecord& record, const ByteImage& image,
                   const std::string& label)
    {
        if (record.nameLine == 0 || section.single || section.strings) return;
        const std::string own = section.recordName(image, index);
        if (record.name == own) return;
        for (std::size_t other = 0; other < section.count; ++other) {
            if (other == index || section.recordName(image, other) != record.name) continue;
            result_.warnings.push_back({record.nameLine, label, std::string(NameKey),
                                        valueText(record.name) + " is the name of " + section.recordLabel(other) +
                                            ", not of " + section.recordLabel(index) + " (" + own +
                                            "); the values go to " + section.recordLabel(index) +
                                            ", as its number says"});
            return;
        }
    }

    std::vector<std::string_view> fieldKeys(const Section& section) const
    {
        std::vector<std::string_view> keys;
        for (const SectionField& field : section.fields) keys.push_back(field.key);
        return keys;
    }

    void assigned(const Section& section, const ModRecord& record, const std::string& label, const std::string& field,
                  std::size_t line)
    {
        if (detail_.assigned) result_.assigned.push_back({section.key, record.number, field, line, label});
    }

    void noteChange(const std::string& label, const std::string& field, ModValue before, ModValue after,
                    std::size_t line)
    {
        ++result_.changeCount;
        if (detail_.changes) result_.changes.push_back({label, field, std::move(before), std::move(after), line});
    }

    void applyFields(const Section& section, std::size_t index, const ModRecord& record)
    {
        ByteImage& target = image(section.file);
        const std::string label = labelOf(section, index, target);
        if (!section.fits(target)) refuse(record.line, label, {}, "the game's file has no room for this table");
        std::vector<const SectionField*> changedFields;
        const std::size_t faultsBefore = result_.refusals.size();
        for (const ModField& given : record.fields) {
            const SectionField* field = section.field(given.key);
            if (field == nullptr) {
                const std::string nearest = nearestKey(given.key, fieldKeys(section));
                fault(given.line, label, given.key,
                      "unknown key `" + given.key + "` in " + tableText(section.key, !section.single) +
                          (nearest.empty() ? "" : "; did you mean `" + nearest + "`?"));
                continue;
            }
            const ModValue before = fieldValue(target, *field, index);
            bool changed = false;
            if (auto reason = assignField(target, *field, index, given.value, changed)) {
                fault(given.line, label, given.key, *reason);
                continue;
            }
            assigned(section, record, label, given.key, given.line);
            if (!changed) continue;
            changedFields.push_back(field);
            noteChange(label, given.key, before, fieldValue(target, *field, index), given.line);
        }
        if (section.squares && !changedFields.empty() && result_.refusals.size() == faultsBefore) {
            settleSquare(section, index, record, label);
        }
        checkName(section, index, record, target, label);
    }

    // The page gives an Empty square 255 days whatever days were picked; a mod does the same, and
    // refuses other days given for it.
    void settleSquare(const Section& section, std::size_t square, const ModRecord& record, const std::string& label)
    {
        const SectionField& facility = section.fields.at(0);
        const SectionField& days = section.fields.at(1);
        ByteImage& exe = image(section.file);
        const std::uint8_t held = exe.at(days.at(square));
        const std::uint8_t settled = base::settledDays(exe.at(facility.at(square)), held);
        if (settled == held) return;
        const auto given = [&record](const SectionField& field) {
            return std::find_if(record.fields.begin(), record.fields.end(),
                                [&field](const ModField& f) { return f.key == field.key; });
        };
        if (const auto givenDays = given(days); givenDays != record.fields.end()) {
            refuse(givenDays->line, label, days.key, "an Empty square always has 255 days");
        }
        const ModValue before = fieldValue(exe, days, square);
        exe.at(days.at(square)) = settled;
        // The days follow from the facility given, so the change is told at its line.
        const auto givenFacility = given(facility);
        noteChange(label, days.key, before, fieldValue(exe, days, square),
                   givenFacility != record.fields.end() ? givenFacility->line : record.line);
    }

    void applyStrings(const Section& section, std::size_t index, const ModRecord& record)
    {
        StringFile& file = strings(section.file);
        const ByteImage& table = target_.image(section.file);
        const std::string label = section.recordLabel(index);
        for (const ModField& given : record.fields) {
            if (given.key != TextKey) {
                fault(given.line, label, given.key,
                      "unknown key `" + given.key + "` in " + tableText(section.key, true) +
                          "; a string has one key: text");
                continue;
            }
            const std::string* text = std::get_if<std::string>(&given.value);
            if (text == nullptr) {
                fault(given.line, label, given.key, "a string is a text in double quotes");
                continue;
            }
            assigned(section, record, label, given.key, given.line);
            std::string current;
            const std::span<const std::uint8_t> bytes(table);
            appendGameText(current, bytes.subspan(file.starts[index], file.starts[index + 1] - 1 - file.starts[index]));
            if (current == *text) continue;
            if (auto reason = refuseCharacters(*text)) {
                fault(given.line, label, given.key, *reason);
                continue;
            }
            file.edits.push_back({index, *text});
            if (detail_.changes) {
                noteChange(label, given.key, std::move(current), *text, given.line);
            } else {
                ++result_.changeCount;
            }
        }
    }

    // The new image of a file, listed when it differs from the target's.
    void finishFile(FileId file)
    {
        if (file == FileId::English || file == FileId::English2) {
            StringFile& found = strings_.at(file == FileId::English ? 0 : 1);
            if (found.edits.empty()) return;
            result_.images.emplace_back(file, rebuild(target_.image(file), found));
            return;
        }
        if (image(file) != target_.image(file)) result_.images.emplace_back(file, std::move(image(file)));
    }

    // The file with the edited strings in place of the old ones.
    static ByteImage rebuild(const ByteImage& table, StringFile& file)
    {
        std::sort(file.edits.begin(), file.edits.end(),
                  [](const StringFile::Edit& a, const StringFile::Edit& b) { return a.index < b.index; });
        std::vector<strings::StringReplacement> replacements;
        replacements.reserve(file.edits.size());
        for (const StringFile::Edit& edit : file.edits) {
            replacements.push_back({file.starts[edit.index], file.starts[edit.index + 1], encodeGameText(edit.text)});
        }
        ByteImage rebuilt;
        strings::rebuildTable(rebuilt, table, replacements);
        return rebuilt;
    }

    const GameFileSet& target_;
    const ModLayout& layout_;
    ModApplication& result_;
    const ApplyDetail& detail_;
    std::array<ByteImage, 4> working_;
    std::array<StringFile, 2> strings_;
    std::vector<std::vector<std::size_t>> seen_; // by section and record: the line that gave it, 0 for none
};

} // namespace

std::string AssignedValue::describe() const
{
    std::string text = section;
    if (number) {
        text += ' ';
        text += std::to_string(*number);
    }
    text += ", ";
    text += field;
    return text;
}

namespace {

// A refused application: its faults and warnings, nothing else.
ModApplication refused(std::vector<ModRefusal> refusals, std::vector<ModRefusal> warnings)
{
    sortByLine(refusals);
    sortByLine(warnings);
    ModApplication result;
    result.refusal = refusals.front();
    result.refusals = std::move(refusals);
    result.warnings = std::move(warnings);
    return result;
}

} // namespace

ModApplication applyMod(const GameFileSet& target, const ModDocument& mod, const ApplyDetail& detail)
{
    ModApplication result;
    Applier(target, result, detail).apply(mod);
    if (!result.refusals.empty()) return refused(std::move(result.refusals), std::move(result.warnings));
    sortByLine(result.warnings);
    return result;
}

ModApplication applyModText(const GameFileSet& target, std::string_view text, const ApplyDetail& detail)
{
    // The plain lines most mods are made of are applied record by record as they are read, so the
    // records of a mod of 200,000 strings are never all held at once; any other file is read whole.
    ModApplication applied;
    std::optional<ModReading> streamed;
    {
        Applier applier(target, applied, detail);
        streamed = readPlainMod(text, [&applier](const ModRecord& record) { applier.applyOne(record); });
        if (streamed) applier.finish();
    }
    ModReading reading;
    if (streamed) {
        reading = std::move(*streamed);
    } else {
        applied = ModApplication{};
        reading = readMod(text);
        if (!reading.mod) return refused(std::move(reading.refusals), {});
        applied = applyMod(target, *reading.mod, detail);
    }
    if (!applied.refusals.empty() && reading.refusals.empty()) {
        return refused(std::move(applied.refusals), std::move(applied.warnings));
    }
    if (reading.refusals.empty()) {
        sortByLine(applied.warnings);
        return applied;
    }
    // The faults of the file's shape and those of its values, all of them.
    std::vector<ModRefusal> all = std::move(reading.refusals);
    for (ModRefusal& fault : all) nameRecord(fault, target);
    all.insert(all.end(), applied.refusals.begin(), applied.refusals.end());
    return refused(std::move(all), std::move(applied.warnings));
}

} // namespace orvane::mods
