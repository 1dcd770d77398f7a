#pragma once

// The pictures the watermark filters lay on a photo when tools render every filter: a logo and
// a mask, written as PNG files.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>

#include <algorithm>

// A see-through logo: a blue badge with a white ring and letter, so that placement, the
// transparency and the alpha edges all show.
inline bool MakeLogo(const QString &path)
{
    QImage logo(120, 80, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 70, 170));
    painter.drawRoundedRect(QRectF(2, 2, 116, 76), 14, 14);
    painter.setPen(QPen(Qt::white, 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(38, 40), 22, 22);
    QFont font = painter.font();
    font.setPixelSize(44);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(62, 0, 54, 80), Qt::AlignCenter, QStringLiteral("Q"));
    painter.end();
    return logo.save(path, "PNG");
}

// A mask: clear in the middle, a half-opaque band along the edges and a word across, so that
// stretching and turning show. The portrait mask has its own colour and word.
inline bool MakeMask(
    const QString &path, const QSize &size, const QColor &colour, const QString &word)
{
    QImage mask(size, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    const int band = std::min(size.width(), size.height()) / 8;
    QPainterPath edges;
    edges.addRect(QRectF(QPointF(0, 0), QSizeF(size)));
    edges.addRoundedRect(
        QRectF(band, band, size.width() - 2.0 * band, size.height() - 2.0 * band), band, band);
    painter.fillPath(edges, QColor(colour.red(), colour.green(), colour.blue(), 150));
    QFont font = painter.font();
    font.setPixelSize(std::min(size.width(), size.height()) / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 120));
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    painter.rotate(-25);
    painter.drawText(QRectF(-size.width(), -size.height() / 2.0, 2.0 * size.width(), size.height()),
        Qt::AlignCenter, word);
    painter.end();
    return mask.save(path, "PNG");
}
