#pragma once
// Controls found by object name under a window, failing the test when absent.

#include <QAbstractButton>
#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace qftest {

template <typename T = QWidget>
T* ChildOf(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

inline void PressIn(const QObject& parent, const QString& name) { ChildOf<QAbstractButton>(parent, name)->click(); }

}  // namespace qftest
