// A titled group of radio buttons with an item index: -1 while no item is chosen.
#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace zadrovec::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items, int columns,
               QWidget* parent);

    int itemIndex() const;
    void setItemIndex(int index); // -1 clears the choice
    QRadioButton* item(int index) const;
    int count() const;

private:
    QButtonGroup* buttons_;
};

} // namespace zadrovec::ui
