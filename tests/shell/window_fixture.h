#pragma once
// A fresh session and main window per test, with recorded messages.

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "engine/session.h"
#include "platform/user_messages.h"
#include "shell/control_ids.h"
#include "shell/main_window.h"
#include "support/test_support.h"

namespace qftest {

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : session(home.Path()), window(std::make_unique<qf::shell::MainWindow>(session, messages)) {
        options().SetInt(qf::Opt::WARNINGTMP, 1);
        options().SetInt(qf::Opt::SEARCHENDC, 0);
        options().SetInt(qf::Opt::SEARCHENDB, 0);
        window->show();
    }

    qf::Options& options() { return session.state.options; }

    template <typename T = QWidget>
    T* Control(int id) {
        T* control = window->findChild<T*>(qf::shell::IdName(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }

    void Click(int id) { Control<QAbstractButton>(id)->click(); }

    // Starts a search with the Search button and waits for its end.
    bool SearchAndWait() {
        QSignalSpy ended(window.get(), &qf::shell::MainWindow::searchEnded);
        Click(qf::shell::kIdSearch);
        return ended.wait(20000);
    }

    TempDir home;
    TempDir data;
    qf::Session session;
    qf::RecordingMessages messages;
    std::unique_ptr<qf::shell::MainWindow> window;
};

}  // namespace qftest
