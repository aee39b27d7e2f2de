// The settings file as the windows keep it: what a close writes, what the next start restores,
// and what happens with missing, malformed and unwritable settings.
#include "tests/ui/guitest.h"
#include "ui/characterswindow.h"
#include "ui/foundtextwindow.h"
#include "ui/mainwindow.h"
#include "ui/terminationsignal.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/spinedit.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <csignal>
#include <sstream>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

// The keys of a section, in file order.
QStringList keysOf(const std::string& ini, const std::string& section) {
    QStringList keys;
    std::istringstream lines(ini);
    std::string line;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + section + "]";
            continue;
        }
        if (inside && line.find('=') != std::string::npos)
            keys << QString::fromStdString(line.substr(0, line.find('=')));
    }
    return keys;
}

QStringList placementKeys() {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString size = QString("(%1x%2)").arg(screen.width()).arg(screen.height());
    return {"FormVersion", "MinMaxPos" + size, "NormPos" + size};
}

class SettingsFile : public ProgramTest {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni", {"1.1.2026", "PES@HAFAN;", "PESEK@PSÍK;"});
    }

    QAction* item(QMenu* menu, const char* name) { return menu->findChild<QAction*>(name); }
};

} // namespace

TEST_F(SettingsFile, FirstStartWithoutAnyFileUsesTheDefaultsAndWritesBothSections) {
    start();
    EXPECT_TRUE(mainWindow->isMaximized());
    EXPECT_EQ(control<QAction>(mainWindow, "acHlavniMesta")->text(), "Pomocný 1");
    EXPECT_EQ(control<QAction>(mainWindow, "acPodniky")->text(), "Pomocný 7");
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 2);
    EXPECT_TRUE(mainWindow->settingsOptions().searchAsTyped);
    EXPECT_FALSE(std::filesystem::exists(iniPath()));
    closeAndEnd();

    const std::string written = ini();
    const QStringList sized = placementKeys();
    QStringList mainKeys = {"FormVersion", "Flags",  "ShowCmd", "PixelsPerInch", sized[1],
                            "MinMaxPos",   sized[2], "NormPos", "Visible"};
    mainKeys << "SpinEdit1_Value"
             << "Vpravo1_Checked"
             << "Vlevo1_Checked"
             << "Dole1_Checked"
             << "Nahoe1_Checked"
             << "ToolBar1_Align"
             << "Panel2_Width"
             << "ToolBar2_Align"
             << "Nahoe2_Checked"
             << "Dole2_Checked"
             << "Vlevo2_Checked"
             << "Vpravo2_Checked"
             << "Popiskypodikonama1_Checked"
             << "Popiskypodikonama2_Checked"
             << "Popiskyvedleikon1_Checked"
             << "Popiskyvedleikon2_Checked"
             << "ToolBar1_List"
             << "ToolBar2_List"
             << "Edit1_Tag"
             << "ToolBar1_ShowCaptions"
             << "ToolBar2_ShowCaptions"
             << "ToolBar1_Flat"
             << "ToolBar2_Flat"
             << "Cesta_k_uzivatelskemu_slovniku_Caption";
    EXPECT_EQ(keysOf(written, "Main window"), mainKeys);
    QStringList menuKeys = {"FormVersion"};
    for (const char* a : {"acHlavni", "acHlavniMesta", "acChemickeZnacky", "acMeny", "acMPZSPZ",
                          "acOsobnosti", "acOznaceniLetadel", "acPodniky", "acPostavy", "acUziv"})
        menuKeys << QString(a) + "_Caption" << QString(a) + "_Hint";
    EXPECT_EQ(keysOf(written, "Menu"), menuKeys);
    // "Main window" is saved before "Menu"; values as the controls hold them.
    EXPECT_LT(written.find("[Main window]"), written.find("[Menu]"));
    EXPECT_NE(written.find("ShowCmd=3\r\n"), std::string::npos);
    EXPECT_NE(written.find("Visible=0\r\n"), std::string::npos);
    EXPECT_NE(written.find("ToolBar1_Align=alTop\r\n"), std::string::npos);
    EXPECT_NE(written.find("Nahoe1_Checked=True\r\n"), std::string::npos);
    EXPECT_NE(written.find("Cesta_k_uzivatelskemu_slovniku_Caption=\r\n"), std::string::npos);
    EXPECT_EQ(written.find("acHledej"), std::string::npos); // only the ten dictionary commands
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsFile, TheCopyBesideTheProgramSeedsTheSettingsOnce) {
    writeBytes(folder.file("zadrovec.ini"), "[Menu]\r\nacHlavniMesta_Caption=M\xec"
                                            "sta\r\nacHlavniMesta_Hint=Hlavn\xed m\xec"
                                            "sta\r\n");
    start();
    EXPECT_EQ(control<QAction>(mainWindow, "acHlavniMesta")->text(), "Města");
    EXPECT_EQ(control<QAction>(mainWindow, "acHlavniMesta")->toolTip(), "Hlavní města");
    closeAndEnd();
    writeBytes(folder.file("zadrovec.ini"), "[Menu]\r\nacHlavniMesta_Caption=Jiné\r\n");
    start();
    EXPECT_EQ(control<QAction>(mainWindow, "acHlavniMesta")->text(),
              "Města"); // the settings file is never replaced
}

