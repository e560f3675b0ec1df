#pragma once
// The "Item Editor" page: the list of the 80 item names, the fourteen buttons of the opened item
// and its damage type, clip flag and grenade kind.
#include <array>
#include <cstddef>

#include "editors/ItemEditor.h"
#include "ui/EditorPage.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvane::ui {

class ItemPage : public EditorPage {
    Q_OBJECT
public:
    ItemPage(items::ItemEditor& editor, QWidget* parent = nullptr);

    void showRecord(int list, std::size_t record) override;

private:
    QWidget* buildButtons();
    QWidget* buildFrames();
    QGroupBox* buildFrame(items::OptionGroup group, const char* name);
    void refresh();
    void refreshList();
    void applyFilter();

    items::ItemEditor& editor_;
    QLineEdit* filter_ = nullptr;
    QListWidget* itemList_ = nullptr;
    QLabel* indexLabel_ = nullptr;
    QPushButton* nameButton_ = nullptr;
    std::array<QPushButton*, items::ValueFields.size()> valueButtons_{};
    std::array<QGroupBox*, items::OptionGroups.size()> optionFrames_{};
    std::array<QButtonGroup*, items::OptionGroups.size()> optionGroups_{};
    std::array<QRadioButton*, items::OptionCodes.size()> options_{};
    std::size_t shownListRevision_ = 0;
};

} // namespace orvane::ui
