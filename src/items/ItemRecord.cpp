#include "items/ItemRecord.h"

#include <algorithm>
#include <stdexcept>

#include "core/CodePage.h"

namespace orvane::items {

const ValueField& fieldOf(ItemValue value) { return ValueFields.at(static_cast<std::size_t>(value)); }

std::size_t offsetOf(OptionGroup group)
{
    switch (group) {
    case OptionGroup::DamageType: return 31;
    case OptionGroup::GrenadeKind: return 44;
    case OptionGroup::ClipFlag: return 49;
    }
    throw std::invalid_argument("unknown option group");
}

const char* titleOf(OptionGroup group)
{
    switch (group) {
    case OptionGroup::DamageType: return "Damage Type";
    case OptionGroup::GrenadeKind: return "Grenade?";
    case OptionGroup::ClipFlag: return "Is it a clip?";
    }
    throw std::invalid_argument("unknown option group");
}

const OptionCode& codeOf(ItemOption option)
{
    const auto found = std::find_if(OptionCodes.begin(), OptionCodes.end(),
                                    [option](const OptionCode& code) { return code.option == option; });
    if (found == OptionCodes.end()) throw std::invalid_argument("unknown item option");
    return *found;
}

std::optional<ItemOption> optionFor(OptionGroup group, std::uint8_t code)
{
    for (const auto& entry : OptionCodes) {
        if (entry.group == group && entry.code == code) return entry.option;
    }
    return std::nullopt;
}

std::string readName(const ByteImage& obdata, std::size_t position) { return decodeField(obdata, position, NameWidth); }

std::uint8_t readValue(const ByteImage& obdata, std::size_t position, ItemValue value)
{
    return obdata.at(position + fieldOf(value).offset);
}

std::uint8_t readGroupByte(const ByteImage& obdata, std::size_t position, OptionGroup group)
{
    return obdata.at(position + offsetOf(group));
}

std::vector<std::string> readItemNames(const ByteImage& obdata)
{
    std::vector<std::string> names;
    names.reserve(ItemCount);
    for (std::size_t index = 0; index < ItemCount; ++index) names.push_back(readName(obdata, recordOffset(index)));
    return names;
}

namespace {

// The options of one group, in the order of OptionCodes.
template <OptionGroup Group>
std::span<const FieldOption> groupOptions(std::size_t)
{
    static const std::vector<FieldOption> options = [] {
        std::vector<FieldOption> list;
        for (const auto& entry : OptionCodes) {
            if (entry.group == Group) list.push_back({entry.caption, entry.code});
        }
        return list;
    }();
    return options;
}

FieldLayout groupField(OptionGroup group, std::span<const FieldOption> (*options)(std::size_t))
{
    return {titleOf(group), offsetOf(group), 1, FieldEncoding::Unsigned, optionEntry(options)};
}

} // namespace

const std::vector<FieldLayout>& recordFields()
{
    static const std::vector<FieldLayout> fields = [] {
        std::vector<FieldLayout> all{{"Name:", 0, NameWidth, FieldEncoding::Text, textEntry(NameWidth, NameWidth)}};
        for (const auto& field : ValueFields) {
            all.push_back({field.label, field.offset, 1, FieldEncoding::Unsigned, modEntryOf(field)});
        }
        all.push_back(groupField(OptionGroup::DamageType, &groupOptions<OptionGroup::DamageType>));
        all.push_back(groupField(OptionGroup::GrenadeKind, &groupOptions<OptionGroup::GrenadeKind>));
        all.push_back(groupField(OptionGroup::ClipFlag, &groupOptions<OptionGroup::ClipFlag>));
        return all;
    }();
    return fields;
}

bool holdsAllItems(const ByteImage& obdata) { return obdata.size() >= ItemCount * ItemRecordSize; }

} // namespace orvane::items
