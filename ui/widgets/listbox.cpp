#include "ui/widgets/listbox.h"

#include "ui/widgets/stringlistmodel.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QToolTip>

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

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QListView::viewportEvent(event);
    showWholeTextOfCutRow(*this, *static_cast<QHelpEvent*>(event));
    return true;
}

void showWholeTextOfCutRow(QAbstractItemView& view, const QHelpEvent& help) {
    const QModelIndex index = view.indexAt(help.pos());
    const QRect seen = view.visualRect(index).intersected(view.viewport()->rect());
    if (index.isValid() && view.sizeHintForIndex(index).width() > seen.width())
        QToolTip::showText(help.globalPos(), index.data().toString(), view.viewport(), seen);
    else
        QToolTip::hideText();
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    // As in a list box, the row with the focus frame is the selected one, so the first Down
    // goes to the second row and Enter acts on what is seen. A click selects its own row.
    if (event->reason() == Qt::MouseFocusReason || itemIndex() >= 0) return;
    QModelIndex current = currentIndex();
    if (!current.isValid()) current = model_->index(0, 0);
    if (current.isValid())
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
}

} // namespace zadrovec::ui
