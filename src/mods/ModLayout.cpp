#include "mods/ModLayout.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "changes/ChangeList.h"

namespace orvane::mods {

namespace {

using changes::PageId;

// The section of each list of each page, in the order of the page strip. These keys are published:
// they never change.
struct SectionKey {
    PageId page;
    int list;
    const char* key;
};
constexpr SectionKey SectionKeys[] = {
    {PageId::Base, 0, "base_square"}, {PageId::Base, 1, "base_stores"}, {PageId::Facility, 0, "facility_type"},
    {PageId::Names, 0, "first_name"}, {PageId::Names, 1, "last_name"},  {PageId::Units, 0, "unit"},
    {PageId::Items, 0, "item"},
};

bool reserved(std::string_view key) { return key == NumberKey || key == NameKey; }

// The field's key: its label's, or, where that is a key every record has, the section's key before it
// (an item's "Name:" is item_name).
std::string fieldKey(const Section& section, const FieldLayout& field)
{
    const std::string key = keyOfLabel(field.label);
    return reserved(key) ? section.key + "_" + key : key;
}

void addField(Section& section, const changes::RecordTable& table, const FieldLayout& field)
{
    SectionField added{fieldKey(section, field), &table, &field};
    if (section.field(added.key) != nullptr)
        throw std::logic_error("two fields of " + section.key + " are " + added.key);
    section.fields.push_back(std::move(added));
}

} // namespace

std::string keyOfLabel(std::string_view label)
{
    std::string key;
    bool gap = false;
    for (const char c : label) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) == 0) {
            gap = !key.empty();
            continue;
        }
        if (gap) key += '_';
        gap = false;
        key += static_cast<char>(std::tolower(u));
    }
    return key;
}

const SectionField* Section::field(std::string_view wanted) const
{
    const auto found =
        std::find_if(fields.begin(), fields.end(), [wanted](const SectionField& f) { return f.key == wanted; });
    return found == fields.end() ? nullptr : &*found;
}

bool Section::fits(const ByteImage& image) const
{
    return std::all_of(fields.begin(), fields.end(), [&](const SectionField& f) {
        return fitsIn(image, f.table->start, f.table->recordSize * f.table->count);
    });
}

std::string Section::recordName(const ByteImage& image, std::size_t record) const
{
    if (fields.empty()) return {};
    const changes::RecordTable& table = *fields.front().table;
    return table.recordName(image, table, record);
}

std::string Section::recordLabel(std::size_t record) const
{
    return single ? key : key + " " + std::to_string(firstNumber + record);
}

const ModLayout& ModLayout::of(GameEdition edition)
{
    static const ModLayout none(GameEdition::None);
    static const ModLayout collectors(GameEdition::Collectors);
    static const ModLayout dos12(GameEdition::Dos12);
    static const ModLayout dos14(GameEdition::Dos14);
    switch (edition) {
    case GameEdition::Collectors: return collectors;
    case GameEdition::Dos12: return dos12;
    case GameEdition::Dos14: return dos14;
    case GameEdition::None: break;
    }
    return none;
}

ModLayout::ModLayout(GameEdition edition) : tables_(changes::recordTables(edition))
{
    sections_.reserve(std::size(SectionKeys) + 2);
    for (const SectionKey& named : SectionKeys) {
        Section section;
        section.key = named.key;
        for (const changes::RecordTable& table : tables_) {
            if (table.page != named.page || table.list != named.list) continue;
            section.file = table.file;
            section.count = table.count;
            section.firstNumber = table.firstNumber;
            for (const FieldLayout& field : table.fields) addField(section, table, field);
        }
        if (section.fields.empty()) continue; // a table of the executable, with no edition
        section.single = section.count == 1;
        section.squares = named.page == PageId::Base && named.list == 0;
        sections_.push_back(std::move(section));
    }
    for (const FileId file : {FileId::English, FileId::English2}) {
        Section strings;
        strings.key = keyOfLabel(changes::fileCaption(file));
        strings.file = file;
        strings.strings = true;
        strings.firstNumber = 1;
        sections_.push_back(std::move(strings));
    }
}

const Section* ModLayout::section(std::string_view wanted) const
{
    const auto found =
        std::find_if(sections_.begin(), sections_.end(), [wanted](const Section& s) { return s.key == wanted; });
    return found == sections_.end() ? nullptr : &*found;
}

} // namespace orvane::mods
