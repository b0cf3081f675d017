#include "app/qt/MainFrame.h"
#include "ShellTestSupport.h"
#include "app/qt/ChildFrame.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/FileIo.h"
#include "editors/settings/qt/ModelView.h"
#include "image/CodeplugFile.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vmr {
namespace {

using test::ByteView;
using test::ScriptedPrompter;
using test::UseTestFolder;

constexpr std::size_t kChannelByte = 0xE000; // bytes the stand-in editors show
constexpr std::size_t kSharedByte = 0xE001;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const std::string d = dir.path().toStdString();
        ctx.settings.AppDir = d + "/";
        ctx.settings.DataDir = d + "/DATA";
        ctx.settings.ModelName = "VMR-417";
        ctx.settings.ModelDataFile = "VMR-417.dat";
        ctx.settings.CompanyName = "Korvane";
        ctx.settings.ComPort = "/dev/ttyUSB0";
        ctx.settings.HelpFile = d + "/enHelp.chm";
        ctx.settings.DefaultDataPath = std::string(VMR_BIN_DIR) + "/Default.dat";
        ctx.ini.SetPath(d + "/Program.ini");

        registry.RegisterView(EditorId::ChannelSetting, [this](AppContext& c, QWidget*) {
            return channel = new ByteView(c.image, kChannelByte, 32778);
        });
        registry.RegisterView(EditorId::Dtmf, [this](AppContext& c, QWidget*) {
            return dtmf = new ByteView(c.image, kSharedByte, 32784);
        });
        registry.RegisterView(EditorId::TwoTone, [this](AppContext& c, QWidget*) {
            return twoTone = new ByteView(c.image, kSharedByte, 32785);
        });
        RegisterModelView(registry);
        registry.RegisterDialog(EditorId::FrequencyRange,
                                [this](AppContext&, QWidget*) { ++rangeDialogs; });

        frame = std::make_unique<CMainFrame>(ctx, registry);
        auto p = std::make_unique<ScriptedPrompter>();
        prompter = p.get();
        frame->SetPrompter(std::move(p));
        frame->SetRadioDialogs(
            [this](RadioDirection dirn, AppContext& c, QWidget*) {
                transfers.push_back(dirn);
                if (dirn == RadioDirection::Read && transferSucceeds) c.image[kSharedByte] = 77;
                return transferSucceeds;
            },
            [this](AppContext& c, QWidget*) {
                c.settings.ComPort = "/dev/ttyS3";
                return portOk;
            });
        frame->show();
    }

    void ClickTree(const QString& text) {
        QTreeWidget* tree = frame->Tree();
        const auto items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty()) << text.toStdString();
        const QRect r = tree->visualItemRect(items.first());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
    }
    int Windows() const { return static_cast<int>(frame->MdiArea()->subWindowList().size()); }
    void Activate(EditorId id) { frame->MdiArea()->setActiveSubWindow(frame->EditorFrame(id)); }
    QString WriteCodeplug(const QString& name, std::uint8_t shared) {
        RadioImage image = ctx.image;
        image[kSharedByte] = shared;
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteCodeplugFile(path, image, ctx.tones).ok);
        return path;
    }

    QTemporaryDir dir;
    AppContext ctx;
    EditorRegistry registry;
    ByteView* channel = nullptr;
    ByteView* dtmf = nullptr;
    ByteView* twoTone = nullptr;
    int rangeDialogs = 0;
    bool transferSucceeds = true;
    bool portOk = true;
    std::vector<RadioDirection> transfers;
    ScriptedPrompter* prompter = nullptr;
    std::unique_ptr<CMainFrame> frame;
};

// A maximised editor window adds " - [title]" to the main window's title, as
// multiple-document windows do; the title of the main window itself comes first.
QString OwnTitle(const QMainWindow& w) {
    return w.windowTitle().section(" - [", 0, 0);
}

