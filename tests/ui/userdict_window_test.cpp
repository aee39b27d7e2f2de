// The user dictionary editor, shown modally and driven as a user would: loading uziv.dat at
// every showing, selecting headwords, adding and deleting headwords and meanings.
#include "Unit1.h"
#include "Unit4.h"
#include "guitest.h"
#include "listbox.h"
#include "qtext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

QString duplicateText(const QString& headword) {
    return QStringLiteral("Slovo \"%1\" již ve slovníku je.").arg(headword);
}

class UserDictionaryEditor : public ::testing::Test {
protected:
    TempFolder dataFolder;
    TempFolder userFolder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    ui::TForm1* mainWindow = nullptr;
    ui::TForm4* form = nullptr;

    void SetUp() override {
        writeDictionary(dataFolder, "hlavni", {"1.1.2024", "PES@HAFAN;"});
        program = std::make_unique<ui::Program>(QString::fromStdString(dataFolder.path().string()));
        mainWindow = &program->mainWindow();
        form = &program->userDictionaryEditor();
        mainWindow->show();
        mainWindow->UserDictionaryFolder = QString::fromStdString(userFolder.path().string());
    }

    std::string userFile() const { return userFolder.file("uziv.dat"); }
    void writeUserFile(std::string_view utf8) { writeBytes(userFile(), cp(utf8)); }
    std::string userFileBytes() const {
        std::ifstream in(userFile(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // Shows the editor modally; while it is up, `inside` acts on it, then the editor is closed
    // unless `inside` closed it. The modal result comes back.
    int whileShown(const std::function<void()>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            EXPECT_EQ(QApplication::activeModalWidget(), form);
            inside();
            if (form->isVisible()) form->reject();
        });
        const int result = form->exec();
        EXPECT_TRUE(ran);
        return result;
    }

    // Key by key, as typed: every character goes through the field's validator.
    static void type(QLineEdit* field, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    static void click(ui::ListBox* list, int row) {
        const QRect place = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QStringList headwords() const { return items(form->ListBox1->items()); }
    QStringList meanings() const { return items(form->ListBox2->items()); }
    QStringList fileHeadwords() const { return items(form->listslova); }
    QStringList fileMeanings() const { return items(form->listvyznamy); }
    QString selectedHeadword() const {
        const int row = form->ListBox1->itemIndex();
        return row < 0 ? QString() : headwords().at(row);
    }
    int rowOf(ui::ListBox* list, const QString& text) const {
        return static_cast<int>(items(list->items()).indexOf(text));
    }
};

} // namespace

TEST_F(UserDictionaryEditor, HasItsControlsInTheirOrderAndNoCommandShowsIt) {
    EXPECT_FALSE(mainWindow->acUziv->isEnabled());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Uživatelský slovník");
    EXPECT_EQ(form->size(), QSize(665, 346));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->Label3->text(), "Seznam hesel");
    EXPECT_EQ(form->Label4->text(), "Významy");
    EXPECT_EQ(form->Label1->text(), "Heslo");
    EXPECT_EQ(form->Label2->text(), "Význam");
    EXPECT_EQ(form->ListBox1->width(), 240);
    EXPECT_EQ(form->ListBox2->width(), 240);
    const QList<QWidget*> order = {form->ListBox1, form->ListBox2, form->Edit1,   form->Button2,
                                   form->Button4,  form->Edit2,    form->Button1, form->Button3,
                                   form->Button5,  form->Button6};
    QStringList captions;
    for (QWidget* w : order)
        if (auto* b = qobject_cast<QPushButton*>(w)) captions << b->text();
    EXPECT_EQ(captions, (QStringList{"Přidat &heslo", "Smazat &heslo", "&Přidat význam",
                                     "&Smazat význam", "&OK", "&Storno"}));
    // Tab walks the controls in their order, starting at the headwords.
    whileShown([&] {
        QApplication::setActiveWindow(form);
        for (qsizetype i = 0; i < order.size(); ++i) {
            EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    });
}

TEST_F(UserDictionaryEditor, EditFieldsTypeCapitalsAndTakeOnlyWindows1250) {
    whileShown([&] {
        type(form->Edit1, QStringLiteral("pes žluťoučký ß€中µ"));
        EXPECT_EQ(form->Edit1->text(), "PES ŽLUŤOUČKÝ ß€µ");
        type(form->Edit2, QStringLiteral("ä-ľ"));
        EXPECT_EQ(form->Edit2->text(), "Ä-Ľ");
    });
    // The fields keep their text from one showing to the next.
    whileShown([&] { EXPECT_EQ(form->Edit2->text(), "Ä-Ľ"); });
}

TEST_F(UserDictionaryEditor, WithoutAFolderTheErrorIsShownAndTheListsStayEmpty) {
    mainWindow->UserDictionaryFolder.clear();
    whileShown([&] {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Error);
        EXPECT_EQ(boxes.shown[0].caption, "Chyba");
        EXPECT_EQ(boxes.shown[0].text,
                  "Nebyla zadána cesta k uživatelskému slovníku (menu Nástroje/Nastavení).");
        EXPECT_TRUE(headwords().isEmpty());
        EXPECT_TRUE(fileHeadwords().isEmpty());
    });
}

TEST_F(UserDictionaryEditor, AMissingFileIsCreatedEmptyAndThenLoadsQuietly) {
    whileShown([&] {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Information);
        EXPECT_EQ(boxes.shown[0].caption, "Informace");
        EXPECT_EQ(boxes.shown[0].text, "Nebyl nalezen uživatelský slovník, bude vytvořen nový.");
        EXPECT_TRUE(headwords().isEmpty());
    });
    ASSERT_TRUE(std::filesystem::is_regular_file(userFile()));
    EXPECT_EQ(std::filesystem::file_size(userFile()), 0u);
    boxes.shown.clear();
    whileShown([&] {
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_TRUE(headwords().isEmpty());
        EXPECT_EQ(form->ListBox1->itemIndex(), -1);
        EXPECT_TRUE(meanings().isEmpty());
    });
}

