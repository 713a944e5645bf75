#pragma once
// A modal option dialog under test: fresh start-up options, recorded
// messages, controls found by object name.

#include <QAbstractButton>
#include <QDialog>
#include <gtest/gtest.h>
#include <memory>

#include "control_lookup.h"
#include "platform/user_messages.h"
#include "settings/default_lists.h"
#include "settings/options.h"

namespace qftest {

template <typename Dialog>
class DialogTest : public ::testing::Test {
protected:
    DialogTest() { qf::PrepareModelAtStart(options); }

    void Open() {
        dialog = std::make_unique<Dialog>(options, messages);
        dialog->show();
    }
    template <typename T>
    T* Child(const QString& name) {
        return ChildOf<T>(*dialog, name);
    }
    void Press(const QString& name) { Child<QAbstractButton>(name)->click(); }
    // Presses OK and tells whether the dialog closed accepted.
    bool PressOk() {
        Press("ok");
        return !dialog->isVisible() && dialog->result() == QDialog::Accepted;
    }
    // OK shows exactly this warning, stays open and changes no option.
    void ExpectRefused(const char* caption, const std::string& text) {
        messages.Clear();
        EXPECT_FALSE(PressOk()) << caption;
        ASSERT_EQ(messages.Count(), 1u) << caption;
        EXPECT_EQ(messages.Last().caption, caption);
        EXPECT_EQ(messages.Last().text, text);
        EXPECT_EQ(messages.Last().icon, qf::MsgIcon::Warning);
        EXPECT_TRUE(options == before) << caption << ": a refused OK must change nothing";
    }

    qf::Options options;
    qf::Options before;
    qf::RecordingMessages messages;
    std::unique_ptr<Dialog> dialog;
};

}  // namespace qftest
