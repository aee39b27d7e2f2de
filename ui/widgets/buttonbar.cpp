#include "ui/widgets/buttonbar.h"

#include <QAction>
#include <QBoxLayout>
#include <QMainWindow>
#include <QToolButton>
#include <algorithm>

namespace zadrovec::ui {

ButtonBar::ButtonBar(const QString& title, int buttonWidth, QMainWindow* window)
    : QToolBar(title, window), window_(window), box_(new QWidget(this)),
      rows_(new QVBoxLayout(box_)), buttonWidth_(buttonWidth) {
    setMovable(false); // the side is a setting, changed through the toolbar's menu
    setFloatable(false);
    // Nothing hides a toolbar: where it stands and how it shows its captions is its layout.
    toggleViewAction()->setEnabled(false);
    toggleViewAction()->setVisible(false);
    rows_->setContentsMargins(1, 1, 1, 1);
    rows_->setSpacing(0);
    addWidget(box_);
    window_->addToolBar(Qt::TopToolBarArea, this);
    connect(this, &QToolBar::orientationChanged, this, [this] { relayout(); });
}

QToolButton* ButtonBar::addButton(QAction* action, const QString& name, bool endsRow) {
    auto* button = new QToolButton(box_);
    button->setObjectName(name);
    button->setDefaultAction(action);
    // The commands have their shortcuts: Tab walks the window's fields and lists only.
    button->setFocusPolicy(Qt::NoFocus);
    buttons_.append(button);
    items_.append(button);
    connect(action, &QAction::changed, this, [this] { restyle(); }); // a new caption
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

// Each row lays out its own buttons from the left, so a row's widths never depend on another's.
void ButtonBar::relayout() {
    while (QLayoutItem* row = rows_->takeAt(0))
        delete row; // the items stay children of the box
    const bool horizontal = orientation() == Qt::Horizontal;
    QHBoxLayout* row = nullptr;
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (!row) {
            row = new QHBoxLayout;
            row->setSpacing(0);
            rows_->addLayout(row);
        }
        row->addWidget(items_[i]);
        // A side toolbar holds one button a row.
        if (!horizontal || rowEnds_[i] || i + 1 == items_.size()) {
            row->addStretch();
            row = nullptr;
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
        // The button width is the least a squeezed toolbar leaves a button; one sized to its
        // caption is as wide as the caption needs and gets no wider than that.
        const int least =
            sizedToCaption_ ? std::min(buttonWidth_, button->sizeHint().width()) : buttonWidth_;
        button->setMinimumWidth(showCaptions_ ? least : 0);
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

void ButtonBar::setButtonsSizedToCaption(bool sized) {
    sizedToCaption_ = sized;
    restyle();
}

} // namespace zadrovec::ui
