#include "NativeLookingApplication.h"

NativeLookingApplication::NativeLookingApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

NativeLookingApplication::~NativeLookingApplication() = default;

bool NativeLookingApplication::notify(QObject *receiver, QEvent *event)
{
    return QApplication::notify(receiver, event);
}
