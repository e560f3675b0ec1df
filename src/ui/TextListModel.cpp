#include "ui/TextListModel.h"

#include <limits>

namespace orvane::ui {

void TextListModel::show(const std::vector<std::string>& texts)
{
    beginResetModel();
    texts_ = &texts;
    rows_ = texts.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())
                ? std::numeric_limits<int>::max()
                : static_cast<int>(texts.size());
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || texts_ == nullptr || !index.isValid() || index.row() >= rows_) return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= texts_->size()) return {};
    const std::string& text = (*texts_)[row];
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orvane::ui