TEST_F(UserDictionaryEditor, AFolderThatIsMissingGivesTheSystemsErrorAndEmptyLists) {
    mainWindow->UserDictionaryFolder = QString::fromStdString(userFolder.file("chybi"));
    whileShown([&] {
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Information);
        EXPECT_EQ(boxes.shown[1].kind, ui::MessageKind::Error);
        EXPECT_TRUE(boxes.shown[1].text.contains("chybi/uziv.dat"));
        EXPECT_TRUE(headwords().isEmpty());
    });
}

TEST_F(UserDictionaryEditor, LoadingSortsTheHeadwordsAndShowsTheMeaningsOfTheSelectedOne) {
    writeUserFile("PES@ZVÍŘE;HLÍDAČ\r\n"
                  "kos@PTÁK;\r\n"
                  "A@B@C;\r\n"
                  "CHATA@STAVBA;DŮM;\n"
                  "KRÁVA@A;;B;\r\n");
    whileShown([&] {
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(headwords(), (QStringList{"A", "CHATA", "kos", "KRÁVA", "PES"}));
        EXPECT_EQ(fileHeadwords(), (QStringList{"PES", "kos", "A", "CHATA", "KRÁVA"}));
        EXPECT_EQ(fileMeanings(),
                  (QStringList{"ZVÍŘE;HLÍDAČ", "PTÁK;", "B@C;", "STAVBA;DŮM;", "A;;B;"}));
        // The alphabetically first is selected and its meanings shown.
        EXPECT_EQ(selectedHeadword(), "A");
        EXPECT_EQ(meanings(), QStringList{"B@C"});

        click(form->ListBox1, rowOf(form->ListBox1, "PES"));
        EXPECT_EQ(meanings(), QStringList{"ZVÍŘE"}); // text after the last ";" is no meaning
        click(form->ListBox1, rowOf(form->ListBox1, "CHATA"));
        EXPECT_EQ(meanings(), (QStringList{"DŮM", "STAVBA"}));
        QTest::keyClick(form->ListBox1, Qt::Key_Down);
        EXPECT_EQ(meanings(), QStringList{"PTÁK"});
        QTest::keyClick(form->ListBox1, Qt::Key_Down);
        EXPECT_EQ(meanings(), (QStringList{"", "A", "B"}));
    });
}

