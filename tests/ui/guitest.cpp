#include "guitest.h"

#include "application.h"
#include "qtext.h"

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

QStringList items(const zadrovec::StringList& list) {
    QStringList out;
    for (const auto& item : list.items())
        out << ui::toQString(item);
    return out;
}

} // namespace zadrovec::testing

namespace zadrovec::testing {

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

const QByteArray& testConfigHome() {
    return FreshSettingsFolder::path_;
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
