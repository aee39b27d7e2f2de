// A titled group of radio buttons with an item index: -1 while no item is chosen.
#pragma once

#include <QGroupBox>
#include <QList>

class QAbstractButton;
class QButtonGroup;
class QRadioButton;

namespace zadrovec::ui {

// Makes a set of radio buttons that exclude each other one stop of the keyboard order: Tab
// enters at the checked button (the first while none is checked) and the arrow keys move
// inside. Give all of them their place in the order; only the one that is the stop takes Tab.
void tabStopAtCheckedButton(const QList<QAbstractButton*>& buttons);

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
