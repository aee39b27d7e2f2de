// The settings components of the windows: each binds to one window and one section of the
// settings file, restores the section whenever the window is shown and saves it when the window
// closes or, failing that, when it is destroyed. TFormPlacement keeps the window's placement;
// TFormStorage adds a list of control properties.
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

class TFormPlacement : public QObject {
    Q_OBJECT
public:
    enum Option { fpState = 1, fpPosition = 2, fpActiveControl = 4 };
    Q_DECLARE_FLAGS(Options, Option)

    // Binds to window at once: a second component on the same window wraps the first, so it
    // restores before it and saves after it.
    TFormPlacement(QWidget* window, const QString& name, const QString& section, Options options);
    ~TFormPlacement() override;

    bool Active = true;
    QString IniFileName = QStringLiteral("zadrovec.ini");
    QString IniSection;
    Options options;
    int Version = 0;
    std::function<void()> OnRestorePlacement;
    std::function<void()> OnSavePlacement;

    void RestoreState();
    void SaveState();
    void ReadPlacement();
    void WritePlacement(); // within SaveState
    void ResetMaximizedPosition();

    bool restored() const { return restored_; }
    bool saved() const { return saved_; }
    bool destroying() const { return destroying_; }

    // The file every read and write goes to (the settings folder's zadrovec.ini).
    std::filesystem::path iniFile() const;

    // The window's destroy notification: a window that was not saved since its last restore is
    // saved now. Windows call this first thing in their destructors.
    static void notifyDestroying(QWidget* window);

    // Where a failed restore or save is told (the program shows its general error report).
    static std::function<void(const QString&)> reportError;
    // The program's main window: it opens maximized when nothing is stored, and a stored
    // minimized state sends the whole program to the taskbar.
    static QPointer<QWidget> applicationMainWindow;

protected:
    virtual void readStoredProperties() {}
    virtual void writeStoredProperties() {}

    QWidget* window() const { return window_; }
    std::string section() const;
    QString readText(const QString& key, const QString& defaultValue) const;
    void writeText(const QString& key, const QString& value) const;

private:
    friend class FormNotifications;
    // The notifications: each reports its own failure and says whether it went through.
    bool restoreReported();
    bool saveReported();
    bool saveFromDestroyReported();
    static void report(const QString& text);
    bool isMainWindow() const;

    QWidget* window_;
    ProfileEdit* edit_ = nullptr; // while a save runs
    bool restored_ = false;
    bool saved_ = false;
    bool destroying_ = false;
    QPoint minimizedPosition_{-1, -1};
    QPoint maximizedPosition_{-1, -1};
};

class TFormStorage : public TFormPlacement {
    Q_OBJECT
public:
    // storedProps: entries "Component.Property", in the order they are written.
    TFormStorage(QWidget* window, const QString& name, const QString& section, Options options,
                 const QStringList& storedProps);

    QStringList StoredProps;

protected:
    void readStoredProperties() override;
    void writeStoredProperties() override;
};

} // namespace zadrovec

// At global scope, so that it hides no other operator| inside the namespace.
Q_DECLARE_OPERATORS_FOR_FLAGS(zadrovec::TFormPlacement::Options)
