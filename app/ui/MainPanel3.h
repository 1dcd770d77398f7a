#pragma once

#include "StepPanel.h"

#include <memory>

namespace Ui {
class CMainPanel3;
}

class CUserProfile;

// Step 3, where the output goes and in which format. For now the output folder and the
// format list.
class CMainPanel3 : public CStepPanel
{
    Q_OBJECT

public:
    explicit CMainPanel3(QWidget *parent = nullptr);
    ~CMainPanel3() override;

    void Init();
    // Asks for the output folder; false when cancelled.
    bool SelectOutputFolder();
    // Refills the list of output formats from the format catalogue.
    void SetOutputFormats(bool keepSelection);
    void RefreshPanel();
    // For New: the default output settings.
    void ResetPanel();

private slots:
    void on_buttonBrowse_clicked();
    void on_comboOutputFormat_activated(int index);

private:
    void ShowOutputFormat();

    std::unique_ptr<Ui::CMainPanel3> form;
    CUserProfile *m_profile;
};