TEST_F(MainFrameTest, StartsOnTheDefaultDataWithTheChannelEditorMaximised) {
    EXPECT_EQ(OwnTitle(*frame), "VMR-417");
    ASSERT_NE(frame->EditorFrame(EditorId::ChannelSetting), nullptr);
    EXPECT_TRUE(frame->EditorFrame(EditorId::ChannelSetting)->isMaximized());
    EXPECT_EQ(frame->EditorFrame(EditorId::ChannelSetting)->windowTitle(), "Channel setting");
    EXPECT_EQ(frame->ComPane()->text(), "/dev/ttyUSB0");
    EXPECT_EQ(frame->FreqPane()->text(), "");
    EXPECT_EQ(frame->TreeBar()->windowTitle(), "Tree Bar");

    QStringList items;
    QTreeWidgetItem* root = frame->Tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "VMR-417");
    EXPECT_TRUE(root->isExpanded());
    for (int i = 0; i < root->childCount(); ++i) items << root->child(i)->text(0);
    EXPECT_EQ(items, QStringList({"Channel setting", "VFO", "Scan channel", "Basic setting", "DTMF",
                                  "2Tone", "5Tone", "Model", "Frequency range"}));
    EXPECT_FALSE(HasUnsavedChanges(ctx));
}

TEST_F(MainFrameTest, TreeOpensOneWindowPerEditorAndASecondClickDoesNothing) {
    ClickTree("DTMF");
    ASSERT_NE(dtmf, nullptr);
    EXPECT_EQ(Windows(), 2);
    EXPECT_EQ(frame->EditorFrame(EditorId::Dtmf)->windowTitle(), "DTMF");
    const int refreshes = dtmf->refreshes;
    ClickTree("DTMF");
    EXPECT_EQ(Windows(), 2);
    EXPECT_EQ(dtmf->refreshes, refreshes);

    ClickTree("Model");
    EXPECT_EQ(Windows(), 3);
    EXPECT_EQ(frame->EditorFrame(EditorId::Model)->windowTitle(), "Modle");
    ClickTree("5Tone"); // nothing registered: no window
    EXPECT_EQ(Windows(), 3);
    ClickTree("VMR-417"); // the root
    EXPECT_EQ(Windows(), 3);
}

TEST_F(MainFrameTest, AClickIsResolvedByTheItemText) {
    // A model named like an editor: its root item runs that editor.
    frame->Tree()->topLevelItem(0)->setText(0, "DTMF");
    ClickTree("DTMF");
    EXPECT_NE(frame->EditorFrame(EditorId::Dtmf), nullptr);
}

TEST_F(MainFrameTest, SwitchingWindowsCommitsTheOneLeftAndRefreshesTheOneEntered) {
    frame->OpenEditor(EditorId::Dtmf);
    frame->OpenEditor(EditorId::TwoTone);
    ASSERT_NE(twoTone, nullptr);
    Activate(EditorId::Dtmf);
    dtmf->edit->setText("42");
    const int commits = dtmf->commits;
    Activate(EditorId::TwoTone);
    EXPECT_EQ(dtmf->commits, commits + 1);
    EXPECT_EQ(ctx.image[kSharedByte], 42);
    EXPECT_EQ(twoTone->edit->text(), "42");
}

TEST_F(MainFrameTest, ClosingAnEditorCommitsAndReopeningMakesAFreshWindow) {
    frame->OpenEditor(EditorId::Dtmf);
    ByteView* first = dtmf;
    dtmf->edit->setText("9");
    frame->EditorFrame(EditorId::Dtmf)->CloseButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->EditorFrame(EditorId::Dtmf), nullptr);
    EXPECT_EQ(ctx.image[kSharedByte], 9);
    frame->OpenEditor(EditorId::Dtmf);
    EXPECT_NE(dtmf, first);
    EXPECT_EQ(dtmf->edit->text(), "9");
}

TEST_F(MainFrameTest, NewAsksFirstAndNoChangesNothing) {
    ctx.image[kSharedByte] = 5;
    ctx.CurrentFile = "/x/y.dat";
    prompter->answer = Prompter::Answer::No;
    frame->Command(cmd::kNew);
    ASSERT_EQ(prompter->asked.size(), 1);
    EXPECT_EQ(prompter->asked[0], "Warnning|Clear all data! \ncontinue?");
    EXPECT_EQ(ctx.image[kSharedByte], 5);
    EXPECT_EQ(ctx.CurrentFile, "/x/y.dat");

    prompter->answer = Prompter::Answer::Yes;
    const int refreshes = channel->refreshes;
    frame->Command(cmd::kNew);
    EXPECT_EQ(ctx.image[kSharedByte], 0xFF); // Default.dat leaves it unused
    EXPECT_EQ(ctx.CurrentFile, "");
    EXPECT_EQ(OwnTitle(*frame), "VMR-417");
    EXPECT_GT(channel->refreshes, refreshes);
}

