#include "StatesList.h"

#include "ListFilters.h"
#include "UserProfile.h"

#include <algorithm>

CStatesList *CStatesList::singleton = nullptr;

CStatesList *CStatesList::instance()
{
    if (!singleton)
        singleton = new CStatesList();
    return singleton;
}

void CStatesList::DeleteInstance()
{
    delete singleton;
    singleton = nullptr;
}

void CStatesList::StoreState(int slot, quint8 mark)
{
    const CUserProfile *profile = CUserProfile::instance();
    SUndoState &state = states[slot];
    state.images = CListImages::instance()->Images();
    state.filters = CListFilters::instance()->Filters();
    state.step1Preview = profile->Step1Preview;
    state.detailsSortColumn = profile->DetailsSortColumn;
    state.detailsSortOrder = profile->DetailsSortOrder;
    state.step2Preview = profile->Step2Preview;
    state.renameOptions = profile->RenameOptions;
    state.outputOptions = profile->OutputOptions;
    state.renameSettings = profile->RenameSettings;
    state.quality = profile->Quality;
    state.fileSize = profile->FileSize;
    state.fixedSize = profile->FixedSize;
    state.pngComp = profile->PNGComp;
    state.interlaced = profile->Interlaced;
    state.jpegType = profile->JpegType;
    state.tiffType = profile->TiffType;
    state.customProfile = profile->CustomProfile;
    state.tiffAlg = profile->TiffAlg;
    state.pdfAlg = profile->PdfAlg;
    state.defaultFormat = profile->DefaultFormat;
    state.mark = mark;
}

void CStatesList::RestoreState(int slot)
{
    CUserProfile *profile = CUserProfile::instance();
    const SUndoState &state = states[slot];
    CListImages::instance()->SetImages(state.images);
    CListFilters::instance()->Filters() = state.filters;
    // The preview flags keep their live values: undo never shows or hides a preview.
    profile->DetailsSortColumn = state.detailsSortColumn;
    profile->DetailsSortOrder = state.detailsSortOrder;
    profile->RenameOptions = state.renameOptions;
    profile->OutputOptions = state.outputOptions;
    profile->RenameSettings = state.renameSettings;
    profile->Quality = state.quality;
    profile->FileSize = state.fileSize;
    profile->FixedSize = state.fixedSize;
    profile->PNGComp = state.pngComp != 0 ? 1 : 0;
    profile->Interlaced = state.interlaced;
    profile->JpegType = state.jpegType;
    profile->TiffType = state.tiffType;
    profile->CustomProfile = state.customProfile;
    profile->TiffAlg = state.tiffAlg;
    profile->PdfAlg = state.pdfAlg;
    profile->DefaultFormat = state.defaultFormat;
}

void CStatesList::PushState(quint8 mark)
{
    if (count < Capacity && count == position) {
        StoreState(count, mark);
        position = ++count;
    } else if (position != Capacity) {
        while (count > position) {
            --count;
            states[count].images.clear();
            states[count].filters.clear();
        }
        StoreState(count, mark);
        position = ++count;
    } else {
        // Full with the newest state current: the oldest one goes.
        std::move(states.begin() + 1, states.end(), states.begin());
        StoreState(Capacity - 1, mark);
    }
    emit EnableUndo(count >= 2);
    emit EnableRedo(false);
}

void CStatesList::Undo()
{
    if (position > 1) {
        --position;
        RestoreState(position - 1);
    }
    mode = 1;
    emit EnableUndo(position >= 2);
    emit EnableRedo(position < count); // only when a redo really exists
}

void CStatesList::Redo()
{
    if (position < count) {
        RestoreState(position);
        ++position;
    }
    mode = 2;
    emit EnableUndo(position >= 2);
    emit EnableRedo(position < count);
}

quint8 CStatesList::CurrentStateFlag() const
{
    if (position <= 0)
        return 0;
    if (mode == 1 && position < count)
        return states[position].mark; // the state that the undo just left
    return states[position - 1].mark;
}

void CStatesList::Clear()
{
    for (SUndoState &state : states) {
        state.images.clear();
        state.filters.clear();
    }
    position = 0;
    count = 0;
}
