// The progress window: shown around every scan of word files.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace zadrovec::ui {

class FindFileAnimation;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* mainWindow);

    FindFileAnimation* Animate1;
    QLabel* Label1;

    // Starts the animation, shows the window on top of the main window and lets it paint.
    void begin();
    // Closes the window and stops the animation.
    void end();

signals:
    void shown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* mainWindow_;
    QPointer<QWidget> activeBefore_;
};

} // namespace zadrovec::ui
