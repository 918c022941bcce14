// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programstore.h"

#include "prefs/programsettings.h"
#include "prefs/storefile.h"

#include <QColor>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace ProgramStore {

namespace {

QStringList &leadingKeys()
{
    static QStringList keys;
    return keys;
}

} // namespace

void setLeadingKeys(const QStringList &keys)
{
    leadingKeys() = keys;
}

QStringList keyOrder()
{
    return leadingKeys() + ProgramSettingTable::storedKeyOrder();
}

namespace {

// What the last write of the file met, for the report of a failed save.
QString &writeFailure()
{
    static QString reason;
    return reason;
}

// Files whose bytes could not be read at all this run: they are kept as they are, never written over.
QStringList &unreadFiles()
{
    static QStringList files;
    return files;
}

QString fileNameOf(const QIODevice &device)
{
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    return file ? file->fileName() : QString();
}

// The toolkit's own INI reader does the decoding, through a temporary file. It reads every line it
// can; `whole` tells whether it met none that it could not.
std::optional<QSettings::SettingsMap> parseIni(const QByteArray &data, bool *whole)
{
    QTemporaryFile file;
    if (!file.open())
        return std::nullopt;
    file.write(data);
    file.close();
    const QSettings ini(file.fileName(), QSettings::IniFormat);
    QSettings::SettingsMap map;
    for (const QString &key : ini.allKeys())
        map.insert(key, ini.value(key));
    *whole = ini.status() == QSettings::NoError;
    return map;
}

// Stored values of the form @Variant(...) as the raw bytes that the toolkit decodes: each such value is
// read once more as a byte array, which keeps the bytes as they are.
QSettings::SettingsMap rawVariants(const QByteArray &data)
{
    static const QByteArray kVariant("@Variant(");
    QByteArray marked;
    bool any = false;
    for (QByteArray line : data.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        qsizetype at = equals + 1;
        while (at < line.size() && (line.at(at) == ' ' || line.at(at) == '\t' || line.at(at) == '"'))
            ++at;
        if (equals > 0 && !line.startsWith('[') && line.mid(at).startsWith(kVariant)) {
            line.insert(at, "@ByteArray(");
            any = true;
        }
        marked += line + '\n';
    }
    QSettings::SettingsMap raw;
    bool whole = true;
    const std::optional<QSettings::SettingsMap> parsed =
        any ? parseIni(marked, &whole) : std::optional<QSettings::SettingsMap>();
    if (!parsed)
        return raw;
    for (auto it = parsed->cbegin(); it != parsed->cend(); ++it) {
        if (it.value().metaType().id() == QMetaType::QByteArray &&
            it.value().toByteArray().startsWith(kVariant))
            raw.insert(it.key(), it.value());
    }
    return raw;
}

// Whether the bytes of a stored @Variant hold a whole value. The toolkit hands out what it made of a
// cut-off one: a colour whose kind is no kind of colour, which no code may even look at.
bool isWholeVariant(const QByteArray &raw)
{
    constexpr qsizetype kPrefix = 9;     // "@Variant("
    constexpr qsizetype kColorKind = 4; // after the type number
    constexpr int kStoredColorType = 67;
    constexpr int kLastColorKind = QColor::ExtendedRgb;
    // As the toolkit reads it: the closing parenthesis stays on the end, unread.
    const QByteArray bytes = raw.mid(kPrefix) + ')';
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant value;
    stream >> value;
    if (stream.status() != QDataStream::Ok)
        return false;
    const quint32 type = qFromBigEndian<quint32>(bytes.constData());
    return type != kStoredColorType || quint8(bytes.at(kColorKind)) <= kLastColorKind;
}

// The toolkit's reader carries a quote or a backslash at the end of a line over into the next lines,
// which its writer never does (it writes both escaped): such a line is closed where it ends, so that
// it costs itself only. `whole` turns false where a line was closed.
QByteArray linesClosed(const QByteArray &data, bool *whole)
{
    QByteArray closed;
    closed.reserve(data.size());
    for (QByteArray line : data.split('\n')) {
        bool inQuotes = false;
        bool escaped = false;
        for (const char c : std::as_const(line)) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inQuotes = !inQuotes;
        }
        if (escaped)
            line.chop(1);
        if (inQuotes)
            line += '"';
        *whole = *whole && !escaped && !inQuotes;
        closed += line + '\n';
    }
    closed.chop(1);
    return closed;
}

