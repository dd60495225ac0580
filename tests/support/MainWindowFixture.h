#pragma once
// The main window built for real in a temporary program folder, with every
// menu item registered as the program starts: start() makes and loads it,
// run() triggers a menu item as the player clicks it.

#include "app/MenuItems.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "support/TestSupport.h"

#include <QAction>
#include <memory>

class MainWindowFixture : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        RegisterAllWindows();
    }
    void TearDown() override
    {
        window_.reset();
        ProgramFolderTest::TearDown();
    }
    Vantrel& start()
    {
        window_ = std::make_unique<LoadedWindow<Vantrel>>();
        return *window_;
    }
    void run(MenuItem item) { window_->Item(item)->trigger(); }

    std::unique_ptr<Vantrel> window_;
};
