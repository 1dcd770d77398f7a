#pragma once

#include "OutputOptions.h"
#include "Upload.h"
#include "WorkerThread.h"

#include <QString>
#include <QStringList>
#include <QThread>

// Runs an upload or a connection test off the GUI thread. The object lives in the GUI thread,
// so its slots relay the upload's signals there. It works on the copy of the job's output
// options given to SetJob, never on the live job.
class CUploadThread : public CWorkerThread
{
    Q_OBJECT

public:
    explicit CUploadThread(QObject *parent = nullptr);

    // Set by the owner before start: the destination, server, account and folder, and whether
    // the job came from Monitor.
    void SetJob(const SOutputOptions &output, bool monitorScript);
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
    void Run() override;

private:
    SOutputOptions m_output;
    CUpload m_upload;
};