TEST_F(MainFrameTest, OpenRefreshesTheOpenEditorsAndSaveWritesBackWithoutADialog) {
    frame->OpenEditor(EditorId::Dtmf);
    prompter->openPath = WriteCodeplug("club.dat", 33);
    frame->Command(cmd::kOpen);
    EXPECT_TRUE(prompter->told.isEmpty());
    EXPECT_EQ(prompter->openDirs.value(0), dir.path() + "/DATA");
    EXPECT_EQ(dtmf->edit->text(), "33");
    EXPECT_EQ(Windows(), 2); // the set of windows is unchanged
    EXPECT_EQ(OwnTitle(*frame), "VMR-417 [ " + dir.filePath("club.dat") + " ]");

    Activate(EditorId::Dtmf);
    dtmf->edit->setText("34");
    frame->Command(cmd::kSave);
    EXPECT_TRUE(prompter->saveProposals.isEmpty());
    AppContext reread;
    ASSERT_TRUE(
        ReadCodeplugFile(dir.filePath("club.dat").toStdString(), reread.image, reread.tones).ok);
    EXPECT_EQ(reread.image[kSharedByte], 34);
    EXPECT_EQ(reread.image[addr::kCommitFlags] & 0x03, 0);
}

TEST_F(MainFrameTest, TitleFollowsTheFileWhileAnEditorIsMaximised) {
    ASSERT_TRUE(frame->EditorFrame(EditorId::ChannelSetting)->isMaximized());
    prompter->openPath = WriteCodeplug("m.dat", 1);
    frame->Command(cmd::kOpen);
    const QString expected = "VMR-417 [ " + dir.filePath("m.dat") + " ]";
    EXPECT_EQ(OwnTitle(*frame), expected);
    frame->EditorFrame(EditorId::ChannelSetting)->showNormal();
    EXPECT_EQ(frame->windowTitle(), expected);
    frame->EditorFrame(EditorId::ChannelSetting)->showMaximized();
    prompter->answer = Prompter::Answer::Yes;
    frame->Command(cmd::kNew);
    frame->EditorFrame(EditorId::ChannelSetting)->showNormal();
    EXPECT_EQ(frame->windowTitle(), "VMR-417");
}

TEST_F(MainFrameTest, OpenWithNoWindowOpensTheChannelEditor) {
    frame->EditorFrame(EditorId::ChannelSetting)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(), 0);
    prompter->openPath = WriteCodeplug("a.dat", 1);
    frame->Command(cmd::kOpen);
    EXPECT_EQ(Windows(), 1);
    EXPECT_NE(frame->EditorFrame(EditorId::ChannelSetting), nullptr);
}

