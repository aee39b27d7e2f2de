// The main window's 16 x 16 pictures, drawn by the program itself. Index = role:
// 0 search in all dictionaries, 1 user dictionary, 2 help, 3 exit, 4 settings,
// 5 main dictionary, 6..12 the seven auxiliary dictionaries, 13 characters from works.
#pragma once

#include <QIcon>
#include <QList>

namespace zadrovec::ui {

class ImageList {
public:
    static constexpr int kSize = 16;
    static constexpr int kInitialCount = 14;

    ImageList();

    int count() const { return static_cast<int>(images_.size()); }
    QIcon at(int index) const { return index >= 0 && index < count() ? images_[index] : QIcon(); }
    // Appends a picture, scaled to 16 x 16; returns its index.
    int append(const QImage& image);

private:
    QList<QIcon> images_;
};

} // namespace zadrovec::ui
