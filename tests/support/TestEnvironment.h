#pragma once

#include <QString>

// Points HOME, the XDG folders and TMPDIR at a fresh folder for this test run, so that no
// test reads or writes the real user's settings, documents or temporary files. Must run
// before the application object exists. The folder is deleted at exit.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString root() const { return m_root; }

private:
    QString m_root;
};
