// The settings dialog and the About box, shown modally from the main window's commands and
// driven as a user would.
#include "tests/ui/guitest.h"
#include "ui/aboutbox.h"
#include "ui/mainwindow.h"
#include "ui/settingsdialog.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/foldervalidator.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/radiogroup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

// A widget list by class, name and caption.
inline void PrintTo(const QWidgetList& list, std::ostream* out) {
    *out << '{';
    for (const QWidget* w : list) {
        *out << w->metaObject()->className() << ':' << w->objectName().toStdString();
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            *out << '"' << b->text().toStdString() << '"';
        *out << ' ';
    }
    *out << '}';
}

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class Dialogs : public ProgramTest {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni", {"15.3.2001", "PES@HAFAN;", "PESEK@PSÍK;"});
        writeDictionary(folder, "mesta", {"1.1.2026", "PRAHA@ČESKO;"});
    }
    ui::SettingsDialog& settings() { return program->settingsDialog(); }
    ui::AboutBox& about() { return program->aboutBox(); }

    // Runs the command; while its modal dialog is up, `inside` acts on it.
    void whileModal(QAction* command, const std::function<void(QWidget*)>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            ran = true;
            inside(dialog);
        });
        command->trigger();
        EXPECT_TRUE(ran);
        // A window manager gives the main window back its activity; the test does it itself.
        QApplication::setActiveWindow(mainWindow);
        QCoreApplication::processEvents();
    }
    void runSettings(const std::function<void(ui::SettingsDialog&)>& change, bool ok) {
        whileModal(control<QAction>(mainWindow, "acNastaveni"), [&](QWidget*) {
            change(settings());
            QTest::mouseClick(ok ? settings().okButton : settings().cancelButton, Qt::LeftButton);
        });
    }
};

} // namespace

TEST_F(Dialogs, SettingsShowTheMainWindowsValuesAndStornoChangesNothing) {
    start();
    control<QLabel>(mainWindow, "Cesta_k_uzivatelskemu_slovniku")->setText("/data/slova");
    mainWindow->applyRestoredSettings();
    control<ui::ButtonBar>(mainWindow, "ToolBar2")->setFlat(false);
    runSettings(
        [](ui::SettingsDialog& d) {
            EXPECT_EQ(d.userDictionaryFolderField->text(), "/data/slova");
            EXPECT_EQ(d.dictionaryBarSide->itemIndex(), 0);
            EXPECT_EQ(d.dictionaryBarCaptionStyle->itemIndex(), 0);
            EXPECT_TRUE(d.dictionaryBarShowCaptions->isChecked());
            EXPECT_FALSE(d.toolsBarFlat->isChecked());
            EXPECT_TRUE(d.searchAsTypedButton->isChecked());
            d.dictionaryBarSide->setItemIndex(2);
            d.dictionaryBarShowCaptions->setChecked(false);
            d.searchOnEnterButton->setChecked(true);
            d.userDictionaryFolderField->clear();
        },
        false);
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar1")),
              Qt::TopToolBarArea);
    EXPECT_TRUE(control<ui::ButtonBar>(mainWindow, "ToolBar1")->showCaptions());
    EXPECT_TRUE(mainWindow->settingsOptions().searchAsTyped);
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder, "/data/slova");
    // The next showing shows the main window's values again.
    whileModal(control<QAction>(mainWindow, "acNastaveni"), [&](QWidget* dialog) {
        EXPECT_EQ(settings().dictionaryBarSide->itemIndex(), 0);
        EXPECT_TRUE(settings().dictionaryBarShowCaptions->isChecked());
        EXPECT_TRUE(settings().searchAsTypedButton->isChecked());
        EXPECT_EQ(settings().userDictionaryFolderField->text(), "/data/slova");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder, "/data/slova");
}

