// The characters window driven as a user would: opened from the main window, typing into the
// two filter fields, clicking authors and titles, then the three columns and the status bar.
#include "tests/ui/guitest.h"
#include "ui/characterswindow.h"
#include "ui/mainwindow.h"
#include "ui/widgets/listbox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

const std::vector<std::string> kCatalogue = {
    "1.1.2024",
    cp("Čapek Karel@R.U.R.@Domin;Helena;Alquist;"),
    cp("Čapek Karel@Krakatit@Prokop;Tomeš;"),
    cp("čapek josef@Povídání o pejskovi a kočičce@Pejsek;Kočička;"),
    cp("Čech Svatopluk@Výlety pana Broučka@Brouček;"),
    cp("Cervantes@Don Quijote@Sancho Panza;"),
    cp("Marlowe@Doktor Faustus@Faustus;Wagner;"),
    cp("Mann Thomas@Doktor Faustus@Leverkühn;Zeitblom;"),
    cp("Mann Thomas@Kouzelný vrch@Hans Castorp;"),
};

class CharactersWindow : public ProgramTest {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni", {"1.1.2024", "KOS@PTAK;", "PES@HAFAN;"});
        writeBytes(folder.file("postavy.dat"), catalogueFile(kCatalogue));
    }

    void TearDown() override {
        if (program && charactersWindow()->isVisible()) charactersWindow()->close();
    }

    ui::CharactersWindow* charactersWindow() const { return &program->charactersWindow(); }

    // Shown without being modal, so the test drives it between events.
    void startShown() {
        start();
        charactersWindow()->show();
        QApplication::setActiveWindow(charactersWindow());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(charactersWindow()));
    }

    QStringList authors() const { return items(charactersWindow()->authorsList->items()); }
    QStringList titles() const { return items(charactersWindow()->titlesList->items()); }
    QStringList characters() const { return items(charactersWindow()->charactersList->items()); }
    bool columnsEmpty() const {
        return authors().isEmpty() && titles().isEmpty() && characters().isEmpty() &&
               charactersWindow()->authors.empty() && charactersWindow()->titles.empty() &&
               charactersWindow()->characters.empty();
    }
    bool nothingSelected() const {
        return charactersWindow()->authorsList->itemIndex() == -1 &&
               charactersWindow()->titlesList->itemIndex() == -1 &&
               charactersWindow()->charactersList->itemIndex() == -1;
    }
};

} // namespace

TEST_F(CharactersWindow, OpensModallyWithTheEntryCountAndGivesTheStatusBackOnClosing) {
    start();
    EXPECT_EQ(charactersWindow()->windowTitle(), "Postavy z děl");
    EXPECT_EQ(charactersWindow()->closeButton->text(), "Zavřít okno");
    EXPECT_EQ(status(), "Počet slov: 2");

    bool modal = false;
    QString statusWhileOpen;
    QTimer::singleShot(0, charactersWindow(), [&] {
        modal = QApplication::activeModalWidget() == charactersWindow();
        statusWhileOpen = status();
        typeKeys(charactersWindow()->authorField, "mann");
        QTest::mouseClick(charactersWindow()->closeButton, Qt::LeftButton);
        if (charactersWindow()->isVisible())
            charactersWindow()->reject(); // never leave the test waiting on the window
    });
    control<QAction>(mainWindow, "acPostavy")->trigger();

    EXPECT_TRUE(modal);
    EXPECT_EQ(statusWhileOpen, "Počet slov: 8");
    EXPECT_FALSE(charactersWindow()->isVisible());
    EXPECT_EQ(status(), "Počet slov: 2");
    EXPECT_TRUE(boxes.shown.empty());

    // The filter and the lists are there again at the next showing.
    QStringList titlesShownAgain;
    QTimer::singleShot(0, charactersWindow(), [&] {
        titlesShownAgain = titles();
        charactersWindow()->close(); // the close box
    });
    control<QAction>(mainWindow, "acPostavy")->trigger();
    EXPECT_EQ(charactersWindow()->authorField->text(), "mann");
    EXPECT_EQ(titlesShownAgain, (QStringList{"DOKTOR FAUSTUS", "KOUZELNÝ VRCH"}));
    EXPECT_EQ(status(), "Počet slov: 2");
}

