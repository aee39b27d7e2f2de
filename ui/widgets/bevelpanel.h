// A panel framed by two one-pixel bevels, an outer and an inner one, each raised or lowered.
#pragma once

#include <QFrame>

namespace zadrovec::ui {

class BevelPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { Raised, Lowered };

    BevelPanel(Bevel outer, Bevel inner, QWidget* parent);

    Bevel outer() const { return outer_; }
    Bevel inner() const { return inner_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
};

} // namespace zadrovec::ui
