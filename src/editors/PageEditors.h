#pragma once
// The editors of the six pages, made with a window (the desktop one or the web page). They hold what
// each page shows and take the session's load and Undo routines from the start, so a page made later,
// the first time it is shown, draws the state its editor already has.
#include "editors/BaseEditor.h"
#include "editors/FacilityEditor.h"
#include "editors/ItemEditor.h"
#include "editors/NamesEditor.h"
#include "editors/StringEditor.h"
#include "editors/UnitEditor.h"

namespace orvane {

struct PageEditors {
    // Made in page order, so the session runs their routines in that order.
    explicit PageEditors(EditorSession& session)
        : base(session), facilities(session), names(session), units(session), items(session), strings(session)
    {
    }

    // The pages' share of the main window's enableAll (after a load accepts an executable) and
    // disableAll (at creation and on Close files).
    void enableAll()
    {
        base.enableAll();
        facilities.enableAll();
        items.enableAll();
    }
    void disableAll()
    {
        base.disableAll();
        facilities.disableAll();
        names.clearLists();
        units.disableValues();
        items.disableAll();
        strings.disableAll();
    }

    base::BaseEditor base;
    facilities::FacilityEditor facilities;
    names::NamesEditor names;
    units::UnitEditor units;
    items::ItemEditor items;
    strings::StringEditor strings;
};

} // namespace orvane
