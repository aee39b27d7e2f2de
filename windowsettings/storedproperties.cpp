// The stored properties of WindowSettings: entries "Component.Property" of the window's controls,
// written and read by the kind of the property (integer, Boolean, enumeration, text).
#include "windowsettings/windowsettings.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QWidget>
#include <optional>

namespace zadrovec {

namespace {

// Blanks and control characters (codes 0 to 32) go from both ends of every stored value.
QString stripped(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

struct StoredEntry {
    QString component;
    QString property;
};

std::optional<StoredEntry> parseEntry(const QString& entry) {
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    if (dot < 0) return std::nullopt;
    StoredEntry parsed{entry.left(dot).trimmed(), entry.mid(dot + 1).trimmed()};
    if (parsed.component.isEmpty() || parsed.property.isEmpty()) return std::nullopt;
    return parsed;
}

QObject* findComponent(QWidget* window, const QString& name) {
    if (window->objectName() == name) return window;
    return window->findChild<QObject*>(name);
}

// The property of that name: the exact spelling first, then without regard to case.
std::optional<QMetaProperty> findProperty(const QObject* object, const QString& name) {
    const QMetaObject* meta = object->metaObject();
    const int exact = meta->indexOfProperty(name.toLatin1().constData());
    if (exact >= 0) return meta->property(exact);
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (QString::fromLatin1(meta->property(i).name()).compare(name, Qt::CaseInsensitive) == 0)
            return meta->property(i);
    return std::nullopt;
}

bool isTextProperty(const QMetaProperty& property) {
    return property.metaType().id() == QMetaType::QString;
}

QString valueText(const QObject* object, const QMetaProperty& property) {
    const QVariant value = property.read(object);
    if (property.isEnumType()) {
        const char* key = property.enumerator().valueToKey(value.toInt());
        return key ? QString::fromLatin1(key) : QString();
    }
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Int:
        return QString::number(value.toInt());
    case QMetaType::QString:
        return value.toString();
    default:
        return {};
    }
}

void setFromText(QObject* object, const QMetaProperty& property, const QString& text) {
    if (property.isEnumType()) {
        const QMetaEnum enumeration = property.enumerator();
        for (int i = 0; i < enumeration.keyCount(); ++i)
            if (text.compare(QLatin1String(enumeration.key(i)), Qt::CaseInsensitive) == 0) {
                property.write(object, enumeration.value(i));
                return;
            }
        return; // an unknown name leaves the property as it is
    }
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            property.write(object, true);
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            property.write(object, false);
        break;
    case QMetaType::Int: {
        bool ok = false;
        const int value = text.toInt(&ok);
        property.write(object, ok ? value : 0); // no integer: 0
        break;
    }
    case QMetaType::QString:
        property.write(object, text);
        break;
    default:
        break;
    }
}

} // namespace

WindowSettings::WindowSettings(QWidget* window, const QString& name, const QString& section,
                               Options options, const QStringList& entries, PlacementEvents events)
    : WindowPlacement(window, name, section, options, std::move(events)) {
    // Entries naming a component the window does not have are dropped at once.
    for (const QString& entry : entries) {
        const auto parsed = parseEntry(entry);
        if (parsed && !findComponent(window, parsed->component)) continue;
        entries_.append(entry);
    }
}

void WindowSettings::writeStoredProperties() {
    for (const QString& entry : entries_) {
        const auto parsed = parseEntry(entry);
        if (!parsed) continue;
        const QObject* component = findComponent(window(), parsed->component);
        if (!component) continue;
        const auto property = findProperty(component, parsed->property);
        if (!property) continue;
        const QString text = stripped(valueText(component, *property));
        if (text.isEmpty() && !isTextProperty(*property)) continue;
        writeText(parsed->component + QLatin1Char('_') + parsed->property, text);
    }
}

void WindowSettings::readStoredProperties() {
    for (const QString& entry : entries_) {
        const auto parsed = parseEntry(entry);
        if (!parsed) continue;
        QObject* component = findComponent(window(), parsed->component);
        if (!component) continue;
        const auto property = findProperty(component, parsed->property);
        if (!property || !property->isWritable()) continue;
        try {
            const QString current = valueText(component, *property);
            const QString text = stripped(
                readText(parsed->component + QLatin1Char('_') + parsed->property, current));
            setFromText(component, *property, text);
        } catch (const std::exception&) {
            // One property that cannot be set does not stop the others.
        }
    }
}

} // namespace zadrovec
