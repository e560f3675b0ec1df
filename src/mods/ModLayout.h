#pragma once
// The sections of a mod for one edition: which keys stand for which fields of which tables. Built from
// the tables the pages show (changes/RecordTables), so a mod names exactly what the pages show.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "changes/RecordTables.h"
#include "core/ByteImage.h"
#include "core/FieldLayout.h"
#include "core/GameEdition.h"

namespace orvane::mods {

// The keys a mod gives besides the fields: the header table, and a record's number and name.
inline constexpr std::string_view HeaderKey = "mod";
inline constexpr std::string_view NumberKey = "number";
inline constexpr std::string_view NameKey = "name";
// The one field of a string's record.
inline constexpr std::string_view TextKey = "text";

// A label as a key: letters and digits in lower case, every other run of characters one "_", none at
// either end ("Construction Cost/$k:" gives construction_cost_k).
std::string keyOfLabel(std::string_view label);

struct SectionField {
    std::string key;
    const changes::RecordTable* table;
    const FieldLayout* field;

    // Where the field of record `record` begins in its file, and where the record begins.
    std::size_t recordStart(std::size_t record) const { return table->start + table->recordSize * record; }
    std::size_t at(std::size_t record) const { return recordStart(record) + field->offset; }
};

struct Section {
    std::string key;
    FileId file = FileId::Exe;
    bool strings = false;  // a string file: its records are its strings, each with one text
    bool single = false;   // one record, written as a plain table with no number
    bool squares = false;  // the base grid, whose squares keep 255 days while Empty
    std::size_t count = 0; // records; a string file's are counted in its image
    std::size_t firstNumber = 0;
    std::vector<SectionField> fields;

    const SectionField* field(std::string_view wanted) const;
    // True when every table of the section lies inside the image.
    bool fits(const ByteImage& image) const;
    // How the page names record `record`; empty for a string.
    std::string recordName(const ByteImage& image, std::size_t record) const;
    // "unit 3", "base_stores", "english_dat 12"
    std::string recordLabel(std::size_t record) const;
};

class ModLayout {
public:
    explicit ModLayout(GameEdition edition);
    // The layout of an edition, made once per run: every apply, export and diff reads it.
    static const ModLayout& of(GameEdition edition);
    ModLayout(const ModLayout&) = delete;
    ModLayout& operator=(const ModLayout&) = delete;

    // In the order of the page strip, the string files last; the same sections for every edition.
    const std::vector<Section>& sections() const { return sections_; }
    const Section* section(std::string_view wanted) const;
    const std::vector<changes::RecordTable>& tables() const { return tables_; }

private:
    std::vector<changes::RecordTable> tables_;
    std::vector<Section> sections_;
};

} // namespace orvane::mods
