#include "ui/widgets/qtext.h"

#include "engine/dictionary/dictionarytable.h"
#include "engine/text/cp1250.h"

namespace zadrovec::ui {

QString toQString(std::string_view cp1250) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1250.size()));
    for (char c : cp1250)
        out += QChar(static_cast<char16_t>(Cp1250ToCodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const auto byte = CodePointToCp1250(c.unicode());
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

bool fitsCp1250(const QString& text) {
    for (QChar c : text)
        if (!CodePointToCp1250(c.unicode())) return false;
    return true;
}

QString dictionaryTitle(std::string_view file) {
    for (const DictionaryEntry& entry : kDictionaries)
        if (entry.file == file)
            return QString::fromUtf8(entry.title.data(),
                                     static_cast<qsizetype>(entry.title.size()));
    return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

} // namespace zadrovec::ui
