#pragma once

#include "StepPanel.h"

#include <memory>

class QListWidget;

namespace Ui {
class CMainPanel2;
}

// Step 2, the filter chain. For now a plain list of the chain's steps.
class CMainPanel2 : public CStepPanel
{
    Q_OBJECT

public:
    explicit CMainPanel2(QWidget *parent = nullptr);
    ~CMainPanel2() override;

    // Runs once the window has handed over Step 1's photo list.
    void Init();
    void SetPanelSwitchFlag(bool *flag) { m_panelSwitchFlag = flag; }
    void RefreshPanel();
    // For New: no filters, the default name preset.
    void ResetPanel();
    // Empties the list of applied filters before a document is loaded.
    void ClearFilterList();
    void StartCurrentPreview();
    void StopThreads();

    QListWidget *Panel1PhotoList = nullptr; // Step 1's list, shown here as the photo strip
    bool refreshing = false; // set by the window around RefreshPanel after a load

public slots:
    void CleanUp(bool cleanPreviewFilters = true);
    void StartCurrentPreviewIfOriginal();
    void SlotReloadThumbsInPanel2(int row);

signals:
    void SignalListFiltersChanged();

private:
    std::unique_ptr<Ui::CMainPanel2> form;
    bool *m_panelSwitchFlag = nullptr;
};
