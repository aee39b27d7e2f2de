// The settings dialog and the About box, shown modally from the main window's commands and
// driven as a user would.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit8.h"
#include "buttonbar.h"
#include "controls.h"
#include "foldervalidator.h"
#include "guitest.h"
#include "listbox.h"
#include "radiogroup.h"

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
#include <fstream>
#include <functional>
#include <sstream>

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

class Dialogs : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    ui::TForm1* form = nullptr;

    void SetUp() override {
        writeDictionary(folder, "hlavni", {"15.3.2001", "PES@HAFAN;", "PESEK@PSÍK;"});
        writeDictionary(folder, "mesta", {"1.1.2026", "PRAHA@ČESKO;"});
    }
    void start() {
        program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
        form = &program->mainWindow();
        form->show();
        QApplication::setActiveWindow(form);
        QCoreApplication::processEvents();
    }
    ui::Tnastaveniform& settings() { return program->settingsDialog(); }
    ui::TAboutBox& about() { return program->aboutBox(); }

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
        QApplication::setActiveWindow(form);
        QCoreApplication::processEvents();
    }
    void runSettings(const std::function<void(ui::Tnastaveniform&)>& change, bool ok) {
        whileModal(form->acNastaveni, [&](QWidget*) {
            change(settings());
            QTest::mouseClick(ok ? settings().BitBtn1 : settings().BitBtn2, Qt::LeftButton);
        });
    }
    std::string ini() const {
        std::ifstream in(std::string(testConfigHome().constData()) + "/zadrovec/zadrovec.ini",
                         std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

} // namespace

TEST_F(Dialogs, SettingsShowTheMainWindowsValuesAndStornoChangesNothing) {
    start();
    form->Cesta_k_uzivatelskemu_slovniku->setText("/data/slova");
    form->FormStorage1RestorePlacement();
    form->ToolBar2->setFlat(false);
    runSettings(
        [](ui::Tnastaveniform& d) {
            EXPECT_EQ(d.DirectoryEdit1->text(), "/data/slova");
            EXPECT_EQ(d.RadioGroup1->itemIndex(), 0);
            EXPECT_EQ(d.RadioGroup3->itemIndex(), 0);
            EXPECT_TRUE(d.CheckBox1->isChecked());
            EXPECT_FALSE(d.CheckBox4->isChecked());
            EXPECT_TRUE(d.RadioButton1->isChecked());
            d.RadioGroup1->setItemIndex(2);
            d.CheckBox1->setChecked(false);
            d.RadioButton2->setChecked(true);
            d.DirectoryEdit1->clear();
        },
        false);
    EXPECT_EQ(form->toolBarArea(form->ToolBar1), Qt::TopToolBarArea);
    EXPECT_TRUE(form->ToolBar1->showCaptions());
    EXPECT_TRUE(form->SearchImmediately);
    EXPECT_EQ(form->UserDictionaryFolder, "/data/slova");
    // The next showing shows the main window's values again.
    whileModal(form->acNastaveni, [&](QWidget* dialog) {
        EXPECT_EQ(settings().RadioGroup1->itemIndex(), 0);
        EXPECT_TRUE(settings().CheckBox1->isChecked());
        EXPECT_TRUE(settings().RadioButton1->isChecked());
        EXPECT_EQ(settings().DirectoryEdit1->text(), "/data/slova");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(form->UserDictionaryFolder, "/data/slova");
}

TEST_F(Dialogs, OkAppliesEverySettingAndTheNextSaveKeepsThem) {
    start();
    auto* vlevoItem = form->PopupToolMenu->findChild<QAction*>("Vlevo1");
    runSettings(
        [](ui::Tnastaveniform& d) {
            d.RadioGroup1->setItemIndex(2);
            d.RadioGroup4->setItemIndex(1);
            d.CheckBox1->setChecked(false);
            d.CheckBox4->setChecked(false);
            d.RadioButton2->setChecked(true);
            d.DirectoryEdit1->clear();
        },
        true);
    EXPECT_EQ(form->toolBarArea(form->ToolBar1), Qt::LeftToolBarArea);
    EXPECT_FALSE(vlevoItem->isChecked()); // the toolbar menu keeps its mark
    EXPECT_FALSE(form->ToolBar2->list());
    EXPECT_FALSE(form->ToolBar1->showCaptions());
    EXPECT_EQ(form->ToolBar1->buttonHeight(), 22);
    EXPECT_FALSE(form->ToolBar2->flat());
    EXPECT_TRUE(form->UserDictionaryFolder.isEmpty());
    EXPECT_EQ(form->Edit1->tag(), 1);
    // Typing no longer searches; Enter does.
    QTest::keyClicks(form->Edit1, "pes");
    EXPECT_TRUE(form->ListBox1->items().empty());
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    EXPECT_EQ(form->ListBox1->items().size(), 2u);

    form->close();
    const std::string written = ini();
    EXPECT_NE(written.find("Edit1_Tag=1\r\n"), std::string::npos);
    EXPECT_NE(written.find("ToolBar1_Align=alLeft\r\n"), std::string::npos);
    EXPECT_NE(written.find("ToolBar1_ShowCaptions=False\r\n"), std::string::npos);
    EXPECT_NE(written.find("Cesta_k_uzivatelskemu_slovniku_Caption=\r\n"), std::string::npos);
}

TEST_F(Dialogs, CaptionsShownAgainKeepTheHeightToTheToolbarAndTheFolderIsKeptAsTyped) {
    start();
    runSettings([](ui::Tnastaveniform& d) { d.CheckBox2->setChecked(false); }, true);
    EXPECT_EQ(form->ToolBar2->buttonHeight(), 22);
    form->ToolBar2->setButtonHeight(30);
    runSettings(
        [](ui::Tnastaveniform& d) {
            d.CheckBox2->setChecked(true);
            d.DirectoryEdit1->setText("/home/jana/slovnik");
        },
        true);
    EXPECT_TRUE(form->ToolBar2->showCaptions());
    EXPECT_EQ(form->ToolBar2->buttonHeight(), 30);
    EXPECT_EQ(form->UserDictionaryFolder, "/home/jana/slovnik");
    EXPECT_EQ(form->Cesta_k_uzivatelskemu_slovniku->text(), "/home/jana/slovnik");
}

TEST_F(Dialogs, FolderButtonStartsAtTheFieldsFolderAndACancelKeepsTheText) {
    start();
    QString startedAt;
    QString answer = QString::fromStdString(folder.path().string());
    ui::Tnastaveniform::chooseFolder = [&](QWidget*, const QString& start) {
        startedAt = start;
        return answer;
    };
    runSettings(
        [&](ui::Tnastaveniform& d) {
            d.DirectoryEdit1->setText("/no/such/folder");
            QTest::mouseClick(d.DirectoryEdit1Button, Qt::LeftButton);
            EXPECT_EQ(startedAt, "/");
            EXPECT_EQ(d.DirectoryEdit1->text(), answer);
            QTest::mouseClick(d.DirectoryEdit1Button, Qt::LeftButton);
            EXPECT_EQ(startedAt, answer);
            answer.clear(); // cancelled
            QTest::mouseClick(d.DirectoryEdit1Button, Qt::LeftButton);
            EXPECT_EQ(d.DirectoryEdit1->text(), QString::fromStdString(folder.path().string()));
        },
        true);
    EXPECT_EQ(form->UserDictionaryFolder, QString::fromStdString(folder.path().string()));
    ui::Tnastaveniform::chooseFolder = nullptr;
}

TEST_F(Dialogs, ChosenFolderTheSettingsCannotKeepIsRefusedAndTheFieldKeepsItsText) {
    start();
    const auto desktopDialog = ui::Tnastaveniform::chooseFolder;
    QString answer = QStringLiteral("/home/jana/Жук");
    ui::Tnastaveniform::chooseFolder = [&](QWidget*, const QString&) { return answer; };
    runSettings(
        [&](ui::Tnastaveniform& d) {
            d.DirectoryEdit1->setText("/data/slova");
            QTest::mouseClick(d.DirectoryEdit1Button, Qt::LeftButton);
            EXPECT_EQ(d.DirectoryEdit1->text(), "/data/slova");
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].kind, ui::MessageKind::Error);
            EXPECT_TRUE(boxes.shown[0].text.contains(answer)) << boxes.shown[0].text.toStdString();
            EXPECT_TRUE(boxes.shown[0].text.contains("znaky")) << boxes.shown[0].text.toStdString();
            // Czech letters fit the code page and are taken.
            answer = QStringLiteral("/data/Příliš žluťoučký kůň");
            QTest::mouseClick(d.DirectoryEdit1Button, Qt::LeftButton);
            EXPECT_EQ(d.DirectoryEdit1->text(), answer);
            EXPECT_EQ(boxes.shown.size(), 1u);
        },
        true);
    ui::Tnastaveniform::chooseFolder = desktopDialog;
    EXPECT_EQ(form->UserDictionaryFolder, answer);
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
        whileModal(form->acNastaveni, [&](QWidget* dialog) {
            ui::Tnastaveniform& d = settings();
            d.RadioGroup1->setItemIndex(state);
            d.RadioGroup2->setItemIndex(3 - state);
            d.RadioGroup3->setItemIndex(state % 3 - 1);
            d.RadioGroup4->setItemIndex((state + 1) % 3 - 1);
            (state % 2 ? d.RadioButton2 : d.RadioButton1)->setChecked(true);
            QApplication::setActiveWindow(dialog);
            d.RadioGroup1->item(state)->setFocus();
            const QWidgetList expected = {d.RadioGroup1->item(state),
                                          d.RadioGroup3->item(std::max(0, state % 3 - 1)),
                                          d.CheckBox1,
                                          d.CheckBox3,
                                          d.RadioGroup2->item(3 - state),
                                          d.RadioGroup4->item(std::max(0, (state + 1) % 3 - 1)),
                                          d.CheckBox2,
                                          d.CheckBox4,
                                          state % 2 ? d.RadioButton2 : d.RadioButton1,
                                          d.BitBtn1,
                                          d.BitBtn2,
                                          d.DirectoryEdit1,
                                          d.DirectoryEdit1Button};
            EXPECT_EQ(tabOrder(dialog), expected) << "state " << state;
            d.reject();
        });
    }
    // Arrows move inside a group, and Tab then enters it at the new item; a choice made this way
    // and taken with OK holds at the next showing.
    whileModal(form->acNastaveni, [&](QWidget* dialog) {
        ui::Tnastaveniform& d = settings();
        QApplication::setActiveWindow(dialog);
        d.RadioGroup1->item(0)->setFocus();
        QTest::keyClick(d.RadioGroup1->item(0), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), d.RadioGroup1->item(1));
        EXPECT_EQ(d.RadioGroup1->itemIndex(), 1);
        d.RadioButton1->setFocus();
        QTest::keyClick(d.RadioButton1, Qt::Key_Right);
        EXPECT_TRUE(d.RadioButton2->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.BitBtn1);
        QTest::keyClick(d.BitBtn1, Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.RadioButton2);
        QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
    });
    EXPECT_EQ(form->toolBarArea(form->ToolBar1), Qt::BottomToolBarArea);
    EXPECT_FALSE(form->SearchImmediately);
    whileModal(form->acNastaveni, [&](QWidget* dialog) {
        ui::Tnastaveniform& d = settings();
        QApplication::setActiveWindow(dialog);
        d.CheckBox4->setFocus();
        QTest::keyClick(d.CheckBox4, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.RadioButton2);
        d.DirectoryEdit1->setFocus();
        QTest::keyClick(d.DirectoryEdit1, Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.RadioButton2);
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
    whileModal(form->acOprogramu, [&](QWidget*) {
        EXPECT_EQ(about().Label5->text(), "15.3.2001");
        EXPECT_EQ(about().Verze->text(), "?");
        for (const char* source : {"mythes-cs", "stardict-czech", "hunspell-cs", "iso-codes"})
            EXPECT_TRUE(about().Label3->text().contains(QLatin1String(source))) << source;
        QTest::mouseClick(about().OKButton, Qt::LeftButton);
    });
    QTest::keyClick(form, Qt::Key_F3);
    whileModal(form->acOprogramu, [&](QWidget* box) {
        EXPECT_EQ(about().Label5->text(), "1.1.2026");
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
    QTest::keyClick(form, Qt::Key_F3);
    whileModal(form->acOprogramu, [&](QWidget*) {
        EXPECT_EQ(about().Label5->text(), "");
        about().accept();
    });
    QTest::keyClick(form, Qt::Key_F4); // no such dictionary: told, nothing open
    ASSERT_EQ(boxes.texts(), QStringList{"Tento slovník nebyl nalezen."});
    whileModal(form->acOprogramu, [&](QWidget*) {
        EXPECT_EQ(boxes.texts().last(), "I/O error 103."); // before the box came up
        EXPECT_EQ(boxes.shown.back().caption, "Zadrovec");
        EXPECT_EQ(about().Label5->text(), ""); // unchanged
        about().accept();
    });
}

TEST_F(Dialogs, AboutKeepsTheVersionGivenInTheSettingsFile) {
    const std::string dir = std::string(testConfigHome().constData()) + "/zadrovec";
    std::filesystem::create_directories(dir);
    writeBytes(dir + "/zadrovec.ini", "[O programu]\r\nVerze_Caption=7.12.2026\r\n");
    start();
    whileModal(form->acOprogramu, [&](QWidget*) {
        EXPECT_EQ(about().Verze->text(), "7.12.2026");
        about().accept();
    });
    EXPECT_EQ(ini(), "[O programu]\r\nVerze_Caption=7.12.2026\r\nFormVersion=0\r\n");
}

TEST_F(Dialogs, TheFolderFieldTakesNoControlCharactersTypedOrPasted) {
    start();
    runSettings(
        [](ui::Tnastaveniform& d) {
            QLineEdit* field = d.DirectoryEdit1;
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
    EXPECT_EQ(form->UserDictionaryFolder, "/home/jana/slovník");
    EXPECT_EQ(ui::FolderValidator::accepts("/a b/č"), true);
    EXPECT_EQ(ui::FolderValidator::accepts("/a\nb"), false);
    EXPECT_EQ(ui::FolderValidator::accepts(QString("/a") + QChar(0x85) + "b"), false);
    EXPECT_EQ(ui::FolderValidator::accepts("/a\x7f"), false);
    EXPECT_EQ(ui::FolderValidator::accepts("/日本"), false); // not in the code page
}
