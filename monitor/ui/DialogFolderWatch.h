#pragma once

#include <QDialog>
#include <QString>

// Placeholder of the folder watch job dialog: the public fields the window fills and reads.
class CDialogFolderWatch : public QDialog
{
public:
    explicit CDialogFolderWatch(QWidget *parent = nullptr);

    qint64 Id = 0;
    QString Name;
    QString Description;
    QString Source;
    QString Script;
    bool Subfolders = true;
    QString Mask;
    bool Reprocess = false;
    quint16 Interval = 60;
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;
};
