#pragma once
// The "Soldier Names" page: the first-name and last-name lists, edited by a double click.
#include "editors/NamesEditor.h"
#include "ui/EditorPage.h"

class QListWidget;

namespace orvane::ui {

class NamesPage : public EditorPage {
    Q_OBJECT
public:
    NamesPage(names::NamesEditor& editor, QWidget* parent = nullptr);

    void showRecord(int list, std::size_t record) override;

private:
    void refresh();

    names::NamesEditor& editor_;
    QListWidget* firstNames_ = nullptr;
    QListWidget* lastNames_ = nullptr;
    std::size_t shownFirstRevision_ = 0;
    std::size_t shownLastRevision_ = 0;
};

} // namespace orvane::ui
