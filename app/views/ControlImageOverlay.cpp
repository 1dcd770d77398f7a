// The interactive overlay of a preview whose chain is one Comment, Date, Watermark-Text,
// Watermark-Logo, Crop or Resize step: drawing it over the fitted photo, hit regions and
// cursors, and editing the record by dragging.
#include "ControlImage.h"
#include "PreviewFilters.h"

#include <QLabel>
#include <QPainter>

#include "FilterIds.h"
#include "FilterSlots.h"
#include "StoredValues.h"
#include "ImageConversion.h"
#include "TextAnnotations.h"
#include "UserProfile.h"
#include "WatermarkOverlays.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace PreviewFilters;

// Where the anchor, offsets, size, angle and text of the placed filters live (-1: none).
struct SPlaces
{
    int anchor, offsetX, offsetY, size, angle, text;
};

SPlaces PlacesOf(qint32 id)
{
    switch (id) {
    case FilterId::Comment:
        return { CommentSlot::Placement, CommentSlot::DeltaX, CommentSlot::DeltaY,
            CommentSlot::FontSize, -1, CommentSlot::Text };
    case FilterId::Date:
        return { DateSlot::Placement, DateSlot::DeltaX, DateSlot::DeltaY, DateSlot::FontSize,
            DateSlot::Rotation, -1 };
    case FilterId::WatermarkText:
        return { WatermarkTextSlot::Placement, WatermarkTextSlot::DeltaX, WatermarkTextSlot::DeltaY,
            WatermarkTextSlot::FontSize, WatermarkTextSlot::Rotation, WatermarkTextSlot::Text };
    case FilterId::WatermarkLogo:
        return { WatermarkLogoSlot::Placement, WatermarkLogoSlot::DeltaX, WatermarkLogoSlot::DeltaY,
            WatermarkLogoSlot::Scale, WatermarkLogoSlot::Rotation, -1 };
    default:
        return { -1, -1, -1, -1, -1, -1 };
    }
}

// The stored anchor (0 top left to 8 bottom right) as the engine reads it.
int AnchorOf(const SFilterRecord &record)
{
    switch (record.id) {
    case FilterId::Comment:
        return ChoiceOf(record, CommentSlot::PlacementChoice);
    case FilterId::Date:
        return ChoiceOf(record, DateSlot::PlacementChoice);
    case FilterId::WatermarkText:
        return ChoiceOf(record, WatermarkTextSlot::PlacementChoice);
    case FilterId::WatermarkLogo:
        return ChoiceOf(record, WatermarkLogoSlot::PlacementChoice);
    default:
        return 0;
    }
}

// Characters of the Date's text by its layout settings, for the text-size estimate.
int DateCharacters(const SFilterRecord &record)
{
    static constexpr int ByLayout[] = { 11, 9, 11, 9, 11, 9, 10, 8, 10, 8, 10, 8 };
    int characters = ByLayout[ChoiceOf(record, DateSlot::DateLayoutChoice)];
    const int shown = ChoiceOf(record, DateSlot::ShownChoice);
    if (shown == 0 || shown == 2)
        characters += ChoiceOf(record, DateSlot::TimeLayoutChoice) != 0 ? 6 : 9;
    return characters;
}

} // namespace

QSize CControlImage::PhotoSize() const
{
    if (imageFiltered.image.isValid())
        return QSize(int(imageFiltered.image.columns()), int(imageFiltered.image.rows()));
    return QSize(int(imageFiltered.properties.Width), int(imageFiltered.properties.Height));
}

bool CControlImage::InteractiveState() const
{
    return interactiveMode && previewEnabled && filters.size() == 1
        && !profile->CurrentPhotoPath.isEmpty() && FilterId::IsInteractive(filters.first().id);
}

bool CControlImage::ResizeHasEdgeHandles(const SFilterRecord &record) const
{
    const auto mode = ChoiceAs<ResizeSlot::EMode>(record, ResizeSlot::ModeChoice);
    return mode == ResizeSlot::EMode::WidthHeight && record.numbers[ResizeSlot::KeepAspect] != 1.0;
}

