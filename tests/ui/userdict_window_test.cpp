// The user dictionary editor, shown modally and driven as a user would: loading uziv.dat at
// every showing, selecting headwords, adding and deleting headwords and meanings.
#include "tests/ui/guitest.h"
#include "ui/mainwindow.h"
#include "ui/userdictionaryeditor.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/qtext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

QString duplicateText(const QString& headword) {
    return QStringLiteral("Slovo \"%1\" již ve slovníku je.").arg(headword);
}

class UserDictionaryEditor : public ProgramTest {
protected:
    TempFolder userFolder;
    ui::UserDictionaryEditor* editor = nullptr;

    void SetUp() override {
        writeDictionary(folder, "hlavni", {"1.1.2024", "PES@HAFAN;"});
        start();
        editor = &program->userDictionaryEditor();
        useFolder(QString::fromStdString(userFolder.path().string()));
    }

    // The user dictionary's folder as the settings dialog sets it.
    void useFolder(const QString& path) {
        ui::SettingsOptions options = mainWindow->settingsOptions();
        options.userDictionaryFolder = path;
        mainWindow->applySettings(options);
    }

    std::string userFile() const { return userFolder.file("uziv.dat"); }
    void writeUserFile(std::string_view utf8) { writeBytes(userFile(), cp(utf8)); }
    std::string userFileBytes() const { return readBytes(userFile()); }

    // Shows the editor modally; while it is up, `inside` acts on it, then the editor is closed
    // unless `inside` closed it. The modal result comes back.
    int whileShown(const std::function<void()>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            EXPECT_EQ(QApplication::activeModalWidget(), editor);
            inside();
            if (editor->isVisible()) editor->reject();
        });
        const int result = editor->exec();
        EXPECT_TRUE(ran);
        return result;
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QStringList headwords() const { return items(editor->headwordsList->items()); }
    QStringList meanings() const { return items(editor->meaningsList->items()); }
    QStringList fileHeadwords() const { return items(editor->fileHeadwords); }
    QStringList fileMeanings() const { return items(editor->fileMeanings); }
    QString selectedHeadword() const {
        const int row = editor->headwordsList->itemIndex();
        return row < 0 ? QString() : headwords().at(row);
    }
    int rowOf(ui::ListBox* list, const QString& text) const {
        return static_cast<int>(items(list->items()).indexOf(text));
    }
};

} // namespace

TEST_F(UserDictionaryEditor, HasItsControlsInTheirOrderAndNoCommandShowsIt) {
    EXPECT_FALSE(control<QAction>(mainWindow, "acUziv")->isEnabled());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), "Uživatelský slovník");
    EXPECT_EQ(editor->size(), QSize(665, 346));
    EXPECT_EQ(editor->minimumSize(), editor->maximumSize());
    EXPECT_EQ(editor->headwordsLabel->text(), "Seznam hesel");
    EXPECT_EQ(editor->meaningsLabel->text(), "Významy");
    EXPECT_EQ(editor->headwordLabel->text(), "Heslo");
    EXPECT_EQ(editor->meaningLabel->text(), "Význam");
    EXPECT_EQ(editor->headwordsList->width(), 240);
    EXPECT_EQ(editor->meaningsList->width(), 240);
    const QList<QWidget*> order = {
        editor->headwordsList,     editor->meaningsList,         editor->headwordField,
        editor->addHeadwordButton, editor->deleteHeadwordButton, editor->meaningField,
        editor->addMeaningButton,  editor->deleteMeaningButton,  editor->okButton,
        editor->cancelButton};
    QStringList captions;
    for (QWidget* w : order)
        if (auto* b = qobject_cast<QPushButton*>(w)) captions << b->text();
    EXPECT_EQ(captions, (QStringList{"Přidat &heslo", "Smazat &heslo", "&Přidat význam",
                                     "&Smazat význam", "&OK", "&Storno"}));
    // Tab walks the controls in their order, starting at the headwords.
    whileShown([&] {
        QApplication::setActiveWindow(editor);
        for (qsizetype i = 0; i < order.size(); ++i) {
            EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    });
}

TEST_F(UserDictionaryEditor, EditFieldsTypeCapitalsAndTakeOnlyWindows1250) {
    whileShown([&] {
        typeKeys(editor->headwordField, QStringLiteral("pes žluťoučký ß€中µ"));
        EXPECT_EQ(editor->headwordField->text(), "PES ŽLUŤOUČKÝ ß€µ");
        typeKeys(editor->meaningField, QStringLiteral("ä-ľ"));
        EXPECT_EQ(editor->meaningField->text(), "Ä-Ľ");
    });
    // The fields keep their text from one showing to the next.
    whileShown([&] { EXPECT_EQ(editor->meaningField->text(), "Ä-Ľ"); });
}

TEST_F(UserDictionaryEditor, WithoutAFolderTheErrorIsShownAndTheListsStayEmpty) {
    useFolder({});
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
        EXPECT_EQ(editor->headwordsList->itemIndex(), -1);
        EXPECT_TRUE(meanings().isEmpty());
    });
}