TEST_F(Dialogs, OkAppliesEverySettingAndTheNextSaveKeepsThem) {
    start();
    auto* vlevoItem = control<QMenu>(mainWindow, "PopupToolMenu")->findChild<QAction*>("Vlevo1");
    runSettings(
        [](ui::SettingsDialog& d) {
            d.dictionaryBarSide->setItemIndex(2);
            d.toolsBarCaptionStyle->setItemIndex(1);
            d.dictionaryBarShowCaptions->setChecked(false);
            d.toolsBarFlat->setChecked(false);
            d.searchOnEnterButton->setChecked(true);
            d.userDictionaryFolderField->clear();
        },
        true);
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar1")),
              Qt::LeftToolBarArea);
    EXPECT_FALSE(vlevoItem->isChecked()); // the toolbar menu keeps its mark
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->list());
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar1")->showCaptions());
    EXPECT_EQ(control<ui::ButtonBar>(mainWindow, "ToolBar1")->buttonHeight(), 22);
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->flat());
    EXPECT_TRUE(mainWindow->settingsOptions().userDictionaryFolder.isEmpty());
    EXPECT_EQ(mainWindow->searchField()->tag(), 1);
    // Typing no longer searches; Enter does.
    QTest::keyClicks(mainWindow->searchField(), "pes");
    EXPECT_TRUE(mainWindow->foundWordsList()->items().empty());
    QTest::keyClick(mainWindow->searchField(), Qt::Key_Return);
    EXPECT_EQ(mainWindow->foundWordsList()->items().size(), 2u);

    mainWindow->close();
    const std::string written = ini();
    EXPECT_NE(written.find("Edit1_Tag=1\r\n"), std::string::npos);
    EXPECT_NE(written.find("ToolBar1_Align=alLeft\r\n"), std::string::npos);
    EXPECT_NE(written.find("ToolBar1_ShowCaptions=False\r\n"), std::string::npos);
    EXPECT_NE(written.find("Cesta_k_uzivatelskemu_slovniku_Caption=\r\n"), std::string::npos);
}

TEST_F(Dialogs, CaptionsShownAgainKeepTheHeightToTheToolbarAndTheFolderIsKeptAsTyped) {
    start();
    runSettings([](ui::SettingsDialog& d) { d.toolsBarShowCaptions->setChecked(false); }, true);
    EXPECT_EQ(control<ui::ButtonBar>(mainWindow, "ToolBar2")->buttonHeight(), 22);
    control<ui::ButtonBar>(mainWindow, "ToolBar2")->setButtonHeight(30);
    runSettings(
        [](ui::SettingsDialog& d) {
            d.toolsBarShowCaptions->setChecked(true);
            d.userDictionaryFolderField->setText("/home/jana/slovnik");
        },
        true);
    EXPECT_TRUE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->showCaptions());
    EXPECT_EQ(control<ui::ButtonBar>(mainWindow, "ToolBar2")->buttonHeight(), 30);
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder, "/home/jana/slovnik");
    EXPECT_EQ(control<QLabel>(mainWindow, "Cesta_k_uzivatelskemu_slovniku")->text(),
              "/home/jana/slovnik");
}

TEST_F(Dialogs, FolderButtonStartsAtTheFieldsFolderAndACancelKeepsTheText) {
    start();
    QString startedAt;
    QString answer = QString::fromStdString(folder.path().string());
    ui::SettingsDialog::chooseFolder = [&](QWidget*, const QString& start) {
        startedAt = start;
        return answer;
    };
    runSettings(
        [&](ui::SettingsDialog& d) {
            d.userDictionaryFolderField->setText("/no/such/folder");
            QTest::mouseClick(d.browseButton, Qt::LeftButton);
            EXPECT_EQ(startedAt, "/");
            EXPECT_EQ(d.userDictionaryFolderField->text(), answer);
            QTest::mouseClick(d.browseButton, Qt::LeftButton);
            EXPECT_EQ(startedAt, answer);
            answer.clear(); // cancelled
            QTest::mouseClick(d.browseButton, Qt::LeftButton);
            EXPECT_EQ(d.userDictionaryFolderField->text(),
                      QString::fromStdString(folder.path().string()));
        },
        true);
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder,
              QString::fromStdString(folder.path().string()));
    ui::SettingsDialog::chooseFolder = ui::SettingsDialog::folderDialog;
}

TEST_F(Dialogs, ChosenFolderTheSettingsCannotKeepIsRefusedAndTheFieldKeepsItsText) {
    start();
    const auto desktopDialog = ui::SettingsDialog::chooseFolder;
    QString answer = QStringLiteral("/home/jana/Жук");
    ui::SettingsDialog::chooseFolder = [&](QWidget*, const QString&) { return answer; };
    runSettings(
        [&](ui::SettingsDialog& d) {
            d.userDictionaryFolderField->setText("/data/slova");
            QTest::mouseClick(d.browseButton, Qt::LeftButton);
            EXPECT_EQ(d.userDictionaryFolderField->text(), "/data/slova");
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Error);
            EXPECT_TRUE(boxes.shown[0].text.contains(answer)) << boxes.shown[0].text.toStdString();
            EXPECT_TRUE(boxes.shown[0].text.contains("znaky")) << boxes.shown[0].text.toStdString();
            // Czech letters fit the code page and are taken.
            answer = QStringLiteral("/data/Příliš žluťoučký kůň");
            QTest::mouseClick(d.browseButton, Qt::LeftButton);
            EXPECT_EQ(d.userDictionaryFolderField->text(), answer);
            EXPECT_EQ(boxes.shown.size(), 1u);
        },
        true);
    ui::SettingsDialog::chooseFolder = desktopDialog;
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder, answer);
}