TEST_F(SettingsFile, EveryStoredPropertySurvivesARestart) {
    start();
    mainWindow->showNormal();
    mainWindow->searchFromLetter()->setValue(5);
    item(control<QMenu>(mainWindow, "PopupToolMenu"), "Dole1")->trigger();
    item(control<QMenu>(mainWindow, "PopupToolMenu2"), "Vpravo2")->trigger();
    item(control<QMenu>(mainWindow, "PopupToolMenu2"), "Popiskypodikonama2")->trigger();
    control<ui::ButtonBar>(mainWindow, "ToolBar1")->setShowCaptions(false);
    control<ui::ButtonBar>(mainWindow, "ToolBar2")->setFlat(false);
    mainWindow->searchField()->setTag(1);
    control<QLabel>(mainWindow, "Cesta_k_uzivatelskemu_slovniku")->setText("/home/jana/slovnik");
    control<ui::Panel>(mainWindow, "Panel2")->setPanelWidth(180);
    mainWindow->setGeometry(40, 50, 600, 420);
    restart();

    EXPECT_FALSE(mainWindow->isMaximized());
    EXPECT_EQ(mainWindow->geometry(), QRect(40, 50, 600, 420));
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 5);
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar1")),
              Qt::BottomToolBarArea);
    EXPECT_TRUE(item(control<QMenu>(mainWindow, "PopupToolMenu"), "Dole1")->isChecked());
    EXPECT_FALSE(item(control<QMenu>(mainWindow, "PopupToolMenu"), "Nahoe1")->isChecked());
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar2")),
              Qt::RightToolBarArea);
    EXPECT_TRUE(item(control<QMenu>(mainWindow, "PopupToolMenu2"), "Vpravo2")->isChecked());
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->list());
    EXPECT_TRUE(
        item(control<QMenu>(mainWindow, "PopupToolMenu2"), "Popiskypodikonama2")->isChecked());
    EXPECT_FALSE(
        item(control<QMenu>(mainWindow, "PopupToolMenu2"), "Popiskyvedleikon2")->isChecked());
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar1")->showCaptions());
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->flat());
    EXPECT_EQ(mainWindow->searchField()->tag(), 1);
    EXPECT_FALSE(mainWindow->settingsOptions().searchAsTyped);
    EXPECT_EQ(mainWindow->settingsOptions().userDictionaryFolder, "/home/jana/slovnik");
    EXPECT_EQ(control<ui::Panel>(mainWindow, "Panel2")->width(), 180);
}

TEST_F(SettingsFile, MalformedValuesAreTakenAsTheRulesSay) {
    writeIni("[Main window]\r\nSpinEdit1_Value=99\r\nPanel2_Width=abc\r\nToolBar1_Align=top\r\n"
             "Nahoe1_Checked=false\r\nDole1_Checked=true\r\nToolBar2_List=maybe\r\n"
             "Edit1_Tag=7\r\n");
    start();
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 50);
    EXPECT_EQ(control<ui::Panel>(mainWindow, "Panel2")->width(),
              control<ui::Panel>(mainWindow, "Panel2")->minimumWidth()); // 0, held at the minimum
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar1")),
              Qt::TopToolBarArea);
    EXPECT_TRUE(item(control<QMenu>(mainWindow, "PopupToolMenu"), "Dole1")->isChecked());
    EXPECT_TRUE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->list());
    EXPECT_FALSE(mainWindow->settingsOptions().searchAsTyped); // any tag but 0: search on Enter
    restart();
    EXPECT_NE(ini().find("SpinEdit1_Value=50\r\n"), std::string::npos);

    closeAndEnd();
    writeIni("[Main window]\r\nSpinEdit1_Value=0\r\n");
    start();
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 1);
}

