#include "windowsettings/windowsettings.h"

#include "engine/text/cp1250.h"
#include "settings/profile.h"
#include "settings/profileerror.h"
#include "settings/settingsfolder.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace zadrovec {

namespace {

std::string toCp1250(const QString& text) {
    const auto bytes = Utf8ToCp1250(text.toStdString());
    if (bytes) return *bytes;
    std::string out; // the edit fields refuse what the code page cannot hold; never reached
    for (QChar c : text) {
        const auto byte = CodePointToCp1250(c.unicode());
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

QString fromCp1250(const std::string& bytes) {
    return QString::fromStdString(Cp1250ToUtf8(bytes));
}

// A value enclosed in quotes gets one more pair, since reading takes one pair away.
QString quotedForWriting(const QString& value) {
    if (!value.isEmpty() && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

// The window system's coordinates are 16-bit; placement numbers are clamped to them, so that
// no sum of two of them leaves the range of int.
constexpr std::int64_t kFarthestCoordinate = 32767;

QString screenSizeSuffix() {
    const QSize size =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    return QStringLiteral("(%1x%2)").arg(size.width()).arg(size.height());
}

int screenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

// Four integers from a text split at commas and blanks; a missing or malformed one takes its
// default.
std::array<int, 4> fourNumbers(const QString& text, const std::array<int, 4>& defaults) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    const QStringList words = text.split(separators, Qt::SkipEmptyParts);
    std::array<int, 4> numbers = defaults;
    for (int i = 0; i < 4 && i < words.size(); ++i) {
        bool ok = false;
        const int value = words[i].toInt(&ok);
        if (ok) numbers[static_cast<std::size_t>(i)] = value;
    }
    return numbers;
}

QString fourNumbersText(int a, int b, int c, int d) {
    return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
}

// The window's state as the settings file keeps it, under "ShowCmd". A save writes
// kShowNormal, kShowMinimized or kShowMaximized; a read takes the others as one of these.
enum ShowCode : int {
    kShowNormal = 1,
    kShowMinimized = 2,
    kShowMaximized = 3,
    kShown = 5,
    kMinimize = 6,
    kShowMinimizedInactive = 7,
    kRestore = 9,
};

// The state a stored code stands for; fallback when none is stored or the code is unknown.
Qt::WindowStates stateOfShowCode(int code, Qt::WindowStates fallback) {
    switch (code) {
    case kShowNormal:
    case kShown:
    case kRestore:
        return Qt::WindowNoState;
    case kShowMinimized:
    case kMinimize:
    case kShowMinimizedInactive:
        return Qt::WindowMinimized;
    case kShowMaximized:
        return Qt::WindowMaximized;
    default:
        return fallback;
    }
}

// The normal geometry of the stored corners (left, top, right, bottom), or nothing when they
// enclose no width. Computed wide and kept within what a screen can show: the file may hold any
// int. A window of fixed size keeps its size.
std::optional<QRect> normalGeometry(const std::array<int, 4>& corners, const QRect& current,
                                    bool sizeable) {
    const QRect desktop = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->virtualGeometry()
                              : QRect(0, 0, 1 << 14, 1 << 14);
    const auto within = [](std::int64_t value) {
        return std::clamp<std::int64_t>(value, -kFarthestCoordinate, kFarthestCoordinate);
    };
    const std::int64_t left = within(corners[0]), top = within(corners[1]);
    std::int64_t right = within(corners[2]), bottom = within(corners[3]);
    if (!sizeable) {
        right = left + current.width();
        bottom = top + current.height();
    }
    if (right <= left) return std::nullopt;
    // No window larger than all screens together: it could not be drawn.
    const auto width = std::min<std::int64_t>(right - left, desktop.width());
    const auto height = std::clamp<std::int64_t>(bottom - top, 0, desktop.height());
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                 static_cast<int>(height));
}

// The version every section is written with; a section of an older one is not read.
constexpr int kFormVersion = 0;

// The relay's object name is the one it always had: object names never change.
const QString kRelayName = QStringLiteral("FormNotifications");

} // namespace

// The show, close and destroy notifications of one window, passed through its components:
// the component bound last restores first and saves last.
class WindowEventRelay : public QObject {
public:
    explicit WindowEventRelay(QWidget* window) : QObject(window), window_(window) {
        setObjectName(kRelayName);
        window->installEventFilter(this);
    }

    static WindowEventRelay* of(QWidget* window) {
        return window->findChild<WindowEventRelay*>(kRelayName, Qt::FindDirectChildrenOnly);
    }

    void bind(WindowPlacement* component) { components_.append(component); }
    void unbind(WindowPlacement* component) { components_.removeAll(component); }

    void destroying() {
        for (qsizetype i = components_.size() - 1; i >= 0; --i)
            if (components_[i] && !components_[i]->saveFromDestroyReported()) return;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            for (qsizetype i = components_.size() - 1; i >= 0; --i)
                if (components_[i]) components_[i]->restoreReported();
            return false; // the window's own show handler runs after the restore
        }
        if (event->type() == QEvent::Close) {
            // The window's own handler first; only a close it allows is saved.
            static_cast<QObject*>(window_)->event(event);
            if (event->isAccepted()) saveUnsaved();
            return true;
        }
        // A dialog ends by hiding (OK, Cancel, Esc): that is its close.
        if (event->type() == QEvent::Hide && !event->spontaneous() &&
            qobject_cast<QDialog*>(window_))
            saveUnsaved();
        return false;
    }

private:
    // Saves in binding order what was not saved since its restore; stops at a failure.
    void saveUnsaved() {
        for (WindowPlacement* component : components_)
            if (component && !component->saved_ && !component->saveReported()) break;
    }

    QWidget* window_;
    QList<QPointer<WindowPlacement>> components_;
};

WindowPlacement::WindowPlacement(QWidget* window, const QString& name, const QString& section,
                                 Options options, PlacementEvents events)
    : QObject(window), window_(window), iniSection_(section), options_(options),
      events_(std::move(events)) {
    setObjectName(name);
    WindowEventRelay* relay = WindowEventRelay::of(window);
    if (!relay) relay = new WindowEventRelay(window);
    relay->bind(this);
}

WindowPlacement::~WindowPlacement() {
    if (WindowEventRelay* relay = WindowEventRelay::of(window_)) relay->unbind(this);
}

std::filesystem::path WindowPlacement::iniFile() const {
    return SettingsFilePath();
}

std::string WindowPlacement::section() const {
    return toCp1250(iniSection_);
}

QString WindowPlacement::readText(const QString& key, const QString& defaultValue) const {
    return fromCp1250(
        ReadProfileString(section(), toCp1250(key), toCp1250(defaultValue), iniFile()));
}

void WindowPlacement::writeText(const QString& key, const QString& value) const {
    edit_->writeString(section(), toCp1250(key), toCp1250(quotedForWriting(value)));
}

bool WindowPlacement::reported(void (WindowPlacement::*step)()) {
    try {
        (this->*step)();
        return true;
    } catch (const std::exception& error) {
        if (events_.failed) events_.failed(QString::fromStdString(error.what()));
        return false;
    }
}

bool WindowPlacement::restoreReported() {
    return reported(&WindowPlacement::restoreState);
}

bool WindowPlacement::saveReported() {
    return reported(&WindowPlacement::saveState);
}

bool WindowPlacement::saveFromDestroyReported() {
    if (saved_) return true;
    destroying_ = true;
    const bool ok = saveReported();
    destroying_ = false;
    return ok;
}

void WindowPlacement::notifyDestroying(QWidget* window) {
    if (WindowEventRelay* relay = WindowEventRelay::of(window)) relay->destroying();
}

void WindowPlacement::restoreState() {
    saved_ = false;
    const int storedVersion = ReadProfileInteger(section(), "FormVersion", 0, iniFile());
    if (storedVersion >= kFormVersion) {
        readPlacement();
        readStoredProperties();
        if (events_.restored) events_.restored();
    }
    restored_ = true;
    resetMaximizedPosition();
}

void WindowPlacement::readPlacement() {
    if (!(options_ & (KeepState | KeepPosition))) return;
    if (options_ & KeepPosition) readPosition();
    if (options_ & KeepState) readWindowState();
    window_->update();
}

QString WindowPlacement::readForScreen(const QString& key) const {
    const QString value = readText(key + screenSizeSuffix(), {});
    return value.isEmpty() ? readText(key, {}) : value;
}

void WindowPlacement::readPosition() {
    bool found = false;
    if (const QString minMax = readForScreen(QStringLiteral("MinMaxPos")); !minMax.isEmpty()) {
        const auto n = fourNumbers(minMax, {0, 0, 0, 0});
        minimizedPosition_ = {n[0], n[1]};
        maximizedPosition_ = {n[2], n[3]};
        found = true;
    }
    const QRect current = window_->geometry();
    std::array<int, 4> normal = {current.left(), current.top(), current.left() + current.width(),
                                 current.top() + current.height()};
    if (const QString norm = readForScreen(QStringLiteral("NormPos")); !norm.isEmpty()) {
        normal = fourNumbers(norm, normal);
        found = true;
    }
    // A placement stored at another resolution would put the window elsewhere: not taken.
    const int pixelsPerInch =
        ReadProfileInteger(section(), "PixelsPerInch", screenPixelsPerInch(), iniFile());
    if (!found || pixelsPerInch != screenPixelsPerInch()) return;
    const bool sizeable = window_->minimumSize() != window_->maximumSize();
    if (const auto geometry = normalGeometry(normal, current, sizeable))
        window_->setGeometry(*geometry);
}

void WindowPlacement::readWindowState() {
    const bool mainWindow = options_ & ProgramMainWindow;
    const bool ordinaryMainWindow = mainWindow && !qobject_cast<QDialog*>(window_);
    const Qt::WindowStates state =
        stateOfShowCode(ReadProfileInteger(section(), "ShowCmd", 0, iniFile()),
                        ordinaryMainWindow ? Qt::WindowMaximized : Qt::WindowNoState);
    if (state == Qt::WindowMinimized && mainWindow) {
        // Shown normally first, then the program goes to the taskbar.
        window_->setWindowState(Qt::WindowNoState);
        QTimer::singleShot(0, window_, [window = QPointer<QWidget>(window_)] {
            if (window) window->showMinimized();
        });
    } else {
        window_->setWindowState(state);
    }
}

void WindowPlacement::resetMaximizedPosition() {
    const QRect frame = window_->frameGeometry();
    const QRect client = window_->geometry();
    maximizedPosition_ = {-(client.left() - frame.left()), -(frame.bottom() - client.bottom())};
}

void WindowPlacement::saveState() {
    if (!restored_) return; // a window never shown writes nothing
    // The section's keys are written one by one into the file's text, and the file once.
    ProfileEdit edit(iniFile());
    edit_ = &edit;
    struct EditEnds {
        ProfileEdit*& edit;
        ~EditEnds() { edit = nullptr; }
    } editEnds{edit_};
    edit.writeInteger(section(), "FormVersion", kFormVersion);
    if (options_ & (KeepState | KeepPosition)) {
        writePlacement();
        edit.writeBool(section(), "Visible", destroying_);
    }
    writeStoredProperties();
    edit.commit();
    saved_ = true;
}

void WindowPlacement::writePlacement() {
    const Qt::WindowStates state = window_->windowState();
    const int showCmd = state & Qt::WindowMinimized   ? kShowMinimized
                        : state & Qt::WindowMaximized ? kShowMaximized
                                                      : kShowNormal;
    QRect normal = (state & (Qt::WindowMinimized | Qt::WindowMaximized)) ? window_->normalGeometry()
                                                                         : window_->geometry();
    if (!normal.isValid()) normal = window_->geometry();
    const QString screen = screenSizeSuffix();
    const QString minMax = fourNumbersText(minimizedPosition_.x(), minimizedPosition_.y(),
                                           maximizedPosition_.x(), maximizedPosition_.y());
    const QString norm =
        fourNumbersText(normal.left(), normal.top(), normal.left() + normal.width(),
                        normal.top() + normal.height());
    edit_->writeInteger(section(), "Flags", 0);
    edit_->writeInteger(section(), "ShowCmd", showCmd);
    edit_->writeInteger(section(), "PixelsPerInch", screenPixelsPerInch());
    writeText(QStringLiteral("MinMaxPos") + screen, minMax);
    writeText(QStringLiteral("MinMaxPos"), minMax);
    writeText(QStringLiteral("NormPos") + screen, norm);
    writeText(QStringLiteral("NormPos"), norm);
}

} // namespace zadrovec
