// The main window's 16 x 16 pictures, drawn by the program itself, one for each role; pictures
// loaded from files follow them.
#pragma once

#include <QIcon>
#include <QList>

namespace zadrovec::ui {

// The drawn pictures by role, numbered by their place in the list.
enum class Picture : int {
    None = -1, // a command without a picture
    FindInAll,
    UserDictionary,
    Help,
    Exit,
    Settings,
    MainDictionary,
    Capitals,
    ChemicalSymbols,
    Currencies,
    VehicleCodes,
    Personalities,
    AircraftMarks,
    Enterprises,
    Characters,
};

class ImageList {
public:
    static constexpr int kSize = 16;

    ImageList();

    int count() const { return static_cast<int>(images_.size()); }
    QIcon at(int index) const { return index >= 0 && index < count() ? images_[index] : QIcon(); }
    QIcon at(Picture picture) const { return at(static_cast<int>(picture)); }
    // Appends a picture, scaled to 16 x 16; returns its index.
    int append(const QImage& image);

private:
    QList<QIcon> images_;
};

} // namespace zadrovec::ui
