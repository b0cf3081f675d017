// The channel table's own Read followed by closing the program: data that came
// from the radio and were not edited are never offered for saving.
#include "ShellTestSupport.h"
#include "app/Editors.h"
#include "app/Shell.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/MainFrame.h"
#include "editors/channels/qt/ProgramView.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vmr {
namespace {

TEST(ProgramViewRead, ClosingAfterTheTablesOwnReadAsksNothing) {
    QTemporaryDir dir;
    AppContext ctx;
    test::UseTestFolder(ctx, dir);
    EditorRegistry registry;
    RegisterEditors(registry);
    CMainFrame frame(ctx, registry);
    auto owned = std::make_unique<test::ScriptedPrompter>();
    test::ScriptedPrompter* prompter = owned.get();
    frame.SetPrompter(std::move(owned));
    frame.show();

    auto* table = dynamic_cast<CProgramView*>(frame.ActiveView());
    ASSERT_NE(table, nullptr);
    // A radio whose channels hold bytes the editors store in a tidier form.
    table->SetRadioDialogs(
        [](RadioDirection dirn, AppContext& c, QWidget*) {
            if (dirn != RadioDirection::Read) return false;
            for (std::size_t a = 0x0120; a < 0x0120 + 32 * 20; ++a)
                c.image[a] = static_cast<std::uint8_t>(a * 7);
            MarkClean(c); // as the real transfer dialog does
            return true;
        },
        [](AppContext&, QWidget*) { return false; });
    frame.Command(cmd::kRead);
    prompter->answer = Prompter::Answer::Cancel;
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(prompter->asked.isEmpty()) << prompter->asked.join("; ").toStdString();
}

} // namespace
} // namespace vmr