void CControlImage::UpdateOverlay(bool keepLabelGeometry, bool skipDarkening)
{
    FitImageLabel();
    if (overlayLabel) {
        QPixmap pixmap;
        QRect rect;
        const QSize photo = PhotoSize();
        if (InteractiveState() && imageResized.image.isValid() && photo.width() > 0
            && photo.height() > 0) {
            // Single precision, as the stored offsets were always computed.
            const float widgetWidth = float(width());
            const float widgetHeight = float(height());
            const float scale
                = float(photo.width()) / float(photo.height()) >= widgetWidth / widgetHeight
                ? widgetWidth / float(photo.width())
                : widgetHeight / float(photo.height());
            displayScale = scale;
            imageOffset = QPoint(RoundHalfUp((widgetWidth - photo.width() * scale) / 2),
                RoundHalfUp((widgetHeight - photo.height() * scale) / 2));
            displaySize = QSize(RoundHalfUp(photo.width() * scale), RoundHalfUp(photo.height() * scale));
        }
        if (InteractiveState() && imageResized.image.isValid() && !displaySize.isEmpty()
            && DrawOverlay(filters.first(), skipDarkening, pixmap, rect)) {
            overlayLabel->setAttribute(Qt::WA_NoSystemBackground);
            if (!keepLabelGeometry)
                overlayLabel->setGeometry(rect);
            overlayLabel->setPixmap(pixmap);
            overlayLabel->show();
            overlayLabel->raise();
        } else {
            overlayLabel->hide();
        }
    }
    if (shownPixmap.cacheKey() != placeholderPixmap.cacheKey())
        shownPixmap.setDevicePixelRatio(devicePixelRatioF());
    if (imageLabel)
        imageLabel->setPixmap(shownPixmap);
    placeholderFresh = false;
}

bool CControlImage::DrawOverlay(
    const SFilterRecord &record, bool skipDarkening, QPixmap &pixmap, QRect &rect)
{
    const double ratio = devicePixelRatioF();
    const int displayWidth = displaySize.width();
    const int displayHeight = displaySize.height();
    SetSourcePath(overlayFilters, previewPath);
    overlayFilters.properties = imageFiltered.properties;
    QImage image;
    bool marks = false;
    bool handles = false;
    bool edges = true;

    switch (record.id) {
    case FilterId::Comment:
        if (!UpdateComment(image, rect, record, overlayFilters, displayWidth, displayHeight,
                displayScale, imageOffset.x(), imageOffset.y(), ratio))
            return false;
        marks = true;
        break;
    case FilterId::Date:
        if (!UpdateDate(image, rect, imageFiltered.properties.DateTimeOriginal, record,
                overlayFilters, displayWidth, displayHeight, displayScale, imageOffset.x(),
                imageOffset.y(), ratio))
            return false;
        marks = true;
        break;
    case FilterId::WatermarkText: {
        QRect textRect;
        int textWidth = 0;
        int textHeight = 0;
        if (!UpdateWatermarkText(image, rect, textRect, textWidth, textHeight, record,
                profile->CurrentPhotoIndex, overlayFilters, displayWidth, displayHeight,
                displayScale, true, ratio))
            return false;
        textRectSize = textRect.size();
        if (record.numbers[WatermarkTextSlot::Rotation] != 0.0)
            rect.translate(textRect.center() - rect.center());
        rect.translate(imageOffset);
        marks = true;
        break;
    }
    case FilterId::WatermarkLogo:
        if (!UpdateWatermarkLogo(
                image, rect, record, displayWidth, displayHeight, displayScale, ratio))
            return false;
        rect.translate(imageOffset);
        marks = true;
        break;
    case FilterId::Crop: {
        rect = CImageFilters::UpdateCrop(record, displayWidth, displayHeight, displayScale);
        image = QImage(rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return false;
        image.fill(QColor(255, 255, 255, 10));
        QPainter painter(&image);
        QPen pen(QColor(255, 255, 255, 100), 6, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
        painter.setPen(pen);
        painter.drawRect(image.rect());
        painter.end();
        rect.translate(imageOffset);
        handles = true;
        break;
    }
    case FilterId::Resize: {
        if (!skipDarkening) {
            QImage shown = shownPixmap.toImage().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < shown.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(shown.scanLine(y));
                for (int x = 0; x < shown.width(); ++x) {
                    const QRgb pixel = line[x];
                    line[x] = qRgba(std::max(0, qRed(pixel) - 100),
                        std::max(0, qGreen(pixel) - 100), std::max(0, qBlue(pixel) - 100), 255);
                }
            }
            shownPixmap = QPixmap::fromImage(shown);
        }
        Magick::Image resized = imageResized.image;
        rect = CImageFilters::UpdateResize(
            imageResized.image, resized, record, displayWidth, displayHeight, displayScale, ratio);
        image = MagickToQImage(resized);
        if (image.isNull())
            return false;
        rect.translate(imageOffset);
        handles = true;
        edges = ResizeHasEdgeHandles(record);
        profile->SetStatusText(QString());
        break;
    }
    default:
        return false;
    }
    if (image.isNull())
        return false;
    // Marks and handles are drawn in device pixels.
    image.setDevicePixelRatio(1.0);
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pixmap = QPixmap::fromImage(image);
    if (marks)
        DrawCornerMarks(pixmap);
    if (handles)
        DrawHandles(pixmap, edges);
    pixmap.setDevicePixelRatio(ratio);
    return true;
}

void CControlImage::DrawCornerMarks(QPixmap &pixmap) const
{
    const int side = int(devicePixelRatioF() * 10);
    const QColor colour(255, 255, 255, dragRegion == RegionOutside ? 0 : 200);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const int right = pixmap.width() - side;
    const int bottom = pixmap.height() - side;
    for (const QPoint &corner :
        { QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom) })
        painter.fillRect(QRect(corner, QSize(side, side)), colour);
}