TEST_F(UserDictionaryEditor, AFolderThatIsMissingGivesTheSystemsErrorAndEmptyLists) {
    useFolder(QString::fromStdString(userFolder.file("chybi")));
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

        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "PES"));
        EXPECT_EQ(meanings(), QStringList{"ZVÍŘE"}); // text after the last ";" is no meaning
        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "CHATA"));
        EXPECT_EQ(meanings(), (QStringList{"DŮM", "STAVBA"}));
        QTest::keyClick(editor->headwordsList, Qt::Key_Down);
        EXPECT_EQ(meanings(), QStringList{"PTÁK"});
        QTest::keyClick(editor->headwordsList, Qt::Key_Down);
        EXPECT_EQ(meanings(), (QStringList{"", "A", "B"}));
    });
}

TEST_F(UserDictionaryEditor, EveryShowingReloadsTheFileAndOkAndStornoOnlyClose) {
    const char* file = "PES@HAFAN;\r\n";
    writeUserFile(file);
    const int ok = whileShown([&] {
        typeKeys(editor->headwordField, "KOS");
        click(editor->addHeadwordButton);
        click(editor->deleteHeadwordButton);
        click(editor->okButton);
    });
    EXPECT_EQ(ok, QDialog::Accepted);
    EXPECT_EQ(userFileBytes(), file);
    const int storno = whileShown([&] {
        EXPECT_EQ(headwords(), QStringList{"PES"});
        EXPECT_EQ(meanings(), QStringList{"HAFAN"});
        click(editor->cancelButton);
    });
    EXPECT_EQ(storno, QDialog::Rejected);
    EXPECT_EQ(userFileBytes(), file);
}

TEST_F(UserDictionaryEditor, AddingAHeadwordTrimsItAndRefusesAnExactDuplicate) {
    writeUserFile("pes@MALÝ;\r\nKOS@PTÁK;\r\n");
    whileShown([&] {
        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "pes"));
        // Blanks around it go; the typed capitals differ from the stored small letters.
        typeKeys(editor->headwordField, "  pes\t");
        click(editor->addHeadwordButton);
        EXPECT_TRUE(editor->headwordField->text().isEmpty());
        EXPECT_EQ(headwords(), (QStringList{"KOS", "PES", "pes"}));
        EXPECT_EQ(fileHeadwords(), (QStringList{"pes", "KOS", "PES"}));
        EXPECT_EQ(fileMeanings(), (QStringList{"MALÝ;", "PTÁK;", ""}));
        // The selection and the meanings shown stay; the new headword is not selected.
        EXPECT_EQ(selectedHeadword(), "pes");
        EXPECT_EQ(meanings(), QStringList{"MALÝ"});
        EXPECT_TRUE(boxes.shown.empty());

        typeKeys(editor->headwordField, " PES ");
        click(editor->addHeadwordButton);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Plain);
        EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
        EXPECT_EQ(boxes.shown[0].text, duplicateText("PES"));
        EXPECT_TRUE(editor->headwordField->text().isEmpty());
        EXPECT_EQ(fileHeadwords(), (QStringList{"pes", "KOS", "PES"}));

        // An empty field adds nothing; blanks only add the empty headword, once.
        click(editor->addHeadwordButton);
        EXPECT_EQ(headwords().size(), 3);
        typeKeys(editor->headwordField, "   ");
        click(editor->addHeadwordButton);
        EXPECT_EQ(headwords(), (QStringList{"", "KOS", "PES", "pes"}));
        EXPECT_EQ(selectedHeadword(), "pes");
        EXPECT_TRUE(editor->headwordField->text().isEmpty());
        typeKeys(editor->headwordField, "  ");
        click(editor->addHeadwordButton);
        EXPECT_EQ(boxes.texts().last(), duplicateText(""));
        EXPECT_EQ(fileHeadwords().size(), 4);
        EXPECT_TRUE(editor->headwordField->text().isEmpty());
    });
}

TEST_F(UserDictionaryEditor, AddingAMeaningAppendsItToTheSelectedHeadwordsText) {
    writeUserFile("PES@ZVÍŘE;HLÍDAČ\r\nKOS@\r\n");
    whileShown([&] {
        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "PES"));
        typeKeys(editor->meaningField, QStringLiteral(" kočka "));
        click(editor->addMeaningButton);
        // The text after the last ";" runs into the new meaning.
        EXPECT_EQ(fileMeanings(), (QStringList{"ZVÍŘE;HLÍDAČKOČKA;", ""}));
        EXPECT_EQ(meanings(), (QStringList{"KOČKA", "ZVÍŘE"}));
        EXPECT_TRUE(editor->meaningField->text().isEmpty());
        // A headword added meanwhile leaves the meanings shown as they are.
        typeKeys(editor->headwordField, "AAA");
        click(editor->addHeadwordButton);
        EXPECT_EQ(meanings(), (QStringList{"KOČKA", "ZVÍŘE"}));

        // No test for duplicates; blanks only add an empty meaning; an empty field adds none.
        clickRow(editor->meaningsList, rowOf(editor->meaningsList, "ZVÍŘE"));
        typeKeys(editor->meaningField, "KOČKA");
        click(editor->addMeaningButton);
        typeKeys(editor->meaningField, "  ");
        click(editor->addMeaningButton);
        click(editor->addMeaningButton);
        EXPECT_EQ(meanings(), (QStringList{"", "KOČKA", "KOČKA", "ZVÍŘE"}));
        EXPECT_EQ(editor->meaningsList->itemIndex(), 3); // the selected meaning stays selected
        EXPECT_EQ(fileMeanings()[0], "ZVÍŘE;HLÍDAČKOČKA;KOČKA;;");
        EXPECT_EQ(selectedHeadword(), "PES");

        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "KOS"));
        typeKeys(editor->meaningField, "PTÁK");
        click(editor->addMeaningButton);
        EXPECT_EQ(fileMeanings(), (QStringList{"ZVÍŘE;HLÍDAČKOČKA;KOČKA;;", "PTÁK;", ""}));
    });
}

