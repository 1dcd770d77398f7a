#pragma once

#include <QList>
#include <QString>

class CFilterPage;
class QWidget;

// The settings pages by filter id, the way the engine dispatches filters by id: one row per
// filter with its help topic and the page that edits it. A filter whose page is not built
// yet has no page (its settings dialog does not open).
namespace FilterPages {

// The page for the id, with `parent` as parent; null for an id without a page.
CFilterPage *Create(int filterId, QWidget *parent);
// Whether the id has a page.
bool HasPage(int filterId);
// Every id with a row, in the table's order (the catalogue's filters and Polaroid).
QList<int> Ids();
// The help page of the filter ("filters_transform_crop.html"); empty for an unknown id.
QString HelpTopic(int filterId);

} // namespace FilterPages