void CControlImage::DrawHandles(QPixmap &pixmap, bool edges) const
{
    const int side = int(devicePixelRatioF() * 10);
    const int width = pixmap.width();
    const int height = pixmap.height();
    QList<QPoint> places { QPoint(0, 0), QPoint(width - side - 1, 0), QPoint(0, height - side - 1),
        QPoint(width - side - 1, height - side - 1) };
    if (edges) {
        places << QPoint(width / 2 - side / 2, 0) << QPoint(width - side - 1, height / 2 - side / 2)
               << QPoint(width / 2 - side / 2, height - side - 1)
               << QPoint(0, height / 2 - side / 2);
    }
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 255, 255, 196));
    for (const QPoint &place : places)
        painter.drawRect(QRect(place, QSize(side, side)));
}

int CControlImage::HitTest(int x, int y) const
{
    if (!overlayLabel || filters.size() != 1)
        return RegionOutside;
    const QRect label = overlayLabel->geometry();
    const int left = label.x();
    const int top = label.y();
    const int right = left + label.width();
    const int bottom = top + label.height();
    const auto within = [](int value, int low, int high) { return low < value && value < high; };
    const SFilterRecord &record = filters.first();
    const bool noEdges = IsTextOrLogo(record.id)
        || (record.id == FilterId::Resize && !ResizeHasEdgeHandles(record));

    const bool leftBand = within(x, left, left + 10);
    const bool rightBand = within(x, right - 10, right);
    const bool topBand = within(y, top, top + 10);
    const bool bottomBand = within(y, bottom - 10, bottom);
    if (!noEdges) {
        const bool middleRows = within(y, top + 10, bottom - 10);
        const bool middleColumns = within(x, left + 10, right - 10);
        if (leftBand && middleRows)
            return RegionLeft;
        if (rightBand && middleRows)
            return RegionRight;
        if (middleColumns && topBand)
            return RegionTop;
        if (middleColumns && bottomBand)
            return RegionBottom;
    }
    if (leftBand && topBand)
        return RegionTopLeft;
    if (rightBand && topBand)
        return RegionTopRight;
    if (leftBand && bottomBand)
        return RegionBottomLeft;
    if (rightBand && bottomBand)
        return RegionBottomRight;
    const bool outerLeft = within(x, left - 20, left);
    const bool outerRight = within(x, right, right + 20);
    const bool outerTop = within(y, top - 20, top);
    const bool outerBottom = within(y, bottom, bottom + 20);
    if ((outerLeft || outerRight) && (outerTop || outerBottom))
        return RegionRotate;
    if (within(x, left, right) && within(y, top, bottom))
        return RegionInside;
    return RegionOutside;
}

