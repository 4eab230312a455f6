#pragma once
// Shared helpers of the tests: QString printing, finding controls by name.
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// The control `name` under `parent`; fails the test when absent.
template <class T>
T* child(QObject* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
    return w;
}
