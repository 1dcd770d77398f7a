#include "UploadThread.h"

#include "Trace.h"

CUploadThread::CUploadThread(QObject *parent)
    : CWorkerThread(parent)
{
    connect(&m_upload, &CUpload::ImgUploaded, this, &CUploadThread::ProgressImage);
    connect(&m_upload, &CUpload::UploadFinished, this, &CUploadThread::UploadFinished);
}

void CUploadThread::SetJob(const SOutputOptions &output, bool monitorScript)
{
    m_output = output;
    m_upload.SetJob(output.KeepsOutputOnDisk(), monitorScript);
}

void CUploadThread::Abort(bool abort)
{
    if (m_output.Destination == OutputDestination::Ftp)
        m_upload.SetAbort(abort);
}

void CUploadThread::Run()
{
    LogMessage(QStringLiteral("CUploadThread::run"));
    const SOutputOptions &output = m_output;
    if (output.Destination != OutputDestination::Ftp)
        return;
    const int port = output.FTPPort.toInt(nullptr, 10);
    if (TestConnection) {
        CUpload test;
        const QString result = test.TestConnection(output.FTPHost, output.FTPUser,
                                                   output.FTPPassword, port, output.FTPFolder,
                                                   output.UseSFTP);
        TestConnection = false;
        emit ConnectionTestFinished(result);
        return;
    }
    m_upload.UploadFTP(output.FTPHost, output.FTPUser, output.FTPPassword, port, Files,
                       output.FTPFolder, output.UseSFTP);
}

void CUploadThread::ProgressImage(double speed)
{
    emit IncProgressImageUpload(speed);
}

void CUploadThread::UploadFinished(int count, QString log)
{
    emit AppendLog(log, 0);
    emit UploadThreadFinished(count);
}
