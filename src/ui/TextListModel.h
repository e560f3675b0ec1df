#pragma once
// A list model over texts the model layer holds (UTF-8), converted only for the rows a view draws,
// so a list of 100,000 strings is shown in one reset rather than 100,000 insertions.
#include <QAbstractListModel>
#include <string>
#include <vector>

namespace orvane::ui {

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows `texts` from now on. Call it again after the vector changes; it must outlive the model.
    void show(const std::vector<std::string>& texts);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<std::string>* texts_ = nullptr;
    int rows_ = 0;
};

} // namespace orvane::ui
