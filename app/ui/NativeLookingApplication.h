#pragma once

#include <QApplication>

// The application object of the main program. notify is the one place where every event
// passes, kept as a hook for diagnosing event delivery.
class NativeLookingApplication : public QApplication
{
    Q_OBJECT

public:
    NativeLookingApplication(int &argc, char **argv);
    ~NativeLookingApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;
};
