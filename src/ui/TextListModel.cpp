#include "ui/TextListModel.h"

#include <algorithm>
#include <limits>

namespace orvane::ui {

namespace {

int rowsFor(std::size_t count)
{
    return count > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                             : static_cast<int>(count);
}

} // namespace

void TextListModel::show(const std::vector<std::string>& texts)
{
    std::vector<std::size_t> positions;
    if (!filter_.empty()) positions = filter_.matchingPositions(texts);
    const int rows = rowsFor(filter_.empty() ? texts.size() : positions.size());
    if (texts_ == nullptr || rows != rows_) {
        beginResetModel();
        texts_ = &texts;
        positions_ = std::move(positions);
        rows_ = rows;
        endResetModel();
        return;
    }
    // As many rows as before: the view keeps its layout and its scroll bars and draws again only the
    // rows it shows, where a reset would lay out the list and repaint it whole.
    texts_ = &texts;
    positions_ = std::move(positions);
    if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

void TextListModel::setFilter(TextFilter filter)
{
    beginResetModel();
    filter_ = std::move(filter);
    refilter();
    endResetModel();
}

void TextListModel::refilter()
{
    positions_.clear();
    if (texts_ == nullptr) {
        rows_ = 0;
        return;
    }
    if (filter_.empty()) {
        rows_ = rowsFor(texts_->size());
        return;
    }
    positions_ = filter_.matchingPositions(*texts_);
    rows_ = rowsFor(positions_.size());
}

std::size_t TextListModel::positionOf(int row) const
{
    const auto at = static_cast<std::size_t>(row);
    return filter_.empty() ? at : positions_.at(at);
}

std::optional<int> TextListModel::rowOf(std::size_t position) const
{
    if (filter_.empty()) {
        if (position >= static_cast<std::size_t>(rows_)) return std::nullopt;
        return static_cast<int>(position);
    }
    const auto found = std::lower_bound(positions_.begin(), positions_.end(), position);
    if (found == positions_.end() || *found != position) return std::nullopt;
    return static_cast<int>(found - positions_.begin());
}

int TextListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || texts_ == nullptr || !index.isValid() || index.row() >= rows_) return {};
    const std::size_t position = positionOf(index.row());
    if (position >= texts_->size()) return {};
    const std::string& text = (*texts_)[position];
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orvane::ui
