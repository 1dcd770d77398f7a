#pragma once

#include <QString>

// The log of one batch run: the lines routed by their flag into the on-screen log and into the
// run's block, and the writing of that block in front of a log file. A log file is UTF-8 with
// a byte-order mark, then the runs' blocks, newest first, each ending with the separator.
// The block lives in the GUI thread; the file writing may run in any thread and is safe
// against other runs (also other processes) writing the same file at the same time.
class CBatchLog
{
public:
    // Routing flags of a line.
    static constexpr int ScreenAndFile = 0;
    static constexpr int ScreenOnly = 1;
    static constexpr int FileOnly = 2;

    static QString Separator(); // "\r\n\r\n----------\r\n\r\n"
    static QString ProgramLogPath(); // documents folder + "/Quendrasil/Quendrasil.log"
    static QString MonitorLogPath(const QString &jobId); // ".../Quendrasil/Monitor/<id>.log"

    // Adds msg + CR LF to the block when the flag says so; true when the line is also for the
    // screen. Unknown flags drop the line.
    bool Route(const QString &msg, int flag);
    // Adds text to the block as it is.
    void Append(const QString &text) { block += text; }
    // Ends the block with the separator; later calls add nothing.
    void Close();
    const QString &Text() const { return block; }

    // Puts `text` in front of the log file at path (creating its folder and the file as
    // needed): byte-order mark, the text, then the old content without its byte-order mark.
    // The new file replaces the old one in one step, under a lock file, so nothing is lost
    // when the write fails or two runs write at once. False, with the reason in *error, when
    // nothing could be saved; the old file is then unchanged.
    static bool WriteLogFile(const QString &path, const QString &text, QString *error = nullptr);

private:
    QString block;
    bool closed = false;
};
