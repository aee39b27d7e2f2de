#include "tests/ui/guitest.h"

#include "ui/application.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/qtext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace zadrovec::testing {

RecordedBoxes::RecordedBoxes() {
    ui::MessageBoxes::setPresenter(
        [this](ui::MessageKind kind, const QString& caption, const QString& text) {
            shown.push_back({kind, caption, text});
        });
}

RecordedBoxes::~RecordedBoxes() {
    ui::MessageBoxes::setPresenter({});
}

QStringList RecordedBoxes::texts() const {
    QStringList out;
    for (const auto& m : shown)
        out << m.text;
    return out;
}

const QWidget* windowOf(const QObject* control) {
    for (const QObject* above = control->parent(); above; above = above->parent())
        if (const auto* widget = qobject_cast<const QWidget*>(above); widget && widget->isWindow())
            return widget;
    return nullptr;
}

QStringList items(const zadrovec::StringList& list) {
    QStringList out;
    for (const auto& item : list.items())
        out << ui::toQString(item);
    return out;
}

void typeKeys(QLineEdit* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

void clickRow(ui::ListBox* list, int row) {
    const QRect place = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

void ProgramTest::start() {
    program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
    mainWindow = &program->mainWindow();
    QObject::connect(&program->progressWindow(), &ui::SearchProgressWindow::shown,
                     [this] { ++progressShown; });
    mainWindow->show();
    QApplication::setActiveWindow(mainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow));
}

void ProgramTest::closeAndEnd() {
    mainWindow->close();
    program.reset();
    mainWindow = nullptr;
}

QStringList ProgramTest::found() const {
    return items(mainWindow->foundWordsList()->items());
}

QStringList ProgramTest::meanings() const {
    return items(mainWindow->meaningsList()->items());
}

QString ProgramTest::status() const {
    return control<QLabel>(mainWindow, "StatusPanel0")->text();
}

// Every test starts with a settings folder of its own: what one test's windows save never
// reaches the next test, nor the settings of the user running them.
class FreshSettingsFolder : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        folder_ = std::make_unique<TempFolder>();
        path_ = QByteArray::fromStdString(folder_->path().string());
        qputenv("XDG_CONFIG_HOME", path_);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        qunsetenv("XDG_CONFIG_HOME");
        folder_.reset();
    }
    static QByteArray path_;

private:
    std::unique_ptr<TempFolder> folder_;
};

QByteArray FreshSettingsFolder::path_;

std::filesystem::path ProgramTest::iniPath() {
    return std::filesystem::path(FreshSettingsFolder::path_.toStdString()) / "zadrovec" /
           "zadrovec.ini";
}

void ProgramTest::writeIni(std::string_view bytes) {
    std::filesystem::create_directories(iniPath().parent_path());
    writeBytes(iniPath(), bytes);
}

} // namespace zadrovec::testing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zadrovec::ui::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new zadrovec::testing::FreshSettingsFolder);
    return RUN_ALL_TESTS();
}
