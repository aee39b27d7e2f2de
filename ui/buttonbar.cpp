#include "buttonbar.h"

#include <QGridLayout>
#include <QMainWindow>
#include <QToolButton>

namespace zadrovec::ui {

ButtonBar::ButtonBar(const QString& title, int buttonWidth, QMainWindow* window)
    : QToolBar(title, window), window_(window), box_(new QWidget(this)),
      grid_(new QGridLayout(box_)), buttonWidth_(buttonWidth) {
    setMovable(false); // the side is a setting, changed through the toolbar's menu
    setFloatable(false);
    // Nothing hides a toolbar: where it stands and how it shows its captions is its layout.
    toggleViewAction()->setEnabled(false);
    toggleViewAction()->setVisible(false);
    grid_->setContentsMargins(1, 1, 1, 1);
    grid_->setSpacing(0);
    addWidget(box_);
    window_->addToolBar(Qt::TopToolBarArea, this);
    connect(this, &QToolBar::orientationChanged, this, [this] { relayout(); });
}

QToolButton* ButtonBar::addButton(QAction* action, const QString& name, bool endsRow) {
    auto* button = new QToolButton(box_);
    button->setObjectName(name);
    button->setDefaultAction(action);
    buttons_.append(button);
    items_.append(button);
    rowEnds_.append(endsRow);
    restyle();
    relayout();
    return button;
}

QWidget* ButtonBar::addSpacer(const QString& name, int width) {
    auto* spacer = new QWidget(box_);
    spacer->setObjectName(name);
    spacer->setFixedSize(width, width);
    items_.append(spacer);
    rowEnds_.append(false);
    relayout();
    return spacer;
}

void ButtonBar::relayout() {
    for (QWidget* item : items_)
        grid_->removeWidget(item);
    const bool horizontal = orientation() == Qt::Horizontal;
    int row = 0;
    int column = 0;
    for (qsizetype i = 0; i < items_.size(); ++i) {
        grid_->addWidget(items_[i], row, column);
        if (!horizontal) {
            ++row; // a side toolbar holds one button a row
        } else if (rowEnds_[i]) {
            ++row;
            column = 0;
        } else {
            ++column;
        }
    }
    box_->adjustSize();
}

void ButtonBar::restyle() {
    const Qt::ToolButtonStyle style = !showCaptions_ ? Qt::ToolButtonIconOnly
                                      : list_        ? Qt::ToolButtonTextBesideIcon
                                                     : Qt::ToolButtonTextUnderIcon;
    setToolButtonStyle(style);
    for (QToolButton* button : buttons_) {
        button->setToolButtonStyle(style);
        button->setAutoRaise(flat_);
        button->setMinimumWidth(showCaptions_ ? buttonWidth_ : 0);
        if (showCaptions_) {
            button->setMinimumHeight(0);
            button->setMaximumHeight(QWIDGETSIZE_MAX);
        } else {
            button->setFixedHeight(buttonHeight_);
        }
    }
    box_->adjustSize();
}

void ButtonBar::setAlign(TAlign align) {
    if (align == align_) return;
    const Qt::ToolBarArea area = align == alBottom  ? Qt::BottomToolBarArea
                                 : align == alLeft  ? Qt::LeftToolBarArea
                                 : align == alRight ? Qt::RightToolBarArea
                                                    : Qt::TopToolBarArea;
    const bool sameArea = window_->toolBarArea(this) == area;
    align_ = align;
    if (sameArea) return;
    window_->removeToolBarBreak(this);
    window_->removeToolBar(this);
    window_->addToolBarBreak(area); // each toolbar has a line of its own, as docked panels do
    window_->addToolBar(area, this);
    show();
}

void ButtonBar::setList(bool beside) {
    list_ = beside;
    restyle();
}

void ButtonBar::setShowCaptions(bool show) {
    showCaptions_ = show;
    restyle();
}

void ButtonBar::setFlat(bool flat) {
    flat_ = flat;
    restyle();
}

void ButtonBar::setButtonHeight(int height) {
    buttonHeight_ = height;
    restyle();
}

} // namespace zadrovec::ui