void CControlImage::SetRegionCursor(int region, int mode)
{
    if (!previewEnabled)
        region = RegionOutside;
    const qint32 id = filters.isEmpty() ? 0 : filters.first().id;
    switch (region) {
    case RegionLeft:
    case RegionRight:
        setCursor(Qt::SizeHorCursor);
        break;
    case RegionTop:
    case RegionBottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case RegionTopLeft:
    case RegionBottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case RegionTopRight:
    case RegionBottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case RegionRotate:
        if (id != FilterId::Comment && id != FilterId::Crop && id != FilterId::Resize
            && !rotateCursorPixmap.isNull()) {
            const bool single = devicePixelRatioF() <= 1.0;
            setCursor(QCursor(rotateCursorPixmap, single ? rotateCursorPixmap.width() / 2 : 8,
                single ? rotateCursorPixmap.height() / 2 : 8));
        }
        break;
    case RegionInside:
        setCursor(mode == CursorPress ? Qt::ClosedHandCursor
                : mode == CursorHover ? Qt::OpenHandCursor
                                      : Qt::ArrowCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

CControlImage::SAnchor CControlImage::ComputeAnchor(
    int x, int y, int w, int h, bool inPhotoPixels) const
{
    const float displayWidth = float(displaySize.width());
    const float displayHeight = float(displaySize.height());
    const float fx = float(x);
    const float fy = float(y);
    const auto column = [&](int index) {
        switch (index) {
        case 0:
            return 0 <= fx && fx <= displayWidth / 2 - 0.75f * w;
        case 1:
            return displayWidth / 2 - 0.75f * w <= fx && fx <= displayWidth / 2 - 0.25f * w;
        default:
            return displayWidth / 2 - 0.25f * w <= fx && fx <= displayWidth - w;
        }
    };
    const auto row = [&](int index) {
        switch (index) {
        case 0:
            return 0 <= fy && fy <= displayHeight / 2 - h;
        case 1:
            return displayHeight / 2 - h <= fy && fy <= displayHeight / 2;
        default:
            return displayHeight / 2 <= fy && fy <= displayHeight - h;
        }
    };
    SAnchor result;
    for (int anchor = 0; anchor < 9; ++anchor) {
        if (column(anchor % 3) && row(anchor / 3)) {
            result.anchor = anchor;
            break;
        }
    }
    const int dw = displaySize.width();
    const int dh = displaySize.height();
    const int col = result.anchor % 3;
    const int line = result.anchor / 3;
    const int offsetX = col == 0 ? x : col == 1 ? w / 2 - dw / 2 + x : dw - x - w;
    const int offsetY = line == 0 ? y : line == 1 ? h / 2 - dh / 2 + y : dh - y - h;
    if (inPhotoPixels) {
        const double scale = displayScale > 0 ? displayScale : 1.0;
        result.offsetX = std::round(offsetX / scale);
        result.offsetY = std::round(offsetY / scale);
        return result;
    }
    result.offsetX = dw > 0 ? offsetX / (dw / 100.0) : 0.0;
    result.offsetY = dh > 0 ? offsetY / (dh / 100.0) : 0.0;
    return result;
}

void CControlImage::DragOverlay(const QPoint &current)
{
    SFilterRecord record = filters.first();
    const qint32 id = record.id;
    const QPoint d = dragStart - current;
    const QSize photo = PhotoSize();
    const double scale = displayScale > 0 ? displayScale : 1.0;
    const bool corner = dragRegion >= RegionTopLeft && dragRegion <= RegionBottomRight;
    const bool handle = dragRegion >= RegionLeft && dragRegion <= RegionBottomRight;
    bool changed = false;

    if (dragRegion == RegionInside) {
        if (id != FilterId::Resize)
            overlayLabel->move(labelPressPos + current - dragStart);
    } else if (id == FilterId::Crop && handle) {
        const bool percent
            = ChoiceAs<ESizeUnit>(record, CropSlot::UnitChoice) == ESizeUnit::Percents;
        double left = record.numbers[CropSlot::Left];
        double top = record.numbers[CropSlot::Top];
        double width = record.numbers[CropSlot::Width];
        double height = record.numbers[CropSlot::Height];
        if (percent) {
            left *= photo.width() / 100.0;
            width *= photo.width() / 100.0;
            top *= photo.height() / 100.0;
            height *= photo.height() / 100.0;
        }
        const double oldLeft = left;
        const double oldTop = top;
        const double dx = -d.x() / scale;
        const double dy = -d.y() / scale;
        const int region = dragRegion;
        if (region == RegionLeft || region == RegionTopLeft || region == RegionBottomLeft) {
            const double moved = std::max(0.0, left + dx);
            width -= moved - left;
            left = moved;
        }
        if (region == RegionRight || region == RegionTopRight || region == RegionBottomRight)
            width = std::min(width + dx, photo.width() - left);
        if (region == RegionTop || region == RegionTopLeft || region == RegionTopRight) {
            const double moved = std::max(0.0, top + dy);
            height -= moved - top;
            top = moved;
        }
        if (region == RegionBottom || region == RegionBottomLeft || region == RegionBottomRight)
            height = std::min(height + dy, photo.height() - top);
        if (width < 1 || height < 1) {
            width = std::max(1.0, width);
            height = std::max(1.0, height);
            left = oldLeft;
            top = oldTop;
        }
        if (percent) {
            left *= 100.0 / photo.width();
            width *= 100.0 / photo.width();
            top *= 100.0 / photo.height();
            height *= 100.0 / photo.height();
        }
        record.numbers[CropSlot::Left] = left;
        record.numbers[CropSlot::Top] = top;
        record.numbers[CropSlot::Width] = width;
        record.numbers[CropSlot::Height] = height;
        changed = true;
    } else if (id == FilterId::Resize && handle) {
        if (dragRegion <= RegionBottom && !ResizeHasEdgeHandles(record))
            return;
        const bool percent
            = ChoiceAs<ESizeUnit>(record, ResizeSlot::UnitChoice) == ESizeUnit::Percents;
        double width = record.numbers[ResizeSlot::Width] * (percent ? photo.width() / 100.0 : 1.0);
        double height
            = record.numbers[ResizeSlot::Height] * (percent ? photo.height() / 100.0 : 1.0);
        const double dx = d.x() / scale;
        const double dy = d.y() / scale;
        switch (dragRegion) {
        case RegionLeft:
            width += dx;
            break;
        case RegionRight:
            width -= dx;
            break;
        case RegionTop:
            height += dy;
            break;
        case RegionBottom:
            height -= dy;
            break;
        case RegionTopLeft:
            width += dx;
            height += dy;
            break;
        case RegionTopRight:
            width -= dx;
            height += dy;
            break;
        case RegionBottomLeft:
            width += dx;
            height -= dy;
            break;
        default:
            width -= dx;
            height -= dy;
            break;
        }
        if (width < 1 || height < 1)
            width = height = 1;
        record.numbers[ResizeSlot::Width] = percent ? width * 100.0 / photo.width() : width;
        record.numbers[ResizeSlot::Height] = percent ? height * 100.0 / photo.height() : height;
        filters.first() = record;
        UpdateOverlay(false, true);
        // The interactive resize never enlarges beyond the photo's own size.
        const QSize drawn = overlayLabel->pixmap().deviceIndependentSize().toSize();
        bool again = false;
        if (drawn.width() > displaySize.width()) {
            record.numbers[ResizeSlot::Width] = percent ? 100.0 : photo.width();
            again = true;
        }
        if (drawn.height() > displaySize.height()) {
            record.numbers[ResizeSlot::Height] = percent ? 100.0 : photo.height();
            again = true;
        }
        if (again) {
            filters.first() = record;
            UpdateOverlay(false, true);
        }
        dragStart = current;
    } else if (corner && IsTextOrLogo(id)) {
        const SPlaces places = PlacesOf(id);
        const int anchor = AnchorOf(record);
        const int cornerColumn
            = dragRegion == RegionTopLeft || dragRegion == RegionBottomLeft ? 0 : 2;
        const int cornerRow = dragRegion == RegionTopLeft || dragRegion == RegionTopRight ? 0 : 2;
        if (anchor != cornerRow * 3 + cornerColumn) {
            // The movement along the axis that moves away from the anchor counts, twice when
            // the anchor is centred on that axis.
            const bool vertical = anchor % 3 == cornerColumn;
            const int count = vertical ? (anchor / 3 == 1 ? 2 : 1) : (anchor % 3 == 1 ? 2 : 1);
            const int sign = vertical ? (cornerRow == 0 ? 1 : -1) : (cornerColumn == 0 ? 1 : -1);
            const double movement = sign * count * (vertical ? d.y() : d.x());
            if (id == FilterId::WatermarkLogo) {
                const QSize label = overlayLabel->size();
                const double old = vertical ? label.height() : label.width();
                if (old > 0)
                    record.numbers[places.size] *= std::max(1.0, old + movement) / old;
            } else {
                const double factor = id == FilterId::Comment ? 1.8
                    : id == FilterId::Date                    ? 1.7
                                                              : 1.1;
                const int characters = id == FilterId::Date ? DateCharacters(record)
                                                            : int(record.texts[places.text].size());
                const double estimate
                    = vertical ? 3.5 * scale : factor * scale * std::max(1, characters);
                record.numbers[places.size] += movement / estimate;
            }
            record.numbers[places.size] = std::max(1.0, record.numbers[places.size]);
            changed = true;
        }
    } else if (dragRegion == RegionRotate
        && (id == FilterId::Date || id == FilterId::WatermarkText
            || id == FilterId::WatermarkLogo)) {
        const QPointF centre = QRectF(overlayLabel->geometry()).center();
        const auto angleOf = [&centre](const QPoint &point) {
            return std::atan((point.y() - centre.y()) / (point.x() - centre.x())) * 180.0 / M_PI;
        };
        double before = angleOf(dragStart);
        const double after = angleOf(current);
        if (std::isfinite(before) && std::isfinite(after)) {
            if (std::abs(before - after) >= 90)
                before = after + 1;
            double &angle = record.numbers[PlacesOf(id).angle];
            angle += after - before;
            if (angle > 359)
                angle -= 360;
            if (angle < 0)
                angle += 360;
            changed = true;
        }
    }

    if (changed) {
        filters.first() = record;
        UpdateOverlay(false, true);
        dragStart = current;
    }
    WriteBackPosition(record);
    filters.first() = record;
    emit UpdateFilterInterface(record);
}

void CControlImage::WriteBackPosition(SFilterRecord &record)
{
    const qint32 id = record.id;
    const QRect label = overlayLabel->geometry();
    const int displayWidth = displaySize.width();
    const int displayHeight = displaySize.height();
    if (IsTextOrLogo(id)) {
        if ((dragRegion >= RegionTopLeft && dragRegion <= RegionBottomRight)
            || dragRegion == RegionRotate)
            return;
        QPoint topLeft = label.topLeft() - imageOffset;
        QSize box = label.size();
        QPoint inner; // the text rectangle inside a turned label
        if (id == FilterId::WatermarkText && record.numbers[WatermarkTextSlot::Rotation] != 0.0
            && textRectSize.isValid()) {
            inner = QPoint((label.width() - textRectSize.width()) / 2,
                (label.height() - textRectSize.height()) / 2);
            box = textRectSize;
        }
        topLeft += inner;
        const QPoint kept(std::clamp(topLeft.x(), 0, std::max(0, displayWidth - box.width())),
            std::clamp(topLeft.y(), 0, std::max(0, displayHeight - box.height())));
        // The watermarks' margins are photo pixels (as the engine places them); Comment and
        // Date keep percent.
        const bool inPixels = id == FilterId::WatermarkText || id == FilterId::WatermarkLogo;
        const SAnchor anchor
            = ComputeAnchor(kept.x(), kept.y(), box.width(), box.height(), inPixels);
        const SPlaces places = PlacesOf(id);
        record.numbers[places.anchor] = anchor.anchor;
        record.numbers[places.offsetX] = anchor.offsetX;
        record.numbers[places.offsetY] = anchor.offsetY;
        if (kept != topLeft)
            overlayLabel->move(kept - inner + imageOffset);
    } else if (id == FilterId::Crop) {
        const QPoint topLeft = label.topLeft() - imageOffset;
        const int maxX = std::max(0, displayWidth - label.width());
        const int maxY = std::max(0, displayHeight - label.height());
        const QPoint kept(std::clamp(topLeft.x(), 0, maxX), std::clamp(topLeft.y(), 0, maxY));
        const bool percent
            = ChoiceAs<ESizeUnit>(record, CropSlot::UnitChoice) == ESizeUnit::Percents;
        const QSize photo = PhotoSize();
        const double scale = displayScale > 0 ? displayScale : 1.0;
        record.numbers[CropSlot::Left]
            = percent ? kept.x() * 100.0 / displayWidth : kept.x() / scale;
        record.numbers[CropSlot::Top]
            = percent ? kept.y() * 100.0 / displayHeight : kept.y() / scale;
        // Flush against the far edges, whatever the rounding of the display.
        if (kept.x() == maxX)
            record.numbers[CropSlot::Left]
                = (percent ? 100.0 : photo.width()) - record.numbers[CropSlot::Width];
        if (kept.y() == maxY)
            record.numbers[CropSlot::Top]
                = (percent ? 100.0 : photo.height()) - record.numbers[CropSlot::Height];
        if (kept != topLeft)
            overlayLabel->move(kept + imageOffset);
    }
}
