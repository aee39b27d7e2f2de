// Controls with the properties under which the settings file keeps them: an action's Caption
// and Hint, a label's Caption, an edit field's Tag, a panel's Width.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace zadrovec::ui {

class Action : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)
public:
    using QAction::QAction;

    QString hint() const { return hint_; }
    // The part before "|" is the tooltip; the part after it is a long hint this program keeps.
    void setHint(const QString& hint);

private:
    QString hint_;
};

class Label : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
public:
    using QLabel::QLabel;
};

class Edit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Tag READ tag WRITE setTag)
public:
    using QLineEdit::QLineEdit;

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

private:
    int tag_ = 0;
};

// A column beside a splitter: its width is the splitter's share for it.
class Panel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Width READ width WRITE setPanelWidth)
public:
    using QWidget::QWidget;

    void setPanelWidth(int width);
};

} // namespace zadrovec::ui
