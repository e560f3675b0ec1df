#pragma once
// A list model over texts the model layer holds (UTF-8), converted only for the rows a view draws,
// so a list of 100,000 strings is shown in one reset rather than 100,000 insertions. A filter shows
// only the matching texts; rows then map back to the texts' real list positions.
#include <QAbstractListModel>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/TextFilter.h"

namespace orvane::ui {

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows `texts` from now on, through the filter set last. Call it again after the vector changes;
    // it must outlive the model. With as many rows as before the rows only change their texts, and
    // the view keeps its selection, current row and scroll position.
    void show(const std::vector<std::string>& texts);
    // Shows only the texts that match `filter`, now and after every later show().
    void setFilter(TextFilter filter);

    // The list position of the text on view row `row`, and the view row of list position `position`
    // (nothing while the filter hides it).
    std::size_t positionOf(int row) const;
    std::optional<int> rowOf(std::size_t position) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void refilter();

    const std::vector<std::string>* texts_ = nullptr;
    TextFilter filter_{""};
    std::vector<std::size_t> positions_; // the positions shown while the filter is not empty
    int rows_ = 0;
};

} // namespace orvane::ui
