#include "ui/widgets/stringlistmodel.h"

#include "ui/widgets/qtext.h"

namespace zadrovec::ui {

StringListModel::StringListModel(StringList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    list_.setListener(this);
}

StringListModel::~StringListModel() {
    list_.setListener(nullptr);
}

int StringListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant StringListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= list_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return toQString(list_[static_cast<std::size_t>(index.row())]);
    return {};
}

} // namespace zadrovec::ui
