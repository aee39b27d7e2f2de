#include "listbox.h"

#include "stringlistmodel.h"

namespace zadrovec::ui {

ListBox::ListBox(StringList::Order order, const QString& name, QWidget* parent)
    : QListView(parent), items_(order), model_(new StringListModel(items_, this)) {
    setObjectName(name);
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit selectionChangedTo(itemIndex()); });
}

int ListBox::itemIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::setItemIndex(int row) {
    const QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

} // namespace zadrovec::ui
