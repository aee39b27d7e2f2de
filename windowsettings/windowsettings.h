// The settings components of the windows: each binds to one window and one section of the
// settings file, restores the section whenever the window is shown and saves it when the window
// closes or, failing that, when it is destroyed. WindowPlacement keeps the window's placement;
// WindowSettings adds a list of control properties.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

class QWidget;

namespace zadrovec {

class ProfileEdit;

// What a component tells its window.
struct PlacementEvents {
    std::function<void(const QString&)> failed = {}; // a restore or save failed, for this reason
    std::function<void()> restored = {};             // the placement and the properties are read
};

class WindowPlacement : public QObject {
    Q_OBJECT
public:
    // What of the placement the section keeps, and whether the window is the program's main
    // window: that one opens maximized when nothing is stored, and a stored minimized state
    // sends the whole program to the taskbar.
    enum Option { KeepState = 1, KeepPosition = 2, ProgramMainWindow = 4 };
    Q_DECLARE_FLAGS(Options, Option)

    // Binds to window at once: a second component on the same window wraps the first, so it
    // restores before it and saves after it.
    WindowPlacement(QWidget* window, const QString& name, const QString& section, Options options,
                    PlacementEvents events = {});
    ~WindowPlacement() override;

    const QString& iniSection() const { return iniSection_; }
    Options options() const { return options_; }

    void restoreState();
    void saveState();
    void readPlacement();
    void writePlacement(); // part of saveState
    void resetMaximizedPosition();

    // The file every read and write goes to (the settings folder's zadrovec.ini).
    std::filesystem::path iniFile() const;

    // The window's destroy notification: a window that was not saved since its last restore is
    // saved now. Windows call this first thing in their destructors.
    static void notifyDestroying(QWidget* window);

protected:
    virtual void readStoredProperties() {}
    virtual void writeStoredProperties() {}

    QWidget* window() const { return window_; }
    std::string section() const;
    QString readText(const QString& key, const QString& defaultValue) const;
    void writeText(const QString& key, const QString& value) const;

private:
    friend class WindowEventRelay;
    // The notifications: each reports its own failure and says whether it went through.
    // Runs one step; a failure is reported and says false.
    bool reported(void (WindowPlacement::*step)());
    bool restoreReported();
    bool saveReported();
    bool saveFromDestroyReported();
    // The parts of readPlacement.
    void readPosition();
    void readWindowState();
    // A placement value stored for the screen's size, else the one stored for any size.
    QString readForScreen(const QString& key) const;

    QWidget* window_;
    QString iniSection_;
    Options options_;
    PlacementEvents events_;
    ProfileEdit* edit_ = nullptr; // while a save runs
    bool restored_ = false;
    bool saved_ = false;
    bool destroying_ = false;
    QPoint minimizedPosition_{-1, -1};
    QPoint maximizedPosition_{-1, -1};
};

class WindowSettings : public WindowPlacement {
    Q_OBJECT
public:
    // entries: the stored properties "Component.Property", in the order they are written.
    WindowSettings(QWidget* window, const QString& name, const QString& section, Options options,
                   const QStringList& entries, PlacementEvents events = {});

    const QStringList& entries() const { return entries_; }

protected:
    void readStoredProperties() override;
    void writeStoredProperties() override;

private:
    QStringList entries_;
};

} // namespace zadrovec

// At global scope, so that it hides no other operator| inside the namespace.
Q_DECLARE_OPERATORS_FOR_FLAGS(zadrovec::WindowPlacement::Options)