TEST_F(UserDictionaryEditor, EveryShowingReloadsTheFileAndOkAndStornoOnlyClose) {
    const char* file = "PES@HAFAN;\r\n";
    writeUserFile(file);
    const int ok = whileShown([&] {
        type(form->Edit1, "KOS");
        click(form->Button2);
        click(form->Button4);
        click(form->Button5);
    });
    EXPECT_EQ(ok, QDialog::Accepted);
    EXPECT_EQ(userFileBytes(), file);
    const int storno = whileShown([&] {
        EXPECT_EQ(headwords(), QStringList{"PES"});
        EXPECT_EQ(meanings(), QStringList{"HAFAN"});
        click(form->Button6);
    });
    EXPECT_EQ(storno, QDialog::Rejected);
    EXPECT_EQ(userFileBytes(), file);
}

TEST_F(UserDictionaryEditor, AddingAHeadwordTrimsItAndRefusesAnExactDuplicate) {
    writeUserFile("pes@MALÝ;\r\nKOS@PTÁK;\r\n");
    whileShown([&] {
        click(form->ListBox1, rowOf(form->ListBox1, "pes"));
        // Blanks around it go; the typed capitals differ from the stored small letters.
        type(form->Edit1, "  pes\t");
        click(form->Button2);
        EXPECT_TRUE(form->Edit1->text().isEmpty());
        EXPECT_EQ(headwords(), (QStringList{"KOS", "PES", "pes"}));
        EXPECT_EQ(fileHeadwords(), (QStringList{"pes", "KOS", "PES"}));
        EXPECT_EQ(fileMeanings(), (QStringList{"MALÝ;", "PTÁK;", ""}));
        // The selection and the meanings shown stay; the new headword is not selected.
        EXPECT_EQ(selectedHeadword(), "pes");
        EXPECT_EQ(meanings(), QStringList{"MALÝ"});
        EXPECT_TRUE(boxes.shown.empty());

        type(form->Edit1, " PES ");
        click(form->Button2);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Plain);
        EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
        EXPECT_EQ(boxes.shown[0].text, duplicateText("PES"));
        EXPECT_TRUE(form->Edit1->text().isEmpty());
        EXPECT_EQ(fileHeadwords(), (QStringList{"pes", "KOS", "PES"}));

        // An empty field adds nothing; blanks only add the empty headword, once.
        click(form->Button2);
        EXPECT_EQ(headwords().size(), 3);
        type(form->Edit1, "   ");
        click(form->Button2);
        EXPECT_EQ(headwords(), (QStringList{"", "KOS", "PES", "pes"}));
        EXPECT_EQ(selectedHeadword(), "pes");
        EXPECT_TRUE(form->Edit1->text().isEmpty());
        type(form->Edit1, "  ");
        click(form->Button2);
        EXPECT_EQ(boxes.texts().last(), duplicateText(""));
        EXPECT_EQ(fileHeadwords().size(), 4);
        EXPECT_TRUE(form->Edit1->text().isEmpty());
    });
}

TEST_F(UserDictionaryEditor, AddingAMeaningAppendsItToTheSelectedHeadwordsText) {
    writeUserFile("PES@ZVÍŘE;HLÍDAČ\r\nKOS@\r\n");
    whileShown([&] {
        click(form->ListBox1, rowOf(form->ListBox1, "PES"));
        type(form->Edit2, QStringLiteral(" kočka "));
        click(form->Button1);
        // The text after the last ";" runs into the new meaning.
        EXPECT_EQ(fileMeanings(), (QStringList{"ZVÍŘE;HLÍDAČKOČKA;", ""}));
        EXPECT_EQ(meanings(), (QStringList{"KOČKA", "ZVÍŘE"}));
        EXPECT_TRUE(form->Edit2->text().isEmpty());
        // A headword added meanwhile leaves the meanings shown as they are.
        type(form->Edit1, "AAA");
        click(form->Button2);
        EXPECT_EQ(meanings(), (QStringList{"KOČKA", "ZVÍŘE"}));

        // No test for duplicates; blanks only add an empty meaning; an empty field adds none.
        click(form->ListBox2, rowOf(form->ListBox2, "ZVÍŘE"));
        type(form->Edit2, "KOČKA");
        click(form->Button1);
        type(form->Edit2, "  ");
        click(form->Button1);
        click(form->Button1);
        EXPECT_EQ(meanings(), (QStringList{"", "KOČKA", "KOČKA", "ZVÍŘE"}));
        EXPECT_EQ(form->ListBox2->itemIndex(), 3); // the selected meaning stays selected
        EXPECT_EQ(fileMeanings()[0], "ZVÍŘE;HLÍDAČKOČKA;KOČKA;;");
        EXPECT_EQ(selectedHeadword(), "PES");

        click(form->ListBox1, rowOf(form->ListBox1, "KOS"));
        type(form->Edit2, "PTÁK");
        click(form->Button1);
        EXPECT_EQ(fileMeanings(), (QStringList{"ZVÍŘE;HLÍDAČKOČKA;KOČKA;;", "PTÁK;", ""}));
    });
}

