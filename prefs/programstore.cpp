// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programstore.h"

#include "prefs/programkeys.h"
#include "ruler/rulerkeys.h"

#include <QFile>
#include <QTemporaryFile>
#include <QUrl>

namespace ProgramStore {

const QStringList &keyOrder()
{
    using namespace RulerKeys;
    static const QStringList order = [] {
        QStringList keys;
        for (QLatin1StringView key : {showMasterPointLines,
                                      zeroAtLeft,
                                      zeroAtBottom,
                                      crossHairVisible,
                                      borderVisible,
                                      flyingFigureVisible,
                                      showRulerReadings,
                                      hoverGuides,
                                      RulerKeys::stayOnTop,
                                      selectInvertedAlt,
                                      selectMPix,
                                      snapToScreen,
                                      lockToScreen,
                                      antiAliasing,
                                      leftTickerVisible,
                                      rightTickerVisible,
                                      topTickerVisible,
                                      bottomTickerVisible,
                                      rulerStartsFrom1,
                                      imageFile,
                                      stretchImage,
                                      proportionalImage,
                                      transparentImage,
                                      boldControlPoints,
                                      noControlPoints,
                                      bottmRightLabel,
                                      R_M_Width,
                                      R_M_Height,
                                      R_M_MinimalReadings,
                                      geometry,
                                      background,
                                      rulerColor,
                                      guidesColor,
                                      ProgramKeys::programVersion,
                                      ProgramKeys::moveNormal,
                                      ProgramKeys::moveMore,
                                      ProgramKeys::resizeNormal,
                                      ProgramKeys::resizeMore,
                                      ProgramKeys::magnifierAutoUpdate,
                                      ProgramKeys::magnifierGridSize,
                                      ProgramKeys::magnifierGridActive,
                                      ProgramKeys::magnifierZoom,
                                      ProgramKeys::magnifierInitialSize,
                                      ProgramKeys::magnifierPosition,
                                      ProgramKeys::showTopRightMenu,
                                      ProgramKeys::autoUpdatesEnabled,
                                      ProgramKeys::canShowToolbox,
                                      ProgramKeys::toolboxPosition,
                                      ProgramKeys::lastInformed,
                                      ProgramKeys::colorDialogPositionSaved,
                                      ProgramKeys::colorDialogX,
                                      ProgramKeys::colorDialogY,
                                      ProgramKeys::lastCheck})
            keys << QString(key);
        return keys;
    }();
    return order;
}

namespace {

// The toolkit's own INI reader and writer do the encoding; these two only carry the bytes through a
// temporary file and put the lines in order.
bool readOrderedIni(QIODevice &device, QSettings::SettingsMap &map)
{
    QTemporaryFile file;
    if (!file.open())
        return false;
    file.write(device.readAll());
    file.close();
    const QSettings ini(file.fileName(), QSettings::IniFormat);
    for (const QString &key : ini.allKeys())
        map.insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

int rankOf(const QByteArray &line)
{
    const int equals = line.indexOf('=');
    if (equals <= 0)
        return -1;
    const QString key = QUrl::fromPercentEncoding(line.left(equals).trimmed());
    const int rank = int(keyOrder().indexOf(key));
    return rank < 0 ? int(keyOrder().size()) : rank;
}

bool writeOrderedIni(QIODevice &device, const QSettings::SettingsMap &map)
{
    QTemporaryFile file;
    if (!file.open())
        return false;
    file.close();
    {
        QSettings ini(file.fileName(), QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    // The writer replaces the file, so it is read back by name.
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = written.readAll().split('\n');

    // Within each section, known keys go first in the program's order; the rest keep their order.
    QByteArray out;
    QList<QByteArray> section;
    auto flush = [&] {
        std::stable_sort(section.begin(), section.end(),
                         [](const QByteArray &a, const QByteArray &b) { return rankOf(a) < rankOf(b); });
        for (const QByteArray &line : std::as_const(section))
            out += line + '\n';
        section.clear();
    };
    for (const QByteArray &line : lines) {
        if (line.startsWith('[') || line.trimmed().isEmpty()) {
            flush();
            if (!line.isEmpty())
                out += line + '\n';
            else if (!out.isEmpty() && !out.endsWith("\n\n"))
                out += '\n';
            continue;
        }
        section.append(line);
    }
    flush();
    while (out.endsWith("\n\n"))
        out.chop(1);
    return device.write(out) == out.size();
}

} // namespace

void selectFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readOrderedIni, writeOrderedIni, Qt::CaseSensitive);
    QSettings::setDefaultFormat(format);
}

} // namespace ProgramStore
