// The characters window driven as a user would: opened from the main window, typing into the
// two filter fields, clicking authors and titles, then the three columns and the status bar.
#include "characterswindow.h"
#include "guitest.h"
#include "listbox.h"
#include "mainwindow.h"

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

std::string catalogueRecord(std::string_view text) {
    std::string record(151, '\0');
    record[0] = static_cast<char>(text.size());
    record.replace(1, text.size(), text);
    return record;
}

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

class CharactersWindow : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    ui::MainWindow* mainWindow = nullptr;
    ui::CharactersWindow* form = nullptr;

    void SetUp() override {
        writeDictionary(folder, "hlavni", {"1.1.2024", "KOS@PTAK;", "PES@HAFAN;"});
        std::string catalogue;
        for (const auto& text : kCatalogue)
            catalogue += catalogueRecord(text);
        writeBytes(folder.file("postavy.dat"), catalogue);
    }

    void TearDown() override {
        if (form && form->isVisible()) form->close();
    }

    void start() {
        program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
        mainWindow = &program->mainWindow();
        form = &program->charactersWindow();
        mainWindow->show();
    }

    // Shown without being modal, so the test drives it between events.
    void startShown() {
        start();
        form->show();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }

    // Key by key, as typed; a character of any script reaches the field's validator.
    static void type(QLineEdit* field, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }

    void click(ui::ListBox* list, int row) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QString status() const { return mainWindow->statusTextPanel->text(); }
    QStringList authors() const { return items(form->authorsList->items()); }
    QStringList titles() const { return items(form->titlesList->items()); }
    QStringList characters() const { return items(form->charactersList->items()); }
    bool columnsEmpty() const {
        return authors().isEmpty() && titles().isEmpty() && characters().isEmpty() &&
               form->authors.empty() && form->titles.empty() && form->characters.empty();
    }
    bool nothingSelected() const {
        return form->authorsList->itemIndex() == -1 && form->titlesList->itemIndex() == -1 &&
               form->charactersList->itemIndex() == -1;
    }
};

} // namespace

TEST_F(CharactersWindow, OpensModallyWithTheEntryCountAndGivesTheStatusBackOnClosing) {
    start();
    EXPECT_EQ(form->windowTitle(), "Postavy z děl");
    EXPECT_EQ(form->closeButton->text(), "Zavřít okno");
    EXPECT_EQ(status(), "Počet slov: 2");

    bool modal = false;
    QString statusWhileOpen;
    QTimer::singleShot(0, form, [&] {
        modal = QApplication::activeModalWidget() == form;
        statusWhileOpen = status();
        type(form->authorField, "mann");
        QTest::mouseClick(form->closeButton, Qt::LeftButton);
        if (form->isVisible()) form->reject(); // never leave the test waiting on the window
    });
    mainWindow->charactersAction->trigger();

    EXPECT_TRUE(modal);
    EXPECT_EQ(statusWhileOpen, "Počet slov: 8");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(status(), "Počet slov: 2");
    EXPECT_TRUE(boxes.shown.empty());

    // The filter and the lists are there again at the next showing.
    QStringList titlesShownAgain;
    QTimer::singleShot(0, form, [&] {
        titlesShownAgain = titles();
        form->close(); // the close box
    });
    mainWindow->charactersAction->trigger();
    EXPECT_EQ(form->authorField->text(), "mann");
    EXPECT_EQ(titlesShownAgain, (QStringList{"DOKTOR FAUSTUS", "KOUZELNÝ VRCH"}));
    EXPECT_EQ(status(), "Počet slov: 2");
}

