#pragma once

#include "platform/FileTimes.h"

#include <QString>

// The attributes and times of a source photo, kept so that its output can be given them.
// Made by FileAttributes::Read and owned by the caller. This platform offers the permission
// bits and the last-access and last-write times; creation times cannot be set here.
struct SFileAttributeRecord
{
    bool timesRead = false; // false: the source could not be examined; Write then does nothing
    quint32 attributes = 0; // permission bits (mask 0777)
    Platform::SFileTime lastAccessTime;
    Platform::SFileTime lastWriteTime;
};

namespace FileAttributes {

// Fills the record from the file at path. False, with the trace "FileAttributes: Cannot read
// file", when the file cannot be examined; the record then holds nothing (timesRead false).
bool Read(const QString &path, SFileAttributeRecord &record);

// Gives the file at path the record's times and permission bits (the owner's read permission
// is always kept). A record whose source could not be read changes nothing, and zero times
// are never applied. True only when both the times and the permissions were set.
bool Write(const QString &path, const SFileAttributeRecord &record);

// There is no hidden attribute on this platform (a leading "." is part of the name and stays):
// always false, nothing changes.
bool ClearHidden(const QString &path);

} // namespace FileAttributes
