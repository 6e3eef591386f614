// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/icons.h"

#include <QImageReader>
#include <initializer_list>

// The resources are compiled into a static library, whose object files the
// linker keeps only when something refers to them.
static void initIconResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(tavrel);
        return true;
    }();
    (void)done;
}

namespace tavrel {
namespace {

// The rasters are rendered from the SVG and always load; the SVG itself only
// where Qt has an SVG reader, which then serves the sizes between them.
QIcon iconFrom(const QString& stem, std::initializer_list<int> sizes)
{
    initIconResources();
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(stem).arg(size), QSize(size, size));
    return icon;
}

void addScalable(QIcon& icon, const QString& svg)
{
    static const bool svgReadable = QImageReader::supportedImageFormats().contains("svg");
    if (svgReadable)
        icon.addFile(svg);
}

}  // namespace

QIcon tavrelIcon()
{
    QIcon icon = iconFrom(QStringLiteral("tavrel"), {16, 32, 48, 64, 128});
    addScalable(icon, QStringLiteral(":/icons/org.example.Tavrel.svg"));
    return icon;
}

QIcon infoSignIcon()
{
    QIcon icon = iconFrom(QStringLiteral("about-info"), {16, 32, 64});
    addScalable(icon, QStringLiteral(":/icons/about-info.svg"));
    return icon;
}

}  // namespace tavrel
