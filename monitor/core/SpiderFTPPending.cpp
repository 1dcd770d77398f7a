// Placeholder until the walker lands; delete at merge.
#include "SpiderFTP.h"

CSpiderFTP::CSpiderFTP(QObject *parent)
    : QObject(parent)
{
}

CSpiderFTP::~CSpiderFTP() = default;

bool CSpiderFTP::ScanDirectory(const QString &, const QString &, const QString &, const QString &,
    int, bool, int, bool, const QString &, const QStringList &, const QString &)
{
    return false;
}

QList<SFTPEntry> CSpiderFTP::ParseListLine(const QStringList &)
{
    return {};
}

void CSpiderFTP::ProcessNextFolder(bool) { }
