#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include <memory>

namespace Ui {
class CDialogFilterSelection;
}

class CFiltersEnum;
class CImageCache;
class CUserProfile;
class QKeyEvent;
class QModelIndex;

// The picker of a filter to add to the chain: category buttons on the left, the filters of
// the chosen group as icons on the right. After exec has returned 1, `filterName` holds the
// catalogue name of the chosen filter; the caller looks it up itself.
class CDialogFilterSelection : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogFilterSelection(QWidget *parent = nullptr);
    ~CDialogFilterSelection() override;

    QString filterName; // empty until a filter is chosen

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_listFilters_activated(const QModelIndex &index);
    void on_Ok_clicked();
    void on_Cancel_clicked();
    void on_buttonAllFilters_clicked();
    void on_buttonAnnotate_clicked();
    void on_buttonDecorations_clicked();
    void on_buttonEffects_clicked();
    void on_buttonTouchup_clicked();
    void on_buttonTransform_clicked();

private:
    // The groups the buttons show: the thousands digit of a filter id, 0 for every filter.
    enum class Category {
        All = 0,
        Annotate = 1,
        Border = 2,
        Effects = 3,
        TouchUp = 4,
        Transform = 5
    };

    void LoadCategoryIcons();
    void ShowCategory(Category category);
    void FillFilters(Category category);
    void Choose();

    std::unique_ptr<Ui::CDialogFilterSelection> form;
    CFiltersEnum *m_filters;
    CUserProfile *m_profile;
    CImageCache *m_imageCache;
    QSize m_iconGrid; // columns and rows of 48-pixel squares of the category icon sheet
};
