#pragma once

#include "Upload.h"

#include <QString>
#include <QStringList>
#include <QThread>

class CUserProfile;

// Runs an upload or a connection test off the GUI thread. The object lives in the GUI thread,
// so its slots relay the upload's signals there.
class CUploadThread : public QThread
{
    Q_OBJECT

public:
    explicit CUploadThread(QObject *parent = nullptr);

    // Asks a running upload to stop; only an FTP/SFTP job has one.
    void Abort(bool abort);

    QStringList Files; // set by the owner before start
    bool TestConnection = false; // set by the owner to ask for a connection test

signals:
    void IncProgressImageUpload(double speed);
    void AppendLog(QString message, int flag = 0);
    void UploadThreadFinished(int uploadedCount);
    void ConnectionTestFinished(QString result);

public slots:
    void ProgressImage(double speed);
    void UploadFinished(int count, QString log);

protected:
    void run() override;

private:
    CUserProfile *m_profile;
    CUpload m_upload;
};