TEST_F(SettingsFile, NegativeFormVersionSkipsTheWholeRestore) {
    writeIni("[Main window]\r\nFormVersion=-1\r\nShowCmd=1\r\nSpinEdit1_Value=7\r\n");
    start();
    EXPECT_FALSE(mainWindow->isMaximized()); // not even the default state is applied
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 2);
    EXPECT_FALSE(
        mainWindow->settingsOptions().searchAsTyped); // the after-restore notification did not run
    QTest::keyClicks(mainWindow->searchField(), "pes");
    EXPECT_TRUE(mainWindow->foundWordsList()->items().empty());
}

TEST_F(SettingsFile, StoredStatesAndPositions) {
    writeIni("[Main window]\r\nShowCmd=1\r\nPixelsPerInch=120\r\nNormPos=10,20,410,320\r\n");
    start();
    EXPECT_FALSE(mainWindow->isMaximized());                    // the state applies
    EXPECT_NE(mainWindow->geometry(), QRect(10, 20, 400, 300)); // another screen: the position not
    closeAndEnd();

    writeIni("[Main window]\r\nShowCmd=1\r\nNormPos(640x480)=1,1,99,99\r\nNormPos=10,20,410,"
             "320\r\n");
    start();
    EXPECT_EQ(mainWindow->geometry(), QRect(10, 20, 400, 300)); // the plain one for another size
    closeAndEnd();

    writeIni("[Main window]\r\nShowCmd=2\r\n");
    start();
    EXPECT_TRUE(QTest::qWaitFor([this] { return mainWindow->isMinimized(); }));
}

TEST_F(SettingsFile, QuotedCaptionsSurviveAndBlanksAreStripped) {
    writeIni("[Menu]\r\nacMeny_Caption=\"\"M\xec"
             "ny\"\"\r\nacMPZSPZ_Caption=   SPZ\r\n");
    start();
    EXPECT_EQ(control<QAction>(mainWindow, "acMeny")->text(), "\"Měny\"");
    EXPECT_EQ(control<QAction>(mainWindow, "acMPZSPZ")->text(), "SPZ");
    restart();
    EXPECT_EQ(control<QAction>(mainWindow, "acMeny")->text(), "\"Měny\"");
    EXPECT_NE(ini().find("acMeny_Caption=\"\"M\xec"
                         "ny\"\"\r\n"),
              std::string::npos);
}

TEST_F(SettingsFile, UnwritableFileIsReportedAndTheProgramStillEnds) {
    std::filesystem::create_directories(iniPath()); // a folder where the file should be
    // Closed by the user: a box at the close, and again when the window is destroyed.
    start();
    closeAndEnd();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Unable to write to zadrovec.ini.");
    EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
    EXPECT_TRUE(std::filesystem::is_directory(iniPath()));

    // Closed by SIGTERM: the same two reports on standard error, no box to wait for an answer.
    boxes.shown.clear();
    start();
    ui::closeOnTerminationSignal(*mainWindow);
    ::testing::internal::CaptureStderr();
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !mainWindow->isVisible(); }));
    program.reset();
    const QString errors = QString::fromStdString(::testing::internal::GetCapturedStderr());
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(errors.count("zadrovec: Unable to write to zadrovec.ini.\n"), 2)
        << errors.toStdString();
}

TEST_F(SettingsFile, GarbageSettingsNeverStopTheProgram) {
    std::string garbage;
    for (int i = 0; i < 200'000; ++i)
        garbage += static_cast<char>((i * 7919) % 251);
    garbage += "\r\n[Main window]\r\nSpinEdit1_Value=3\r\n" + std::string(1 << 20, 'x') + "\r\n";
    writeIni(garbage);
    start();
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 3);
    closeAndEnd();
    const std::string after = ini();
    EXPECT_EQ(after.substr(0, 200'000), garbage.substr(0, 200'000)); // the rest is kept
    EXPECT_NE(after.find(std::string(1 << 20, 'x')), std::string::npos);
}

