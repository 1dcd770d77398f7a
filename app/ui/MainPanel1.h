#pragma once

#include "ListImages.h"
#include "StepPanel.h"

#include <memory>

class QListWidget;

namespace Ui {
class CMainPanel1;
}

// Step 1, the photos of the job. For now a plain list of the photos that the window fills
// after a load, an undo or a redo.
class CMainPanel1 : public CStepPanel
{
    Q_OBJECT

public:
    explicit CMainPanel1(QWidget *parent = nullptr);
    ~CMainPanel1() override;

    void Init();
    void SetPanelSwitchFlag(bool *flag) { m_panelSwitchFlag = flag; }
    void ClearLists();
    void AddPhotoItem(SImageRecord record);
    void RefreshPanel();
    // For New: no photos, no sorting, an empty preview.
    void ResetPanel();
    void ClearPreview();
    // Stops the panel's worker threads before the process ends without an event loop.
    void StopThreads();
    // The photo list that Step 2 shows as its strip.
    QListWidget *PhotoList() const;

public slots:
    void ShowAddPhotoTip();
    void StartPreview(bool keepSelectedImage);

signals:
    void SignalListImagesChanged();
    void SignalReloadThumbsInPanel2(int row);

private:
    std::unique_ptr<Ui::CMainPanel1> form;
    bool *m_panelSwitchFlag = nullptr;
};
