#pragma once
// The "Base Editor" page: the starting base's 36 square buttons with the change frame, the list of
// personnel and store amounts, and the edition of the loaded executable.
#include <array>
#include <cstddef>

#include "editors/BaseEditor.h"
#include "ui/EditorPage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace orvane::ui {

class SquareButton;

class BasePage : public EditorPage {
    Q_OBJECT
public:
    BasePage(base::BaseEditor& editor, QWidget* parent = nullptr);

    void showRecord(int list, std::size_t record) override;

private:
    QWidget* buildGrid();
    QGroupBox* buildChangeFrame();
    QWidget* buildStores();
    void refresh();

    base::BaseEditor& editor_;
    std::array<SquareButton*, base::SquareCount> squareButtons_{}; // by square, row by row
    QGroupBox* changeFrame_ = nullptr;
    QComboBox* facilityBox_ = nullptr;
    QComboBox* daysBox_ = nullptr;
    QListWidget* storesList_ = nullptr;
    QLabel* editionLabel_ = nullptr;
    std::size_t shownBoxesRevision_ = 0;
    std::size_t shownListRevision_ = 0;
};

} // namespace orvane::ui
