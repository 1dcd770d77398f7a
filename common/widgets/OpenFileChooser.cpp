#include "OpenFileChooser.h"

#include <QFileDialog>

namespace {

OpenFileChooser &ChooserSlot()
{
    static OpenFileChooser chooser;
    return chooser;
}

} // namespace

QString ChooseOpenFile(
    QWidget *parent, const QString &caption, const QString &start, const QString &filter)
{
    if (ChooserSlot())
        return ChooserSlot()(parent, caption, start, filter);
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

void SetOpenFileChooser(OpenFileChooser chooser)
{
    ChooserSlot() = std::move(chooser);
}