// A damaged line costs that line: every other key is read, the damaged value is left out (its key
// reads as its default), and the file as it was is kept beside it before anything is written over it.
bool readOrderedIni(QIODevice &device, QSettings::SettingsMap &map)
{
    const QString path = fileNameOf(device);
    const QByteArray read = device.readAll();
    bool whole = true;
    const QByteArray data = linesClosed(read, &whole);
    bool parsedWhole = true;
    const std::optional<QSettings::SettingsMap> parsed = parseIni(data, &parsedWhole);
    if (!parsed) {
        qWarning("Gradora cannot read its settings file %s: no temporary file can be made; the file is "
                 "left as it is.",
                 qPrintable(QDir::toNativeSeparators(path)));
        unreadFiles().append(path);
        return false;
    }
    unreadFiles().removeAll(path);
    whole = whole && parsedWhole;
    map = *parsed;
    const QSettings::SettingsMap raw = rawVariants(data);
    for (auto it = raw.cbegin(); it != raw.cend(); ++it) {
        if (map.value(it.key()) != it.value() && !isWholeVariant(it.value().toByteArray())) {
            map.remove(it.key());
            whole = false;
        }
    }
    if (!whole && !path.isEmpty()) {
        const bool kept = StoreFile::keepDamagedCopy(path, read);
        qWarning("Gradora could not read every line of its settings file %s; %s",
                 qPrintable(QDir::toNativeSeparators(path)),
                 kept ? qPrintable(QStringLiteral("the file as it was is kept as %1.")
                                       .arg(QDir::toNativeSeparators(StoreFile::damagedCopyPath(path))))
                      : "no copy of it could be kept.");
    }
    return true;
}

int rankOf(const QByteArray &line, const QStringList &order)
{
    const int equals = line.indexOf('=');
    if (equals <= 0)
        return -1;
    const QString key = QUrl::fromPercentEncoding(line.left(equals).trimmed());
    const int rank = int(order.indexOf(key));
    return rank < 0 ? int(order.size()) : rank;
}

// The toolkit's own INI writer does the encoding, through a temporary file; the lines are then put in order.
std::optional<QByteArray> orderedIniText(const QSettings::SettingsMap &map)
{
    QTemporaryFile file;
    if (!file.open()) {
        writeFailure() = file.errorString();
        return std::nullopt;
    }
    file.close();
    {
        QSettings ini(file.fileName(), QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return std::nullopt;
    }
    // The writer replaces the file, so it is read back by name.
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = written.readAll().split('\n');

    // Within each section, known keys go first in the program's order; the rest keep their order.
    const QStringList order = keyOrder();
    QByteArray out;
    QList<QByteArray> section;
    auto flush = [&] {
        std::stable_sort(section.begin(), section.end(), [&order](const QByteArray &a, const QByteArray &b) {
            return rankOf(a, order) < rankOf(b, order);
        });
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
    return out;
}

bool writeOrderedIni(QIODevice &device, const QSettings::SettingsMap &map)
{
    writeFailure().clear();
    const QString path = fileNameOf(device);
    // The file is written in place of its link's target; a link to anything but a regular file (a
    // device, a FIFO) would have that replaced.
    if (const QString notAFile = StoreFile::whyNotAFile(path); !notAFile.isEmpty()) {
        writeFailure() = notAFile;
        return false;
    }
    // What could not be read stays as it is.
    if (unreadFiles().contains(path)) {
        writeFailure() =
            QCoreApplication::translate("QObject", "it could not be read, so it is left as it is");
        return false;
    }
    const std::optional<QByteArray> text = orderedIniText(map);
    if (!text)
        return false;
    auto *file = qobject_cast<QFileDevice *>(&device);
    // A full disk shows here, where its reason can still be read, rather than only in the final rename.
    if (device.write(*text) != text->size() || (file && (!file->flush() || ::fsync(file->handle()) != 0))) {
        writeFailure() = device.errorString();
        return false;
    }
    return true;
}

} // namespace

QString filePath()
{
    // As the toolkit files it, worked out without opening it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral(".ini");
}

QString prepareFile()
{
    const QString path = filePath();
    // The toolkit writes through a lock file beside the settings.
    for (const QString &used : {path, path + QStringLiteral(".lock")}) {
        if (const QString reason = StoreFile::whyNotAFile(used); !reason.isEmpty())
            return QCoreApplication::translate(
                       "QObject", "Gradora cannot start: its settings file %1 cannot be used: %2.")
                .arg(QDir::toNativeSeparators(used), reason);
    }
    StoreFile::removeStaleTemporaries(path);
    return QString();
}

QString flush()
{
    writeFailure().clear();
    QSettings store;
    store.sync();
    if (store.status() == QSettings::NoError)
        return QString();
    QString reason = writeFailure();
    if (reason.isEmpty())
        reason = StoreFile::whyUnwritable(store.fileName());
    if (reason.isEmpty())
        reason = QString::fromLocal8Bit(std::strerror(EIO));
    qWarning("Gradora could not save its settings to %s: %s.",
             qPrintable(QDir::toNativeSeparators(store.fileName())), qPrintable(reason));
    return reason;
}

void selectFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readOrderedIni, writeOrderedIni, Qt::CaseSensitive);
    QSettings::setDefaultFormat(format);
}

} // namespace ProgramStore
