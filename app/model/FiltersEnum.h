#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One row of the filter catalogue. The thousands digit of the id is the group:
// 1 Annotate, 2 Border, 3 Effects, 4 Touch-Up, 5 Transform.
struct SFilterInfo
{
    quint16 id = 0;
    QString name; // translated
    QString description; // translated
    QString group; // translated group name
    qint32 order = 0; // place within the group, from 0; also the column of its icon
};

// The filters a user can put into a chain, in the language that was loaded when the
// catalogue was built. Built in the GUI thread before any worker starts, then only read.
class CFiltersEnum : public QObject
{
public:
    static CFiltersEnum *instance();
    static void DeleteInstance();

    // Fills the 50 rows; a repeated call rebuilds them instead of adding a second set.
    void GenerateList();
    // Appends one row; the description is a source text, translated here.
    void Add(quint16 id, const QString &name, const QString &group,
        const QString &descriptionSource, int order);
    // The first row with the id, or a row with id 0 and an empty name. Ids beyond 16 bits
    // never match a row rather than wrapping onto one.
    SFilterInfo FindById(int id) const;
    // The first row whose translated name equals the text exactly (case-sensitive), or a row
    // with id 0 and an empty name.
    SFilterInfo FindByName(const QString &name) const;

    // The rows in the order they were added.
    const QList<SFilterInfo> &Filters() const { return filters; }

private:
    CFiltersEnum() = default;
    ~CFiltersEnum() override = default;

    QList<SFilterInfo> filters;

    static CFiltersEnum *singleton;
};
