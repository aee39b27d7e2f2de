// A toolbar of buttons laid out in rows (a button can end its row), with the properties the
// settings keep: the docking side, captions beside or under the icons, captions shown or not,
// flat buttons and the button height.
#pragma once

#include <QToolBar>

class QBoxLayout;
class QMainWindow;
class QToolButton;

namespace zadrovec::ui {

class ButtonBar : public QToolBar {
    Q_OBJECT
    Q_PROPERTY(TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(bool List READ list WRITE setList)
    Q_PROPERTY(bool ShowCaptions READ showCaptions WRITE setShowCaptions)
    Q_PROPERTY(bool Flat READ flat WRITE setFlat)
    Q_PROPERTY(int ButtonHeight READ buttonHeight WRITE setButtonHeight)
public:
    // The sides a toolbar can be docked at, under the names the settings keep them by.
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)

    ButtonBar(const QString& title, int buttonWidth, QMainWindow* window);

    QToolButton* addButton(QAction* action, const QString& name, bool endsRow = false);
    QWidget* addSpacer(const QString& name, int width);

    TAlign align() const { return align_; }
    // alNone and alClient dock at the top, where a toolbar without a side stands.
    void setAlign(TAlign align);
    bool list() const { return list_; }
    void setList(bool beside);
    bool showCaptions() const { return showCaptions_; }
    void setShowCaptions(bool show);
    bool flat() const { return flat_; }
    void setFlat(bool flat);
    int buttonHeight() const { return buttonHeight_; }
    void setButtonHeight(int height);
    // Buttons as wide as their caption needs, rather than at least the button width.
    void setButtonsSizedToCaption(bool sized);

    const QList<QToolButton*>& buttons() const { return buttons_; }

private:
    void relayout();
    void restyle();

    QMainWindow* window_;
    QWidget* box_;
    QBoxLayout* rows_;
    QList<QWidget*> items_;
    QList<bool> rowEnds_;
    QList<QToolButton*> buttons_;
    int buttonWidth_;
    TAlign align_ = alTop;
    bool list_ = true;
    bool showCaptions_ = true;
    bool flat_ = true;
    int buttonHeight_ = 22;
    bool sizedToCaption_ = false;
};

} // namespace zadrovec::ui
