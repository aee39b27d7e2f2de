// The progress window: shown around every scan of word files.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace zadrovec::ui {

class FindFileAnimation;

class SearchProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit SearchProgressWindow(QWidget* mainWindow);

    FindFileAnimation* animation;
    QLabel* messageLabel;

    // Starts the animation, shows the window on top of the main window and lets it paint.
    void begin();
    // Closes the window and stops the animation.
    void end();

signals:
    void shown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createClientArea(QWidget* frame);

    QWidget* mainWindow_;
    QPointer<QWidget> activeBefore_;
};

// The progress window shown for as long as the object lives, so it is closed also when a read
// error ends the work.
class ProgressShown {
public:
    explicit ProgressShown(SearchProgressWindow* window) : window_(window) {
        if (window_) window_->begin();
    }
    ~ProgressShown() {
        if (window_) window_->end();
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    SearchProgressWindow* window_;
};

} // namespace zadrovec::ui