TEST_F(MainFrameTest, ARefusedFileChangesNothing) {
    QFile bad(dir.filePath("bad.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(5000, 'x'));
    bad.close();
    ctx.image[kSharedByte] = 12;
    frame->CommitAllViews();
    const RadioImage before = ctx.image;
    prompter->answer = Prompter::Answer::No; // the change above need not be saved
    prompter->openPath = bad.fileName();
    frame->Command(cmd::kOpen);
    ASSERT_EQ(prompter->told.size(), 1);
    EXPECT_TRUE(prompter->told[0].startsWith("VMR-417|"));
    EXPECT_TRUE(ctx.image == before);
    EXPECT_EQ(ctx.CurrentFile, "");
    EXPECT_EQ(OwnTitle(*frame), "VMR-417");
}

TEST_F(MainFrameTest, OpenWithUnsavedEditsOffersASaveFirst) {
    const QString other = WriteCodeplug("other.dat", 40);
    prompter->openPath = other;
    frame->OpenEditor(EditorId::Dtmf);
    dtmf->edit->setText("41");

    prompter->answer = Prompter::Answer::Cancel; // keep the edits: no file dialog
    frame->Command(cmd::kOpen);
    EXPECT_EQ(prompter->asked.size(), 1);
    EXPECT_TRUE(prompter->openDirs.isEmpty());
    EXPECT_EQ(ctx.image[kSharedByte], 41);

    prompter->answer = Prompter::Answer::Yes; // saved, then the other file opens
    prompter->savePath = dir.filePath("edits.dat");
    frame->Command(cmd::kOpen);
    AppContext saved;
    ASSERT_TRUE(
        ReadCodeplugFile(dir.filePath("edits.dat").toStdString(), saved.image, saved.tones).ok);
    EXPECT_EQ(saved.image[kSharedByte], 41);
    EXPECT_EQ(ctx.image[kSharedByte], 40);
    EXPECT_EQ(dtmf->edit->text(), "40");

    prompter->asked.clear(); // nothing changed since: no question
    frame->Command(cmd::kOpen);
    EXPECT_TRUE(prompter->asked.isEmpty());

    dtmf->edit->setText("42"); // answered No: the edits go
    prompter->answer = Prompter::Answer::No;
    frame->Command(cmd::kOpen);
    EXPECT_EQ(prompter->asked.size(), 1);
    EXPECT_EQ(ctx.image[kSharedByte], 40);
}

TEST_F(MainFrameTest, SaveAfterNewProposesTheModelDataFile) {
    prompter->savePath = dir.filePath("first.dat");
    frame->Command(cmd::kSave);
    EXPECT_EQ(prompter->saveProposals, QStringList({"VMR-417.dat"}));
    EXPECT_TRUE(QFile::exists(dir.filePath("first.dat")));
    EXPECT_EQ(QFile(dir.filePath("first.dat")).size(), 69632);
    EXPECT_EQ(ctx.CurrentFile, dir.filePath("first.dat").toStdString());
    EXPECT_EQ(OwnTitle(*frame), "VMR-417 [ " + dir.filePath("first.dat") + " ]");

    frame->Command(cmd::kSave); // the second save goes to the same file
    EXPECT_EQ(prompter->saveProposals.size(), 1);
}

TEST_F(MainFrameTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    prompter->savePath = dir.filePath("missing-folder/x.dat");
    frame->Command(cmd::kSaveAs);
    ASSERT_EQ(prompter->told.size(), 1);
    EXPECT_EQ(ctx.CurrentFile, "");
    EXPECT_EQ(OwnTitle(*frame), "VMR-417");
}

TEST_F(MainFrameTest, CommitAllViewsCommitsEveryEditorAndClearsTheCommitFlags) {
    frame->OpenEditor(EditorId::Dtmf);
    ctx.image[addr::kCommitFlags] = 0xFF;
    dtmf->edit->setText("21");
    frame->CommitAllViews();
    EXPECT_EQ(ctx.image[kSharedByte], 21);
    EXPECT_EQ(ctx.image[addr::kCommitFlags], 0xFC);
}

TEST_F(MainFrameTest, CommandsReachTheActiveViewFirst) {
    channel->handles = {cmd::kRead, cmd::kPrint};
    Activate(EditorId::ChannelSetting);
    frame->Command(cmd::kRead);
    EXPECT_EQ(channel->handled, std::vector<int>({cmd::kRead}));
    EXPECT_TRUE(transfers.empty());

    frame->OpenEditor(EditorId::Dtmf); // another editor active: the main window reads
    frame->Command(cmd::kRead);
    EXPECT_EQ(transfers.size(), 1);
}

TEST_F(MainFrameTest, ReadCommitsThenRefreshesOnSuccessOnly) {
    frame->OpenEditor(EditorId::Dtmf);
    dtmf->edit->setText("3");
    transferSucceeds = false;
    frame->Command(cmd::kRead);
    EXPECT_EQ(ctx.image[kSharedByte], 3); // committed before the transfer
    EXPECT_EQ(dtmf->edit->text(), "3");

    transferSucceeds = true;
    frame->Command(cmd::kRead);
    EXPECT_EQ(dtmf->edit->text(), "77");
    EXPECT_FALSE(HasUnsavedChanges(ctx));

    dtmf->edit->setText("4");
    frame->Command(cmd::kWrite);
    EXPECT_EQ(transfers.back(), RadioDirection::Write);
    EXPECT_EQ(ctx.image[kSharedByte], 4);
}

TEST_F(MainFrameTest, PortShowsTheChosenPortOnlyAfterOk) {
    portOk = false;
    frame->Command(cmd::kPort);
    EXPECT_EQ(frame->ComPane()->text(), "/dev/ttyUSB0");
    portOk = true;
    frame->Command(cmd::kPort);
    EXPECT_EQ(frame->ComPane()->text(), "/dev/ttyS3");
}

TEST_F(MainFrameTest, FrequencyRangeIsFollowedByTheChannelCheck) {
    RefreshBandLimits(ctx.bandLimits, ctx.image);
    ctx.image.Fill(0x0100 + 32 * 5, 4, 0x00); // channel 6 at 10 kHz: in no band
    ctx.image[0x0100 + 32 * 5 + 1] = 0x10;
    ClickTree("Frequency range");
    EXPECT_EQ(rangeDialogs, 1);
    EXPECT_EQ(ctx.image[0x0100 + 32 * 5 + 3], 0xFF); // the default record: no frequency
    EXPECT_GE(channel->refreshes, 2);
}

TEST_F(MainFrameTest, HelpWithoutAHelpFileNamesTheTopicInTheStatusBar) {
    frame->OpenEditor(EditorId::Model);
    frame->Command(cmd::kHelp);
    EXPECT_EQ(frame->Help().LastContext(), 0x10000 + 200);
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains("65736"));

    frame->EditorFrame(EditorId::Model)->HelpButton()->click();
    EXPECT_EQ(frame->Help().LastContext(), 0x10000 + 200);
}

TEST_F(MainFrameTest, ToggleCommandsShowAndHideTheBars) {
    QAction* tree = frame->Action(cmd::kTreeView);
    EXPECT_EQ(tree->text(), "Tree View");
    EXPECT_TRUE(tree->isChecked());
    frame->Command(cmd::kTreeView);
    EXPECT_TRUE(frame->TreeBar()->isHidden());
    EXPECT_FALSE(tree->isChecked());
    frame->Command(cmd::kTreeView);
    EXPECT_FALSE(frame->TreeBar()->isHidden());
    EXPECT_TRUE(tree->isChecked());
    // The tool bar and status bar follow their own state, not whether the main
    // window happens to be on screen (it is hidden during a print preview).
    frame->hide();
    for (int id : {cmd::kToolBar, cmd::kStatusBar}) {
        QWidget* bar = id == cmd::kToolBar ? static_cast<QWidget*>(frame->ToolBar())
                                           : static_cast<QWidget*>(frame->statusBar());
        frame->Command(id);
        EXPECT_TRUE(bar->isHidden()) << id;
        EXPECT_FALSE(frame->Action(id)->isChecked()) << id;
        frame->Command(id);
        EXPECT_FALSE(bar->isHidden()) << id;
        EXPECT_TRUE(frame->Action(id)->isChecked()) << id;
    }
    frame->show();
    EXPECT_EQ(frame->Action(cmd::kNew)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame->Action(cmd::kPrint)->shortcut(), QKeySequence("Ctrl+P"));
}

TEST_F(MainFrameTest, ClosingWithUnsavedChangesAsks) {
    EXPECT_TRUE(frame->close()); // nothing changed: no question
    EXPECT_TRUE(prompter->asked.isEmpty());
    frame->show();

    frame->OpenEditor(EditorId::Dtmf);
    dtmf->edit->setText("99");
    prompter->answer = Prompter::Answer::Cancel;
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompter->asked.size(), 1);
    EXPECT_TRUE(prompter->askedWithCancel);

    prompter->answer = Prompter::Answer::Yes;
    prompter->savePath = dir.filePath("kept.dat");
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(QFile::exists(dir.filePath("kept.dat")));
}

