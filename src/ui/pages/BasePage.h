#pragma once
// The "Base Editor" page: the starting base's 36 square buttons with the change frame frmChange,
// the list of personnel and store amounts lstItems, and the edition of the loaded executable.
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
    void redraw();

    base::BaseEditor& editor_;
    std::array<SquareButton*, base::SquareCount> squareButtons_{}; // by square, row by row
    QGroupBox* frmChange_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QListWidget* lstItems_ = nullptr;
    QLabel* lblVer_ = nullptr;
    std::size_t shownBoxesRevision_ = 0;
    std::size_t shownListRevision_ = 0;
};

} // namespace orvane::ui
