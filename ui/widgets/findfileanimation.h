// The small animation of the progress window: a magnifier sweeping over a page, 23 frames
// played over and over while active.
#pragma once

#include <QTimer>
#include <QWidget>

namespace zadrovec::ui {

class FindFileAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrames = 23;

    explicit FindFileAnimation(QWidget* parent = nullptr);

    bool active() const { return timer_.isActive(); }
    void setActive(bool active);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int frame_ = 1;
};

} // namespace zadrovec::ui
