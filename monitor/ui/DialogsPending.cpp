// Placeholder until the job dialogs land; delete at merge.
#include "DialogFTPWatch.h"
#include "DialogFolderWatch.h"

CDialogFolderWatch::CDialogFolderWatch(QWidget *parent)
    : QDialog(parent)
{
}

CDialogFTPWatch::CDialogFTPWatch(QWidget *parent)
    : QDialog(parent)
{
}
