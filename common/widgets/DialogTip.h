#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CDialogTip;
}

class CImageCache;

// A short explanation beside a banner, with a box that stops it for good. Each place that
// shows a tip names its own key; the choice is kept under "GUI/" + key in the settings store
// that both programs share, so a tip turned off in one stays off in the other.
class CDialogTip : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogTip(QWidget *parent = nullptr);
    ~CDialogTip() override;

    QString Text; // the tip, already translated; plain or rich text
    QString Key; // the setting's name without "GUI/"

public slots:
    // 1 without showing anything when the tip was turned off, else 0 once it is closed.
    int exec() override;

private slots:
    void on_checkShow_clicked();
    void on_buttonOk_clicked();

private:
    QString SettingKey() const;

    std::unique_ptr<Ui::CDialogTip> ui;
    CImageCache *ImageCache;
};
