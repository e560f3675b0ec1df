// What each page shows, as plain objects for the web page, and the fixed captions and choices the
// pages are built from, taken from the model's tables.
#include <emscripten/val.h>

#include "base/StartingBase.h"
#include "changes/RecordTables.h"
#include "facilities/FacilityTable.h"
#include "items/ItemRecord.h"
#include "names/NameTables.h"
#include "units/UnitTable.h"
#include "web/WebGame.h"

namespace orvane::web {

using emscripten::val;

namespace {

template <typename Range>
val arrayOf(const Range& range)
{
    val array = val::array();
    for (const auto& element : range) array.call<void>("push", val(element));
    return array;
}

val optionalYes(const std::optional<bool>& yes) { return yes ? val(*yes) : val::null(); }

template <typename Fields>
val labelsOf(const Fields& fields)
{
    val labels = val::array();
    for (const auto& field : fields) labels.call<void>("push", std::string(field.label));
    return labels;
}

val choice(const std::string& caption, int value)
{
    val entry = val::object();
    entry.set("caption", caption);
    entry.set("value", value);
    return entry;
}

} // namespace

val WebGame::layout() const
{
    val base = val::object();
    val facilityChoices = val::array();
    for (const std::uint8_t code : base::facilityChoices())
        facilityChoices.call<void>("push", choice(base::oneLineFacilityName(code), code));
    base.set("facilityChoices", facilityChoices);
    val daysChoices = val::array();
    for (const std::uint8_t days : base::daysChoices())
        daysChoices.call<void>("push", choice(base::daysLabel(days), days));
    base.set("daysChoices", daysChoices);
    val squares = val::array(); // the square of each button Command1 to Command36
    for (int button = 1; button <= static_cast<int>(base::SquareCount); ++button)
        squares.call<void>("push", static_cast<int>(base::squareOfButton(button)));
    base.set("squareOfButton", squares);

    val facilities = val::object();
    val types = val::array();
    for (int record = 0; record < facilities::FacilityTypeCount; ++record)
        types.call<void>("push", choice(facilities::facilityTypeNames().at(static_cast<std::size_t>(record)), record));
    facilities.set("types", types);
    facilities.set("valueLabels", labelsOf(facilities::ValueFields));
    facilities.set("standardLabel", std::string(facilities::StandardField.label));

    val units = val::object();
    val unitChoices = val::array();
    for (const auto& unit : units::unitList()) unitChoices.call<void>("push", choice(unit.name, unit.record));
    units.set("units", unitChoices);
    units.set("statLabels", labelsOf(units::StatFields));
    units.set("flyingLabel", std::string(units::FlyingField.label));

    val items = val::object();
    items.set("nameLabel", std::string(items::recordFields().front().label));
    items.set("valueLabels", labelsOf(items::ValueFields));
    val groups = val::array();
    for (const auto group : items::OptionGroups) groups.call<void>("push", std::string(items::titleOf(group)));
    items.set("groupTitles", groups);
    val options = val::array();
    for (const auto& code : items::OptionCodes) {
        val option = choice(code.caption, static_cast<int>(code.option));
        option.set("group", static_cast<int>(code.group));
        options.call<void>("push", option);
    }
    items.set("options", options);

    val names = val::object();
    names.set("firstTitle", std::string(names::FirstNames.title));
    names.set("lastTitle", std::string(names::LastNames.title));

    val pages = val::array(); // the captions of the page strip, in its order
    for (int page = 0; page <= static_cast<int>(changes::PageId::Strings); ++page)
        pages.call<void>("push", std::string(changes::pageCaption(static_cast<changes::PageId>(page))));

    val layout = val::object();
    layout.set("pages", pages);
    layout.set("names", names);
    layout.set("base", base);
    layout.set("facilities", facilities);
    layout.set("units", units);
    layout.set("items", items);
    return layout;
}

val WebGame::baseView() const
{
    const base::BaseView& view = editors_.base.view();
    val shown = val::object();
    shown.set("gridEnabled", view.gridEnabled);
    shown.set("squareCaptions", arrayOf(view.squareCaptions));
    shown.set("frameVisible", view.frameVisible);
    shown.set("frameCaption", view.frameCaption);
    shown.set("facilityText", view.facilityText);
    shown.set("daysText", view.daysText);
    shown.set("boxesRevision", static_cast<double>(view.boxesRevision));
    shown.set("listEnabled", view.listEnabled);
    shown.set("storesList", arrayOf(view.storesList));
    shown.set("versionText", view.versionText);
    return shown;
}

val WebGame::facilityView() const
{
    const facilities::FacilityView& view = editors_.facilities.view();
    val shown = val::object();
    shown.set("typeListEnabled", view.typeListEnabled);
    shown.set("valuesEnabled", view.valuesEnabled);
    shown.set("captions", arrayOf(view.captions));
    shown.set("standardYes", optionalYes(view.standardYes));
    return shown;
}

val WebGame::namesView() const
{
    val shown = val::object();
    shown.set("firstNames", arrayOf(editors_.names.firstNames()));
    shown.set("lastNames", arrayOf(editors_.names.lastNames()));
    return shown;
}

val WebGame::unitView() const
{
    const units::UnitView& view = editors_.units.view();
    val shown = val::object();
    shown.set("valueButtonsEnabled", view.valueButtonsEnabled);
    shown.set("flyingEnabled", view.flyingEnabled);
    shown.set("captions", arrayOf(view.captions));
    shown.set("flyingYes", optionalYes(view.flyingYes));
    return shown;
}

val WebGame::itemView() const
{
    const items::ItemEditor& editor = editors_.items;
    val shown = val::object();
    shown.set("entries", arrayOf(editor.listEntries()));
    shown.set("listEnabled", editor.listEnabled());
    shown.set("controlsEnabled", editor.itemControlsEnabled());
    shown.set("indexCaption", editor.indexCaption());
    shown.set("nameCaption", editor.nameCaption());
    val captions = val::array();
    for (const auto& field : items::ValueFields) captions.call<void>("push", editor.valueCaption(field.value));
    shown.set("valueCaptions", captions);
    val selected = val::array(); // by group: the option's number, or -1 for none
    for (const auto group : items::OptionGroups) {
        const auto option = editor.selectedOption(group);
        selected.call<void>("push", option ? static_cast<int>(*option) : -1);
    }
    shown.set("selected", selected);
    return shown;
}

val WebGame::stringView() const
{
    const strings::StringEditor& editor = editors_.strings;
    val shown = val::object();
    val lists = val::array();
    for (const FileId file : {FileId::English, FileId::English2}) {
        val list = val::object();
        list.set("revision", static_cast<double>(editor.listRevision(file)));
        list.set("indexCaption", editor.indexCaption(file));
        lists.call<void>("push", list);
    }
    shown.set("lists", lists);
    shown.set("fillRevision", static_cast<double>(editor.fillRevision()));
    shown.set("shownString", editor.shownString());
    shown.set("editOpen", editor.editOpen());
    const auto target = editor.editTarget();
    shown.set("editTarget", target ? (*target == FileId::English ? 0 : 1) : -1);
    shown.set("editText", editor.editText());
    return shown;
}

} // namespace orvane::web
