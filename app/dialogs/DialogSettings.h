#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CSettings;
}

class CUserProfile;
class CHardwareProfile;
class CImageCache;
class QKeyEvent;

// The program settings. Copies the values of CUserProfile into its controls when built and
// back on OK; they reach the settings store when CUserProfile is destroyed at program end.
// A changed theme is applied at once through the parent's ChangeTheme slot.
class CSettings : public QDialog
{
    Q_OBJECT

public:
    explicit CSettings(QWidget *parent = nullptr);
    ~CSettings() override;

    void Init();
    void SetTabIcons();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_checkCheckNew_clicked();

private:
    void RequestContextMenu(bool include);

    std::unique_ptr<Ui::CSettings> form;
    CUserProfile *m_profile;
    CHardwareProfile *m_hardware;
    CImageCache *m_imageCache;
    QWidget *m_parent;
};
