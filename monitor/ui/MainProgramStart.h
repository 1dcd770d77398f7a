#pragma once

#include <QStringList>

// Starts the main program that sits beside Monitor, detached: nobody waits for it and its
// outcome is only traced. The program is the one the watch threads hand their batches to, so
// tests that replace it there replace it here too. False when it could not be started.
bool StartMainProgram(const QStringList &arguments);

// "Edit Profile" of both job dialogs: the tip about saving the profile (unless turned off),
// then the main program opened on the job's profile.
void EditJobProfile(const QString &profile);
