// A list box: an engine list shown in a list view (a list of 50,000 lines shows at once).
#pragma once

#include "engine/text/stringlist.h"

#include <QListView>

class QHelpEvent;

namespace zadrovec::ui {

class StringListModel;

// The tooltip of a view's row cut short (with "...", or by the view's edge): its whole text.
// Handles the view's ToolTip event.
void showWholeTextOfCutRow(QAbstractItemView& view, const QHelpEvent& help);

class ListBox : public QListView {
    Q_OBJECT
public:
    ListBox(StringList::Order order, const QString& name, QWidget* parent);

    StringList& items() { return items_; }
    // The selected row, -1 when none.
    int itemIndex() const;
    // Selects a row; -1 or a row outside the list selects none.
    void setItemIndex(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

signals:
    // The selection changed, by mouse or by keys.
    void selectionChangedTo(int row);

private:
    StringList items_;
    StringListModel* model_;
};

} // namespace zadrovec::ui
