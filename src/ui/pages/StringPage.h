#pragma once
// The "String Editor" page: the strings of ENGLISH.DAT and ENGLISH2.DAT side by side, shown by a
// click, opened by a double click and written back at any length by Apply.
#include <array>
#include <cstddef>

#include "core/GameEdition.h"
#include "editors/StringEditor.h"
#include "ui/EditorPage.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;

namespace orvane::ui {

class TextListModel;

class StringPage : public EditorPage {
    Q_OBJECT
public:
    StringPage(strings::StringEditor& editor, QWidget* parent = nullptr);

    void showRecord(int list, std::size_t record) override;

private:
    struct ShownList {
        FileId file;
        QLineEdit* filter = nullptr;
        QListView* view = nullptr;
        TextListModel* model = nullptr;
        QLabel* index = nullptr;
        std::size_t revision = 0;
    };

    ShownList makeList(FileId file, const char* name, const char* filterName, const char* indexName,
                       const QString& heading, const char* tooltip);
    void refresh();
    void refreshList(ShownList& list, bool refilled);

    strings::StringEditor& editor_;
    std::array<ShownList, 2> lists_{};
    std::size_t fillRevision_ = 0;
    QLabel* shownString_ = nullptr;
    QGroupBox* editFrame_ = nullptr;
    QLineEdit* editBox_ = nullptr;
};

} // namespace orvane::ui
