#pragma once

#include <QDialog>
#include <QString>

// Placeholder of the FTP watch job dialog: the public fields the window fills and reads.
class CDialogFTPWatch : public QDialog
{
public:
    explicit CDialogFTPWatch(QWidget *parent = nullptr);

    qint64 Id = 0;
    QString Name;
    QString Description;
    QString Host;
    bool UseSFTP = true;
    qint32 Port = 22;
    QString Username;
    QString Password;
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
