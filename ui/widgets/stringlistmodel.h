// Shows an engine list in a QListView: the view follows every change of the list.
#pragma once

#include "engine/text/stringlist.h"

#include <QAbstractListModel>

namespace zadrovec::ui {

class StringListModel : public QAbstractListModel, private StringList::Listener {
    Q_OBJECT
public:
    StringListModel(StringList& list, QObject* parent);
    ~StringListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void listAboutToChange() override { beginResetModel(); }
    void listChanged() override { endResetModel(); }

    StringList& list_;
};

} // namespace zadrovec::ui
