#pragma once

#include <QMetaType>
#include <QString>

#include <array>

// One step of the filter chain. Copied by value everywhere: the chain, undo states, queued
// signals and preview requests all hold their own copies. Each filter fixes the meaning and
// order of its own slots; slots beyond the counts are carried along untouched.
struct SFilterRecord
{
    static constexpr int NumberSlots = 32;
    static constexpr int TextSlots = 16;

    qint32 id = 0;
    QString name; // as the filter catalogue named it when the step was created
    QString description; // from the filter catalogue
    quint8 numberCount = 0;
    std::array<double, NumberSlots> numbers {};
    quint8 textCount = 0;
    std::array<QString, TextSlots> texts;
    bool active = false;

    bool operator==(const SFilterRecord &other) const = default;
};

Q_DECLARE_METATYPE(SFilterRecord)

// Makes "SFilterRecord" known by name to queued connections. Safe to call more than once.
inline void RegisterFilterRecordType()
{
    qRegisterMetaType<SFilterRecord>();
}