TEST_F(CharactersWindow, AuthorFilterListsAuthorsTheFirstOnesWorksAndThatWorksCast) {
    startShown();
    type(form->authorField, "č");
    EXPECT_EQ(form->authorField->text(), "č");
    EXPECT_EQ(authors(), (QStringList{"ČAPEK JOSEF", "ČAPEK KAREL", "ČECH SVATOPLUK"}));
    EXPECT_EQ(titles(), (QStringList{"POVÍDÁNÍ O PEJSKOVI A KOČIČCE"}));
    EXPECT_EQ(characters(), (QStringList{"KOČIČKA", "PEJSEK"}));
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(form->authors.size(), 4u); // every kept record, in file order
    EXPECT_EQ(items(form->titles).first(), "R.U.R.");

    click(form->authorsList, 1);
    EXPECT_EQ(authors(), (QStringList{"ČAPEK JOSEF", "ČAPEK KAREL", "ČECH SVATOPLUK"}));
    EXPECT_EQ(form->authorsList->itemIndex(), 1); // the clicked author stays selected
    EXPECT_EQ(titles(), (QStringList{"KRAKATIT", "R.U.R."}));
    EXPECT_EQ(characters(), (QStringList{"PROKOP", "TOMEŠ"}));

    click(form->titlesList, 1);
    EXPECT_EQ(authors(), (QStringList{"ČAPEK KAREL"}));
    EXPECT_EQ(characters(), (QStringList{"ALQUIST", "DOMIN", "HELENA"}));
    EXPECT_EQ(form->titlesList->itemIndex(), 1);

    // Emptying the field empties every column.
    QTest::keyClick(form->authorField, Qt::Key_Backspace);
    EXPECT_TRUE(columnsEmpty());
}

TEST_F(CharactersWindow, EachFilterEmptiesTheOtherFieldAndATitleListsAllItsAuthors) {
    startShown();
    type(form->authorField, "č");
    type(form->titleField, "do");
    EXPECT_EQ(form->authorField->text(), "");
    EXPECT_EQ(form->titleField->text(), "do");
    EXPECT_EQ(titles(), (QStringList{"DOKTOR FAUSTUS", "DON QUIJOTE"}));
    // A title under two authors: both casts, both authors.
    EXPECT_EQ(authors(), (QStringList{"MANN THOMAS", "MARLOWE"}));
    EXPECT_EQ(characters(), (QStringList{"FAUSTUS", "LEVERKüHN", "WAGNER", "ZEITBLOM"}));
    EXPECT_TRUE(nothingSelected());

    click(form->titlesList, 1);
    EXPECT_EQ(authors(), (QStringList{"CERVANTES"}));
    EXPECT_EQ(characters(), (QStringList{"SANCHO PANZA"}));
    click(form->titlesList, 0);
    EXPECT_EQ(authors(), (QStringList{"MANN THOMAS", "MARLOWE"}));

    type(form->authorField, "ma");
    EXPECT_EQ(form->titleField->text(), "");
    EXPECT_EQ(form->authorField->text(), "ma");
    EXPECT_EQ(authors(), (QStringList{"MANN THOMAS", "MARLOWE"}));
    EXPECT_EQ(titles(), (QStringList{"DOKTOR FAUSTUS", "KOUZELNÝ VRCH"}));
    EXPECT_EQ(characters(), (QStringList{"FAUSTUS", "LEVERKüHN", "WAGNER", "ZEITBLOM"}));

    type(form->titleField, "x");
    EXPECT_EQ(form->authorField->text(), "");
    EXPECT_TRUE(columnsEmpty());
}

TEST_F(CharactersWindow, MissingCatalogueIsToldTheWindowOpensAndFindsNothing) {
    std::filesystem::remove(folder.file("postavy.dat"));
    startShown();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Plain);
    EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
    EXPECT_EQ(boxes.shown[0].text, "Tento slovník nebyl nalezen.");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(status(), "Počet slov: 2");

    type(form->titleField, "d");
    type(form->authorField, "č");
    EXPECT_EQ(form->titleField->text(), "");
    EXPECT_TRUE(columnsEmpty());
    EXPECT_EQ(boxes.shown.size(), 1u);

    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(status(), "Počet slov: 2");
}

TEST_F(CharactersWindow, FilterFieldsTakeWindows1250OnlyAndEnterKeepsTheWindowOpen) {
    startShown();
    type(form->authorField, "maж");
    EXPECT_EQ(form->authorField->text(), "ma");
    QTest::keyClick(form->authorField, Qt::Key_Return);
    QTest::keyClick(form->titleField, Qt::Key_Enter);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(status(), "Počet slov: 8");
}
