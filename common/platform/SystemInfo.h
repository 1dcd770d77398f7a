#pragma once

#include <QString>

namespace Platform {

// The primary screen as Qt reports it. All zero (and a ratio of 1) when the program has no
// QGuiApplication or no screen, as in Monitor's headless runs and the tests.
struct SScreenFacts
{
    int width = 0; // device-independent pixels
    int height = 0;
    int colorDepth = 0; // bits per pixel
    double refreshRate = 0.0; // Hz, as reported (59.94 stays 59.94 here)
    double devicePixelRatio = 1.0; // the application's, the highest of all screens
};

// The running system's version: a readable name with the kernel release as its build, and
// the kernel's major and minor numbers.
struct SSystemVersion
{
    QString text; // "Debian GNU/Linux 12 (bookworm) (Build 6.1.0-18-amd64)"
    int major = 0;
    int minor = 0;
};

// Logical processors online; never below 1.
int ProcessorCount();

// "x64" for a 64-bit build of the program, "x86" for a 32-bit one: callers choose
// companion libraries of the matching width by it.
QString ProgramArchitecture();

// Reads Qt's screen objects, so call it from the GUI thread.
SScreenFacts PrimaryScreenFacts();

// False when the kernel release cannot be read; `version` is then left as it was.
bool ReadSystemVersion(SSystemVersion &version);

} // namespace Platform
