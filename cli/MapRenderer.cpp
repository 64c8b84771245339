#include "cli/MapRenderer.h"

#include "tables/kMap.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTableWidgetItem>

bool MapRenderer::render(int n, const std::array<std::string, 6> &names, const std::string &values,
                         const QVector<QVector<int>> &groups, const QString &fileName,
                         QString &error)
{
    kMap map(4, 4);
    // Laid out at the size it claims, the map needs no scroll bars; without
    // them its claim leaves no room for them either.
    map.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    map.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The same calls the window's wiring makes after an import and "Minimize!".
    map.changeNumberElements(n);
    map.changeVarNames(QString::fromStdString(names[0]), QString::fromStdString(names[1]),
                       QString::fromStdString(names[2]), QString::fromStdString(names[3]),
                       QString::fromStdString(names[4]), QString::fromStdString(names[5]));
    QTableWidgetItem value;
    for (std::size_t m = 0; m < values.size(); ++m) {
        value.setText(QString(QChar::fromLatin1(values[m])));
        map.updateCell(static_cast<int>(m), &value);
    }
    map.updateCircles(groups);

    map.setAttribute(Qt::WA_DontShowOnScreen);
    map.show();
    map.resize(map.minimumSize());
    const QSize size = map.size();

    if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            error = file.errorString();
            return false;
        }
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("Karnaugh map"));
        QPainter painter(&generator);
        map.render(&painter);
        painter.end();
        if (file.error() != QFileDevice::NoError || !file.flush()) {
            error = file.errorString();
            return false;
        }
        return true;
    }

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    map.render(&image);
    if (!image.save(fileName, "PNG")) {
        error = QStringLiteral("cannot write the image");
        return false;
    }
    return true;
}
