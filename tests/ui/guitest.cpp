#include "guitest.h"

#include "application.h"
#include "qtext.h"

namespace zadrovec::testing {

RecordedBoxes::RecordedBoxes() {
    ui::MessageBoxes::setPresenter(
        [this](ui::MessageKind kind, const QString& caption, const QString& text) {
            shown.push_back({kind, caption, text});
        });
}

RecordedBoxes::~RecordedBoxes() { ui::MessageBoxes::setPresenter({}); }

QStringList RecordedBoxes::texts() const {
    QStringList out;
    for (const auto& m : shown) out << m.text;
    return out;
}

QStringList items(const zadrovec::StringList& list) {
    QStringList out;
    for (const auto& item : list.items()) out << ui::toQString(item);
    return out;
}

} // namespace zadrovec::testing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zadrovec::ui::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
