#include "editors/FacilityEditor.h"

#include "core/AskValue.h"
#include "editors/EditField.h"
#include "session/EditorSession.h"

namespace orvane::facilities {
namespace {

// The prompt names the field's limit; the hit ratio's is a percentage.
std::string limitText(FacilityValue value)
{
    const std::string limit = std::to_string(static_cast<int>(valueField(value).entry.limit));
    return value == FacilityValue::HitRatio ? limit + "%" : limit;
}

} // namespace

FacilityEditor::FacilityEditor(EditorSession& session) : session_(session)
{
    session_.onLoadCompleted([this] { facilityChosen_ = false; });
    session_.onRestored(FileId::Exe, [this] {
        if (!facilityChosen_) return;
        refreshFacility();
        notify();
    });
}

void FacilityEditor::notify()
{
    if (changed_) changed_();
}

std::optional<std::size_t> FacilityEditor::chosenRecord() const
{
    if (!session_.isLoaded(FileId::Exe)) return std::nullopt;
    return recordOffset(session_.edition(), session_.image(FileId::Exe).size(), facilityIndex_);
}

void FacilityEditor::enableAll()
{
    view_.typeListEnabled = true;
    notify();
}

void FacilityEditor::disableAll()
{
    view_.typeListEnabled = false;
    view_.valuesEnabled = false;
    view_.captions.fill({});
    view_.standardYes.reset();
    notify();
}

void FacilityEditor::choose(int record)
{
    facilityIndex_ = record;
    facilityRecordOffset_ = FacilityRecordSize * static_cast<std::size_t>(record);
    view_.valuesEnabled = true;
    facilityChosen_ = true;
    refreshFacility();
    notify();
}

void FacilityEditor::refreshFacility()
{
    if (session_.edition() == GameEdition::None) return;
    const auto record = chosenRecord();
    if (!record) {
        // The image in memory does not hold this edition's table: show nothing rather than read past it.
        view_.captions.fill({});
        view_.standardYes.reset();
        return;
    }
    const ByteImage& exe = session_.image(FileId::Exe);
    for (const FacilityValue value : AllFacilityValues) {
        view_.captions.at(indexOf(value)) = valueCaption(exe, *record, value);
    }
    view_.standardYes = isStandard(facilityIndex_, exe.at(*record + StandardOffset));
}

void FacilityEditor::editValue(FacilityValue value)
{
    const auto record = chosenRecord();
    if (!record) return;
    const std::size_t low = *record + valueOffset(value);

    if (isTwoByte(value)) {
        editors::editWord(session_, low, valueField(value));
    } else {
        const std::string current = std::to_string(session_.image(FileId::Exe).at(low));
        const ValueBox box{ChangeAmountTitle, amountPrompt(limitText(value)), current};
        if (!editors::editField(session_, FileId::Exe, low, valueField(value), box)) return;
    }
    refreshFacility();
    notify();
}

void FacilityEditor::setStandard(bool yes)
{
    const auto record = chosenRecord();
    if (!record) return;
    const std::uint8_t wanted = yes ? standardYesValue(facilityIndex_) : standardNoValue(facilityIndex_);
    const std::size_t at = *record + StandardOffset;
    session_.write(FileId::Exe, at, {wanted}, SnapshotRule::WhenBytesDiffer);
    view_.standardYes = yes;
}

} // namespace orvane::facilities