// With the real editors: data as the program loaded them are not "changed"
// because the editors store them in their own way.
TEST(MainFrameEditors, UntouchedDataAreNeverOfferedASave) {
    QTemporaryDir dir;
    AppContext ctx;
    UseTestFolder(ctx, dir);
    EditorRegistry registry;
    RegisterEditors(registry);
    CMainFrame frame(ctx, registry);
    auto owned = std::make_unique<ScriptedPrompter>();
    ScriptedPrompter* prompter = owned.get();
    frame.SetPrompter(std::move(owned));
    frame.show();
    frame.OpenEditor(EditorId::Model);

    frame.CommitAllViews(); // right after start-up
    EXPECT_FALSE(HasUnsavedChanges(ctx));

    // A file as the radio might hold it, with bytes the editors tidy up.
    RadioImage radio = ctx.image;
    for (std::size_t a = 0x0100; a < 0x0100 + 32 * 20; ++a)
        radio[a] = static_cast<std::uint8_t>(a * 7);
    ASSERT_TRUE(WriteCodeplugFile(dir.filePath("radio.dat"), radio, ctx.tones).ok);
    prompter->openPath = dir.filePath("radio.dat");
    prompter->answer = Prompter::Answer::No;
    frame.Command(cmd::kOpen);
    EXPECT_TRUE(prompter->asked.isEmpty());
    EXPECT_EQ(ctx.CurrentFile, dir.filePath("radio.dat").toStdString());
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(prompter->asked.isEmpty());
}

TEST_F(MainFrameTest, ClosingAndAnsweringNoDiscards) {
    frame->OpenEditor(EditorId::Dtmf);
    dtmf->edit->setText("98");
    prompter->answer = Prompter::Answer::No;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompter->asked.size(), 1);
}

} // namespace
} // namespace vmr