TEST_F(Dialogs, SettingsKeyboardOrderEntersEveryRadioGroupAtItsCheckedItem) {
    start();
    // What Tab visits, from the first stop round to it again.
    auto tabOrder = [](QWidget* dialog) {
        QWidgetList visited{QApplication::focusWidget()};
        for (int n = 0; n < 20; ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == visited.first()) break;
            visited << QApplication::focusWidget();
        }
        EXPECT_TRUE(dialog->isAncestorOf(visited.last()));
        return visited;
    };
    // Every state of every group: each position, no caption style and both, both triggers.
    for (int state = 0; state < 4; ++state) {
        whileModal(control<QAction>(mainWindow, "acNastaveni"), [&](QWidget* dialog) {
            ui::SettingsDialog& d = settings();
            d.dictionaryBarSide->setItemIndex(state);
            d.toolsBarSide->setItemIndex(3 - state);
            d.dictionaryBarCaptionStyle->setItemIndex(state % 3 - 1);
            d.toolsBarCaptionStyle->setItemIndex((state + 1) % 3 - 1);
            (state % 2 ? d.searchOnEnterButton : d.searchAsTypedButton)->setChecked(true);
            QApplication::setActiveWindow(dialog);
            d.dictionaryBarSide->item(state)->setFocus();
            const QWidgetList expected = {
                d.dictionaryBarSide->item(state),
                d.dictionaryBarCaptionStyle->item(std::max(0, state % 3 - 1)),
                d.dictionaryBarShowCaptions,
                d.dictionaryBarFlat,
                d.toolsBarSide->item(3 - state),
                d.toolsBarCaptionStyle->item(std::max(0, (state + 1) % 3 - 1)),
                d.toolsBarShowCaptions,
                d.toolsBarFlat,
                state % 2 ? d.searchOnEnterButton : d.searchAsTypedButton,
                d.okButton,
                d.cancelButton,
                d.userDictionaryFolderField,
                d.browseButton};
            EXPECT_EQ(tabOrder(dialog), expected) << "state " << state;
            d.reject();
        });
    }
    // Arrows move inside a group, and Tab then enters it at the new item; a choice made this way
    // and taken with OK holds at the next showing.
    whileModal(control<QAction>(mainWindow, "acNastaveni"), [&](QWidget* dialog) {
        ui::SettingsDialog& d = settings();
        QApplication::setActiveWindow(dialog);
        d.dictionaryBarSide->item(0)->setFocus();
        QTest::keyClick(d.dictionaryBarSide->item(0), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), d.dictionaryBarSide->item(1));
        EXPECT_EQ(d.dictionaryBarSide->itemIndex(), 1);
        d.searchAsTypedButton->setFocus();
        QTest::keyClick(d.searchAsTypedButton, Qt::Key_Right);
        EXPECT_TRUE(d.searchOnEnterButton->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.okButton);
        QTest::keyClick(d.okButton, Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.searchOnEnterButton);
        QTest::mouseClick(d.okButton, Qt::LeftButton);
    });
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar1")),
              Qt::BottomToolBarArea);
    EXPECT_FALSE(mainWindow->settingsOptions().searchAsTyped);
    whileModal(control<QAction>(mainWindow, "acNastaveni"), [&](QWidget* dialog) {
        ui::SettingsDialog& d = settings();
        QApplication::setActiveWindow(dialog);
        d.toolsBarFlat->setFocus();
        QTest::keyClick(d.toolsBarFlat, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.searchOnEnterButton);
        d.userDictionaryFolderField->setFocus();
        QTest::keyClick(d.userDictionaryFolderField, Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.searchOnEnterButton);
        d.reject();
    });
}

TEST_F(Dialogs, AboutPanelHasALoweredOuterAndARaisedInnerBevel) {
    start();
    auto* panel = about().findChild<QWidget*>("Panel1");
    ASSERT_NE(panel, nullptr);
    const QImage image = panel->grab().toImage();
    ASSERT_EQ(image.size(), panel->size());
    EXPECT_EQ(image.width(), 349); // taller only where the wrapped texts need it
    EXPECT_GE(image.height(), 161);
    const QRgb light = panel->palette().light().color().rgb();
    const QRgb dark = panel->palette().dark().color().rgb();
    ASSERT_NE(light, dark);
    const int midX = image.width() / 2, midY = image.height() / 2;
    const int right = image.width() - 1, bottom = image.height() - 1;
    // Outside: shadow above and left, light below and right.
    EXPECT_EQ(image.pixel(midX, 0), dark);
    EXPECT_EQ(image.pixel(0, midY), dark);
    EXPECT_EQ(image.pixel(midX, bottom), light);
    EXPECT_EQ(image.pixel(right, midY), light);
    // Inside it the other way round.
    EXPECT_EQ(image.pixel(midX, 1), light);
    EXPECT_EQ(image.pixel(1, midY), light);
    EXPECT_EQ(image.pixel(midX, bottom - 1), dark);
    EXPECT_EQ(image.pixel(right - 1, midY), dark);
}