TEST_F(CharactersWindow, AuthorFilterListsAuthorsTheFirstOnesWorksAndThatWorksCast) {
    startShown();
    typeKeys(charactersWindow()->authorField, "č");
    EXPECT_EQ(charactersWindow()->authorField->text(), "č");
    EXPECT_EQ(authors(), (QStringList{"ČAPEK JOSEF", "ČAPEK KAREL", "ČECH SVATOPLUK"}));
    EXPECT_EQ(titles(), (QStringList{"POVÍDÁNÍ O PEJSKOVI A KOČIČCE"}));
    EXPECT_EQ(characters(), (QStringList{"KOČIČKA", "PEJSEK"}));
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(charactersWindow()->authors.size(), 4u); // every kept record, in file order
    EXPECT_EQ(items(charactersWindow()->titles).first(), "R.U.R.");

    clickRow(charactersWindow()->authorsList, 1);
    EXPECT_EQ(authors(), (QStringList{"ČAPEK JOSEF", "ČAPEK KAREL", "ČECH SVATOPLUK"}));
    EXPECT_EQ(charactersWindow()->authorsList->itemIndex(), 1); // the clicked author stays selected
    EXPECT_EQ(titles(), (QStringList{"KRAKATIT", "R.U.R."}));
    EXPECT_EQ(characters(), (QStringList{"PROKOP", "TOMEŠ"}));

    clickRow(charactersWindow()->titlesList, 1);
    EXPECT_EQ(authors(), (QStringList{"ČAPEK KAREL"}));
    EXPECT_EQ(characters(), (QStringList{"ALQUIST", "DOMIN", "HELENA"}));
    EXPECT_EQ(charactersWindow()->titlesList->itemIndex(), 1);

    // Emptying the field empties every column.
    QTest::keyClick(charactersWindow()->authorField, Qt::Key_Backspace);
    EXPECT_TRUE(columnsEmpty());
}

TEST_F(CharactersWindow, EachFilterEmptiesTheOtherFieldAndATitleListsAllItsAuthors) {
    startShown();
    typeKeys(charactersWindow()->authorField, "č");
    typeKeys(charactersWindow()->titleField, "do");
    EXPECT_EQ(charactersWindow()->authorField->text(), "");
    EXPECT_EQ(charactersWindow()->titleField->text(), "do");
    EXPECT_EQ(titles(), (QStringList{"DOKTOR FAUSTUS", "DON QUIJOTE"}));
    // A title under two authors: both casts, both authors.
    EXPECT_EQ(authors(), (QStringList{"MANN THOMAS", "MARLOWE"}));
    EXPECT_EQ(characters(), (QStringList{"FAUSTUS", "LEVERKüHN", "WAGNER", "ZEITBLOM"}));
    EXPECT_TRUE(nothingSelected());

    clickRow(charactersWindow()->titlesList, 1);
    EXPECT_EQ(authors(), (QStringList{"CERVANTES"}));
    EXPECT_EQ(characters(), (QStringList{"SANCHO PANZA"}));
    clickRow(charactersWindow()->titlesList, 0);
    EXPECT_EQ(authors(), (QStringList{"MANN THOMAS", "MARLOWE"}));

    typeKeys(charactersWindow()->authorField, "ma");
    EXPECT_EQ(charactersWindow()->titleField->text(), "");
    EXPECT_EQ(charactersWindow()->authorField->text(), "ma");
    EXPECT_EQ(authors(), (QStringList{"MANN THOMAS", "MARLOWE"}));
    EXPECT_EQ(titles(), (QStringList{"DOKTOR FAUSTUS", "KOUZELNÝ VRCH"}));
    EXPECT_EQ(characters(), (QStringList{"FAUSTUS", "LEVERKüHN", "WAGNER", "ZEITBLOM"}));

    typeKeys(charactersWindow()->titleField, "x");
    EXPECT_EQ(charactersWindow()->authorField->text(), "");
    EXPECT_TRUE(columnsEmpty());
}

TEST_F(CharactersWindow, MissingCatalogueIsToldTheWindowOpensAndFindsNothing) {
    std::filesystem::remove(folder.file("postavy.dat"));
    startShown();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Plain);
    EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
    EXPECT_EQ(boxes.shown[0].text, "Tento slovník nebyl nalezen.");
    EXPECT_TRUE(charactersWindow()->isVisible());
    EXPECT_EQ(status(), "Počet slov: 2");

    typeKeys(charactersWindow()->titleField, "d");
    typeKeys(charactersWindow()->authorField, "č");
    EXPECT_EQ(charactersWindow()->titleField->text(), "");
    EXPECT_TRUE(columnsEmpty());
    EXPECT_EQ(boxes.shown.size(), 1u);

    charactersWindow()->close();
    EXPECT_FALSE(charactersWindow()->isVisible());
    EXPECT_EQ(status(), "Počet slov: 2");
}

TEST_F(CharactersWindow, FilterFieldsTakeWindows1250OnlyAndEnterKeepsTheWindowOpen) {
    startShown();
    typeKeys(charactersWindow()->authorField, "maж");
    EXPECT_EQ(charactersWindow()->authorField->text(), "ma");
    QTest::keyClick(charactersWindow()->authorField, Qt::Key_Return);
    QTest::keyClick(charactersWindow()->titleField, Qt::Key_Enter);
    EXPECT_TRUE(charactersWindow()->isVisible());
    EXPECT_EQ(status(), "Počet slov: 8");
}
