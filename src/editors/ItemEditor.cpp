#include "editors/ItemEditor.h"

#include "core/AskValue.h"
#include "core/CodePage.h"
#include "editors/EditField.h"
#include "session/EditorSession.h"

namespace orvane::items {
namespace {

std::size_t slotOf(ItemValue value) { return static_cast<std::size_t>(value); }

std::size_t slotOf(OptionGroup group) { return static_cast<std::size_t>(group); }

std::string promptFor(const ValueField& field)
{
    if (!field.ammunition) return amountPrompt(std::to_string(field.limit));
    return amountPrompt(std::to_string(field.limit),
                        {"This corresponds with the index number displayed below the list. "
                         "An index of 255 means no ammo.",
                         "I suggest only changing this for a weapon and only using actual ammo indexes."});
}

} // namespace

ItemEditor::ItemEditor(EditorSession& session) : session_(session)
{
    session_.onLoadCompleted([this] {
        emptyList();
        refreshItemNames();
        notify();
    });
    session_.onRestored(FileId::Obdata, [this] {
        refreshItem();
        emptyList();
        refreshItemNames();
        notify();
    });
}

const std::string& ItemEditor::valueCaption(ItemValue value) const { return valueCaptions_.at(slotOf(value)); }

std::optional<ItemOption> ItemEditor::selectedOption(OptionGroup group) const { return selected_.at(slotOf(group)); }

void ItemEditor::enableAll()
{
    listEnabled_ = true;
    notify();
}

void ItemEditor::disableAll()
{
    listEnabled_ = false;
    itemControlsEnabled_ = false;
    indexCaption_.clear();
    nameCaption_.clear();
    for (auto& caption : valueCaptions_) caption.clear();
    selected_.fill(std::nullopt);
    notify();
}

void ItemEditor::clickEntry(std::size_t index)
{
    if (!listEnabled_ || index >= entries_.size()) return;
    indexCaption_ = std::to_string(index);
    notify();
}

void ItemEditor::openEntry(std::size_t index)
{
    if (!listEnabled_ || index >= entries_.size()) return;
    itemRecordOffset_ = recordOffset(index);
    itemControlsEnabled_ = true;
    refreshItem();
    notify();
}

void ItemEditor::changeName()
{
    if (!canEdit()) return;
    auto& obdata = session_.image(FileId::Obdata);
    const ValueBox box{NewNameTitle, NewNamePrompt, readName(obdata, itemRecordOffset_)};
    const auto name = askShortText(session_.prompts(), box, NameWidth);
    if (!name) return;
    session_.write(FileId::Obdata, itemRecordOffset_, fieldBytes(*name, NameWidth), SnapshotRule::Always);
    refreshItem();
    emptyList();
    refreshItemNames();
    notify();
}

void ItemEditor::editValue(ItemValue value)
{
    if (!canEdit()) return;
    const auto& field = fieldOf(value);
    const auto stored = readValue(session_.image(FileId::Obdata), itemRecordOffset_, value);
    const ValueBox box{ChangeAmountTitle, promptFor(field), std::to_string(stored)};
    const FieldLayout layout{field.label, field.offset, 1, FieldEncoding::Unsigned, entryOf(field)};
    if (!editors::editField(session_, FileId::Obdata, itemRecordOffset_ + field.offset, layout, box)) return;
    refreshItem();
    notify();
}

void ItemEditor::chooseOption(ItemOption option)
{
    if (!canEdit()) return;
    const auto& code = codeOf(option);
    session_.write(FileId::Obdata, itemRecordOffset_ + offsetOf(code.group), {code.code},
                   SnapshotRule::WhenBytesDiffer);
    // The option button shows its own new state; the page is not redrawn.
    selected_.at(slotOf(code.group)) = option;
}

bool ItemEditor::canRead() const
{
    return session_.edition() != GameEdition::None && session_.isLoaded(FileId::Obdata) &&
           holdsAllItems(session_.files().image(FileId::Obdata));
}

bool ItemEditor::canEdit() const { return itemControlsEnabled_ && canRead(); }

void ItemEditor::refreshItem()
{
    if (!canRead()) return;
    const auto& obdata = session_.files().image(FileId::Obdata);
    nameCaption_ = readName(obdata, itemRecordOffset_);
    for (const auto& field : ValueFields) {
        valueCaptions_.at(slotOf(field.value)) = std::to_string(readValue(obdata, itemRecordOffset_, field.value));
    }
    // A code that no option stands for leaves the group as it was.
    for (const auto group : OptionGroups) {
        if (const auto option = optionFor(group, readGroupByte(obdata, itemRecordOffset_, group))) {
            selected_.at(slotOf(group)) = option;
        }
    }
}

void ItemEditor::emptyList()
{
    entries_.clear();
    ++listRevision_;
}

void ItemEditor::refreshItemNames()
{
    if (!canRead()) return;
    const auto names = readItemNames(session_.files().image(FileId::Obdata));
    entries_.insert(entries_.end(), names.begin(), names.end());
    ++listRevision_;
}

void ItemEditor::notify()
{
    if (changed_) changed_();
}

} // namespace orvane::items