TEST_F(Dialogs, AboutShowsTheHeaderOfTheOpenDictionary) {
    start();
    whileModal(control<QAction>(mainWindow, "acOprogramu"), [&](QWidget*) {
        EXPECT_EQ(about().updateDate->text(), "15.3.2001");
        EXPECT_EQ(about().wordStockVersion->text(), "?");
        for (const char* source : {"mythes-cs", "stardict-czech", "hunspell-cs", "iso-codes"})
            EXPECT_TRUE(about().wordStockSources->text().contains(QLatin1String(source))) << source;
        QTest::mouseClick(about().okButton, Qt::LeftButton);
    });
    QTest::keyClick(mainWindow, Qt::Key_F3);
    whileModal(control<QAction>(mainWindow, "acOprogramu"), [&](QWidget* box) {
        EXPECT_EQ(about().updateDate->text(), "1.1.2026");
        QTest::keyClick(box, Qt::Key_Return);
    });
    // "O programu" keeps the version it was given, written back unchanged.
    const std::string written = ini();
    EXPECT_NE(written.find("[O programu]\r\nFormVersion=0\r\nVerze_Caption=?\r\n"),
              std::string::npos);
}

TEST_F(Dialogs, AboutWithAnEmptyHeaderAndWithNoDictionaryOpen) {
    writeBytes(folder.file("mesta.dat"), wordRecord("") + wordRecord("PRAHA@ČESKO;"));
    std::filesystem::remove(folder.path() / "chzn.dat");
    start();
    QTest::keyClick(mainWindow, Qt::Key_F3);
    whileModal(control<QAction>(mainWindow, "acOprogramu"), [&](QWidget*) {
        EXPECT_EQ(about().updateDate->text(), "");
        about().accept();
    });
    QTest::keyClick(mainWindow, Qt::Key_F4); // no such dictionary: told, nothing open
    ASSERT_EQ(boxes.texts(), QStringList{"Tento slovník nebyl nalezen."});
    whileModal(control<QAction>(mainWindow, "acOprogramu"), [&](QWidget*) {
        EXPECT_EQ(boxes.texts().last(), "I/O error 103."); // before the box came up
        EXPECT_EQ(boxes.shown.back().caption, "Zadrovec");
        EXPECT_EQ(about().updateDate->text(), ""); // unchanged
        about().accept();
    });
}

TEST_F(Dialogs, AboutKeepsTheVersionGivenInTheSettingsFile) {
    writeIni("[O programu]\r\nVerze_Caption=7.12.2026\r\n");
    start();
    whileModal(control<QAction>(mainWindow, "acOprogramu"), [&](QWidget*) {
        EXPECT_EQ(about().wordStockVersion->text(), "7.12.2026");
        about().accept();
    });
    EXPECT_EQ(ini(), "[O programu]\r\nVerze_Caption=7.12.2026\r\nFormVersion=0\r\n");
}

TEST_F(Dialogs, TheFolderFieldTakesNoControlCharactersTypedOrPasted) {
    start();
    runSettings(
        [](ui::SettingsDialog& d) {
            QLineEdit* field = d.userDictionaryFolderField;
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, "/home/jana");
            QApplication::clipboard()->setText("/x\r\n[Menu]\r\nacHlavni_Caption=X");
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            field->insert(QStringLiteral("/y\x1b[31m"));
            field->insert(QStringLiteral("\t"));
            EXPECT_EQ(field->text(), "/home/jana");
            QApplication::clipboard()->setText("/slovník");
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(field->text(), "/home/jana/slovník");
        },
        true);
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder, "/home/jana/slovník");
    EXPECT_EQ(ui::FolderValidator::accepts("/a b/č"), true);
    EXPECT_EQ(ui::FolderValidator::accepts("/a\nb"), false);
    EXPECT_EQ(ui::FolderValidator::accepts(QString("/a") + QChar(0x85) + "b"), false);
    EXPECT_EQ(ui::FolderValidator::accepts("/a\x7f"), false);
    EXPECT_EQ(ui::FolderValidator::accepts("/日本"), false); // not in the code page
}
