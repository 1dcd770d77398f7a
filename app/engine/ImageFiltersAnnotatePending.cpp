// Temporary: the annotate and frame handlers land one group at a time; until a group's real
// handlers exist, its steps fail clearly instead of passing photos on unchanged.
#include "ImageFilters.h"

#include "Trace.h"

namespace {
bool NotAvailable(int id)
{
    LogMessage(QStringLiteral("CImageFilters::Apply"),
               QStringLiteral("Filter %1 is not available in this build").arg(id));
    return false;
}
} // namespace

bool CImageFilters::ApplyComment() { return NotAvailable(record.id); }
bool CImageFilters::ApplyDate() { return NotAvailable(record.id); }
bool CImageFilters::ApplyWatermarkText() { return NotAvailable(record.id); }
bool CImageFilters::ApplyWatermarkLogo() { return NotAvailable(record.id); }
bool CImageFilters::ApplyWatermarkMask() { return NotAvailable(record.id); }
bool CImageFilters::ApplyShapeFrame() { return NotAvailable(record.id); }
bool CImageFilters::ApplyGrungeFrame() { return NotAvailable(record.id); }
bool CImageFilters::ApplyPictureFrame() { return NotAvailable(record.id); }
bool CImageFilters::ApplyVintageFrame() { return NotAvailable(record.id); }
bool CImageFilters::ApplyPolaroid() { return NotAvailable(record.id); }
bool CImageFilters::ApplyShadow() { return NotAvailable(record.id); }
bool CImageFilters::ApplySimpleBorder() { return NotAvailable(record.id); }
