#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Writes one MIME message file with the given files attached and hands it to the desktop's
// mail client, where the user completes and sends it. Lines end in CR LF; the text is
// Latin-1, so the body loses characters outside Latin-1 ("?"), while headers and file names
// outside printable ASCII are encoded so that they survive.
class CEmail : public QObject
{
    Q_OBJECT

public:
    CEmail();

    // Builds the message, writes it into the work folder as "ComposedEmail-<seconds>.eml"
    // (replacing a file of the same second), stores its path and opens it. False when an
    // attachment cannot be read (nothing written), the file cannot be written, or the desktop
    // could not open it (the file then stays for the caller to remove).
    bool ComposeEmail();

    QString recipient;
    QString subject;
    QString body;
    QStringList attachments;
    QString messagePath;

private:
    // The message text for the current fields; false when an attachment cannot be read.
    bool BuildMessage(QByteArray &text) const;
};
