#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>

namespace Ui {
class CDialogProfileSelection;
}

class CImageCache;
class CUserProfile;
class QDomElement;
class QKeyEvent;
class QModelIndex;

// One profile as the chooser knows it.
struct SProfileInfo
{
    QString category; // "User-Defined" for the user's own, "Edit" or "Output" for ours
    QString name;
    QString description;
    QString path; // full path, "/" separators
    qint32 icon = 0; // 0: the group's tile
};

// The profiles of one category.
struct SProfileGroup
{
    QList<SProfileInfo> profiles; // in reading order
    QString key; // matched against a profile's category, ignoring case
    QPoint tile; // column and row of the filters icon sheet that pictures the group
};

// The chooser of saved profiles: reads every profile of the user's and the program's profile
// folders once, shows them by category and hands back the chosen one in `selected`. It loads
// nothing itself. The user's own profiles can be renamed, re-described and deleted in place.
class CDialogProfileSelection : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogProfileSelection(QWidget *parent = nullptr);
    ~CDialogProfileSelection() override;

    // 0 all, 1 the user's own, 2 editing, 3 output profiles; -1 when no view button is checked.
    int CurrentView() const;

    // The index into the item icon list (the formats tiles, then the filters tiles) for a
    // profile's Icon value. Values that name no tile of the list fall back to the group's
    // tile, and -1 means no icon at all.
    static int IconIndex(
        qint32 icon, const QPoint &groupTile, int formatTiles, int filterColumns, int iconCount);

    // Puts new texts into a profile file in place, escaped, leaving every other byte as it
    // was. False, with the file untouched, when it cannot be read or written or lacks either
    // property.
    static bool RewriteProfileTexts(
        const QString &path, const QString &name, const QString &description);

    SProfileInfo selected; // the chosen profile once exec has returned 1

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_buttonOk_clicked();
    void on_listProfiles_activated(const QModelIndex &index);
    void on_buttonCancel_clicked();
    void on_buttonAllProfiles_clicked();
    void on_buttonMyProfiles_clicked();
    void on_buttonEdit_clicked();
    void on_buttonOutput_clicked();
    void on_listProfiles_customContextMenuRequested(const QPoint &position);
    void OnProfilesEdit();
    void OnProfilesRemove();

private:
    struct SPlace
    {
        int group;
        int index;
    };

    void LoadProfiles();
    void ScanProfiles();
    void ReadProfileInfo(const QString &path);
    void ParseProfileProperties(const QDomElement &properties, const QString &path);
    void LoadViewIcons();
    void CheckView(int view);
    void ShowView(int view);
    QList<SPlace> ViewPlaces(int view) const;
    SProfileInfo *ProfileAt(int view, int row);
    // The row of the highlighted item, -1 when none is.
    int SelectedRow() const;
    void Choose();

    std::unique_ptr<Ui::CDialogProfileSelection> form;
    CUserProfile *m_profile;
    CImageCache *m_imageCache;
    QList<SProfileGroup> m_groups;
    QList<QIcon> m_icons;
    QSize m_filtersGrid; // columns and rows of 64-pixel squares
    QSize m_formatsGrid;
};