TEST_F(UserDictionaryEditor, DeletingAMeaningRemovesItsFirstWholeOccurrence) {
    writeUserFile("PES@XAB;CD;AB;\r\nKOS@A;B;A;\r\n");
    whileShown([&] {
        click(form->ListBox1, rowOf(form->ListBox1, "PES"));
        EXPECT_EQ(meanings(), (QStringList{"AB", "CD", "XAB"}));
        click(form->Button3); // no meaning selected
        EXPECT_EQ(fileMeanings()[0], "XAB;CD;AB;");
        click(form->ListBox2, rowOf(form->ListBox2, "AB"));
        click(form->Button3);
        EXPECT_EQ(fileMeanings()[0], "XAB;CD;");
        EXPECT_EQ(meanings(), (QStringList{"CD", "XAB"}));
        EXPECT_EQ(form->ListBox2->itemIndex(), -1);
        click(form->Button3);
        EXPECT_EQ(meanings().size(), 2);

        click(form->ListBox1, rowOf(form->ListBox1, "KOS"));
        click(form->ListBox2, 1);
        click(form->Button3);
        EXPECT_EQ(fileMeanings(), (QStringList{"XAB;CD;", "B;A;"}));
        EXPECT_EQ(meanings(), (QStringList{"A", "B"}));
    });
}

TEST_F(UserDictionaryEditor, DeletingAHeadwordLeavesNothingSelectedForTheMeaningButtons) {
    writeUserFile("PES@HAFAN;\r\nKOS@PTÁK;\r\n");
    whileShown([&] {
        click(form->ListBox1, rowOf(form->ListBox1, "PES"));
        click(form->Button4);
        EXPECT_EQ(headwords(), QStringList{"KOS"});
        EXPECT_EQ(fileHeadwords(), QStringList{"KOS"});
        EXPECT_EQ(fileMeanings(), QStringList{"PTÁK;"});
        EXPECT_EQ(form->ListBox1->itemIndex(), -1);

        // The meanings of the deleted headword are still listed, but nothing acts on them.
        type(form->Edit2, "NOVÝ");
        click(form->Button1);
        EXPECT_EQ(form->Edit2->text(), "NOVÝ");
        click(form->ListBox2, 0);
        click(form->Button3);
        EXPECT_EQ(meanings(), QStringList{"HAFAN"});
        EXPECT_EQ(fileMeanings(), QStringList{"PTÁK;"});
        click(form->Button4);
        EXPECT_EQ(headwords(), QStringList{"KOS"});

        click(form->ListBox1, 0);
        click(form->Button1);
        EXPECT_EQ(fileMeanings(), QStringList{"PTÁK;NOVÝ;"});
    });
}

TEST_F(UserDictionaryEditor, OfTwoEqualHeadwordsOnlyTheFirstInTheFileIsReached) {
    writeUserFile("PES@PRVNÍ;\r\nKOS@PTÁK;\r\nPES@DRUHÝ;\r\n");
    whileShown([&] {
        EXPECT_EQ(headwords(), (QStringList{"KOS", "PES", "PES"}));
        click(form->ListBox1, 2);
        EXPECT_EQ(meanings(), QStringList{"PRVNÍ"});
        click(form->ListBox1, 1);
        EXPECT_EQ(meanings(), QStringList{"PRVNÍ"});
        click(form->ListBox1, 2);
        click(form->Button4);
        EXPECT_EQ(headwords(), (QStringList{"KOS", "PES"}));
        EXPECT_EQ(fileHeadwords(), (QStringList{"KOS", "PES"}));
        EXPECT_EQ(fileMeanings(), (QStringList{"PTÁK;", "DRUHÝ;"}));
        click(form->ListBox1, 1);
        EXPECT_EQ(meanings(), QStringList{"DRUHÝ"});
    });
}
