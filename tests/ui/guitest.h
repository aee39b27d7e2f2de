// Shared pieces of the window tests: the application object, recorded message boxes and a
// program started on dictionaries made in a temporary folder.
#pragma once

#include "fixture.h"
#include "messageboxes.h"
#include "program.h"
#include "stringlist.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace zadrovec::testing {

struct ShownMessage {
    ui::MessageKind kind;
    QString caption;
    QString text;
};

// Every message box is recorded instead of shown.
class RecordedBoxes {
public:
    RecordedBoxes();
    ~RecordedBoxes();
    std::vector<ShownMessage> shown;
    QStringList texts() const;
};

QStringList items(const zadrovec::StringList& list);

// The settings folder of the running test: a temporary one, new for every test.
const QByteArray& testConfigHome();

} // namespace zadrovec::testing

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace zadrovec::testing {} // namespace zadrovec::testing
