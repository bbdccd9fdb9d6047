// The window program keeps working after its working directory is deleted
// under it: the files there simply vanish.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/commands/CommandIds.h"
#include "tests/app/ui/AppFixture.h"

using namespace vantorel;

TEST(RemovedWorkingDir, WindowsStillOpenAndCloseWhenTheFolderIsGone) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    std::error_code ec;
    std::filesystem::remove_all(s.wd.path(), ec);
    ASSERT_FALSE(std::filesystem::exists(s.wd.path()));
    // Mars reads its moons' records and its zoom; Jupiter its yearly file.
    for (int command : {ID_OPEN_MARS, ID_OPEN_JUPITER, ID_OPEN_SATURN}) {
        s.command(command);
        QWidget* view = s.frame().activeView();
        ASSERT_NE(view, nullptr) << command;
        view->resize(260, 260);
        view->repaint();
        s.closeWindow(view);  // writes the zoom, which now fails quietly
    }
}
