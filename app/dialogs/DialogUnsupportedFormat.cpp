#include "DialogUnsupportedFormat.h"
#include "ui_DialogUnsupportedFormat.h"

#include <QTextCursor>

CDialogUnsupportedFormat::CDialogUnsupportedFormat(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DialogUnsupportedFormat>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

CDialogUnsupportedFormat::~CDialogUnsupportedFormat() = default;

void CDialogUnsupportedFormat::SetFiles(const QStringList &files)
{
    UnsupportedFiles = files;
}

int CDialogUnsupportedFormat::exec()
{
    QString text;
    for (const QString &path : std::as_const(UnsupportedFiles))
        text += path + QLatin1Char('\n');
    // Plain text: a path is shown as it is, whatever characters it holds.
    ui->textUnsupportedFormats->clear();
    ui->textUnsupportedFormats->appendPlainText(text);
    ui->textUnsupportedFormats->moveCursor(QTextCursor::Start);
    return QDialog::exec();
}