TEST_F(UserDictionaryEditor, DeletingAMeaningRemovesItsFirstWholeOccurrence) {
    writeUserFile("PES@XAB;CD;AB;\r\nKOS@A;B;A;\r\n");
    whileShown([&] {
        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "PES"));
        EXPECT_EQ(meanings(), (QStringList{"AB", "CD", "XAB"}));
        click(editor->deleteMeaningButton); // no meaning selected
        EXPECT_EQ(fileMeanings()[0], "XAB;CD;AB;");
        clickRow(editor->meaningsList, rowOf(editor->meaningsList, "AB"));
        click(editor->deleteMeaningButton);
        EXPECT_EQ(fileMeanings()[0], "XAB;CD;");
        EXPECT_EQ(meanings(), (QStringList{"CD", "XAB"}));
        EXPECT_EQ(editor->meaningsList->itemIndex(), -1);
        click(editor->deleteMeaningButton);
        EXPECT_EQ(meanings().size(), 2);

        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "KOS"));
        clickRow(editor->meaningsList, 1);
        click(editor->deleteMeaningButton);
        EXPECT_EQ(fileMeanings(), (QStringList{"XAB;CD;", "B;A;"}));
        EXPECT_EQ(meanings(), (QStringList{"A", "B"}));
    });
}

TEST_F(UserDictionaryEditor, DeletingAHeadwordLeavesNothingSelectedForTheMeaningButtons) {
    writeUserFile("PES@HAFAN;\r\nKOS@PTÁK;\r\n");
    whileShown([&] {
        clickRow(editor->headwordsList, rowOf(editor->headwordsList, "PES"));
        click(editor->deleteHeadwordButton);
        EXPECT_EQ(headwords(), QStringList{"KOS"});
        EXPECT_EQ(fileHeadwords(), QStringList{"KOS"});
        EXPECT_EQ(fileMeanings(), QStringList{"PTÁK;"});
        EXPECT_EQ(editor->headwordsList->itemIndex(), -1);

        // The meanings of the deleted headword are still listed, but nothing acts on them.
        typeKeys(editor->meaningField, "NOVÝ");
        click(editor->addMeaningButton);
        EXPECT_EQ(editor->meaningField->text(), "NOVÝ");
        clickRow(editor->meaningsList, 0);
        click(editor->deleteMeaningButton);
        EXPECT_EQ(meanings(), QStringList{"HAFAN"});
        EXPECT_EQ(fileMeanings(), QStringList{"PTÁK;"});
        click(editor->deleteHeadwordButton);
        EXPECT_EQ(headwords(), QStringList{"KOS"});

        clickRow(editor->headwordsList, 0);
        click(editor->addMeaningButton);
        EXPECT_EQ(fileMeanings(), QStringList{"PTÁK;NOVÝ;"});
    });
}

TEST_F(UserDictionaryEditor, OfTwoEqualHeadwordsOnlyTheFirstInTheFileIsReached) {
    writeUserFile("PES@PRVNÍ;\r\nKOS@PTÁK;\r\nPES@DRUHÝ;\r\n");
    whileShown([&] {
        EXPECT_EQ(headwords(), (QStringList{"KOS", "PES", "PES"}));
        clickRow(editor->headwordsList, 2);
        EXPECT_EQ(meanings(), QStringList{"PRVNÍ"});
        clickRow(editor->headwordsList, 1);
        EXPECT_EQ(meanings(), QStringList{"PRVNÍ"});
        clickRow(editor->headwordsList, 2);
        click(editor->deleteHeadwordButton);
        EXPECT_EQ(headwords(), (QStringList{"KOS", "PES"}));
        EXPECT_EQ(fileHeadwords(), (QStringList{"KOS", "PES"}));
        EXPECT_EQ(fileMeanings(), (QStringList{"PTÁK;", "DRUHÝ;"}));
        clickRow(editor->headwordsList, 1);
        EXPECT_EQ(meanings(), QStringList{"DRUHÝ"});
    });
}