TEST_F(SettingsFile, FoundWindowAndCharactersWindowKeepTheirSections) {
    const std::string foundSection = cp("Okno nalezených výrazů");
    writeIni("[Window Postavy]\r\nShowCmd=3\r\nNormPos=30,40,530,440\r\n[" + foundSection +
             "]\r\nPanel2_Width=120\r\n");
    start();
    ui::CharactersWindow& characters = program->charactersWindow();
    characters.show();
    EXPECT_FALSE(characters.isMaximized()); // a stored state is no concern of this window
    EXPECT_EQ(characters.geometry(), QRect(30, 40, 500, 400));
    characters.close();

    ui::FoundTextWindow& found = program->foundWindow();
    found.searchText = "PES";
    found.show();
    EXPECT_EQ(found.wordsColumn->width(), 120);
    EXPECT_FALSE(found.isMaximized());
    found.wordsColumn->setPanelWidth(150);
    found.close();

    const std::string written = ini();
    const QStringList sized = placementKeys();
    const QStringList placement = {"FormVersion", "Flags",  "ShowCmd", "PixelsPerInch", sized[1],
                                   "MinMaxPos",   sized[2], "NormPos", "Visible"};
    // Keys already there keep their places; the others follow the section's last key.
    const QStringList characterKeys = {"ShowCmd",   "NormPos",       "FormVersion",
                                       "Flags",     "PixelsPerInch", sized[1],
                                       "MinMaxPos", sized[2],        "Visible"};
    EXPECT_EQ(keysOf(written, "Window Postavy"), characterKeys);
    EXPECT_EQ(keysOf(written, foundSection), QStringList{"Panel2_Width"} + placement);
    EXPECT_NE(written.find("Panel2_Width=150\r\n"), std::string::npos);
}

TEST_F(SettingsFile, ExtremeNumbersArePlacedWithinReachAndWrittenBackSane) {
    const std::string found = cp("Okno nalezených výrazů");
    writeIni("[Main window]\r\nShowCmd=1\r\nNormPos=-2147483648,-2147483648,2147483647,"
             "2147483647\r\nMinMaxPos=-2147483648,-2147483648,2147483647,2147483647\r\n"
             "Panel2_Width=-2147483648\r\n[Window Postavy]\r\nNormPos=2147483647,2147483647,"
             "-2147483648,-2147483648\r\n[" +
             found +
             "]\r\nNormPos=2147483000,-2147483000,2147483647,2147483647\r\n"
             "Panel2_Width=2147483647\r\n");
    start();
    EXPECT_EQ(control<ui::Panel>(mainWindow, "Panel2")->width(),
              control<ui::Panel>(mainWindow, "Panel2")->minimumWidth());
    EXPECT_GE(mainWindow->geometry().left(), -32767);
    EXPECT_LE(mainWindow->geometry().width(),
              QGuiApplication::primaryScreen()->virtualSize().width());
    program->charactersWindow().show(); // right before left: not applied
    program->charactersWindow().close();
    ui::FoundTextWindow& foundWindow = program->foundWindow();
    foundWindow.searchText = "PES";
    foundWindow.show();
    EXPECT_GE(foundWindow.wordsColumn->width(), 0);
    foundWindow.close();
    closeAndEnd();

    // What was written reads back as four numbers each, all within int.
    const std::string written = ini();
    for (std::size_t at = written.find("NormPos="); at != std::string::npos;
         at = written.find("NormPos=", at + 1)) {
        const std::string line = written.substr(at + 8, written.find('\r', at) - at - 8);
        const QStringList numbers = QString::fromStdString(line).split(',');
        ASSERT_EQ(numbers.size(), 4) << line;
        for (const QString& number : numbers) {
            bool ok = false;
            number.toInt(&ok);
            EXPECT_TRUE(ok) << line;
        }
    }
    EXPECT_FALSE(boxes.texts().join("\n").contains("Unable to write")); // every save went through
}

TEST_F(SettingsFile, AFolderWithLineBreaksFailsTheSaveAndAddsNoLines) {
    writeIni("[Main window]\r\nSpinEdit1_Value=4\r\n");
    start();
    control<QLabel>(mainWindow, "Cesta_k_uzivatelskemu_slovniku")
        ->setText("/a\r\n[Menu]\r\nacHlavni_Caption=X");
    closeAndEnd();
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text, "Unable to write to zadrovec.ini.");
    EXPECT_EQ(ini().find("acHlavni_Caption=X"), std::string::npos);
    EXPECT_EQ(ini().find("[Main window]\r\nSpinEdit1_Value=4\r\n"), 0u);
}
