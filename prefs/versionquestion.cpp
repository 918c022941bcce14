// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/versionquestion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

namespace {

// Stands in for a question where the module is missing: it fails as a closed port does.
class UnaskedQuestion : public VersionQuestion
{
public:
    UnaskedQuestion(QObject *parent, Answered answered) : VersionQuestion(parent), m_answered(std::move(answered))
    {
        QTimer::singleShot(0, this, [this] { finish(); });
    }
    void giveUp() override { finish(); }
    bool isFinished() const override { return m_finished; }

private:
    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        Reply reply;
        reply.networkError = true;
        m_answered(this, reply);
        deleteLater();
    }

    Answered m_answered;
    bool m_finished = false;
};

VersionQuestion::AskFunction loadModule()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList folders{programFolder, QDir::cleanPath(programFolder + QLatin1Char('/') +
                                                             QStringLiteral(GRADORA_MODULES_FROM_PROGRAM))};
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QLatin1String(VersionQuestion::kModuleFile));
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: questions may be under way until the program ends.
        QLibrary module(path);
        if (auto ask = reinterpret_cast<VersionQuestion::AskFunction>(module.resolve(VersionQuestion::kAskSymbol)))
            return ask;
        qWarning("The update check cannot load %s: %s", qPrintable(path), qPrintable(module.errorString()));
    }
    qWarning("The update check finds no %s beside the program", VersionQuestion::kModuleFile);
    return nullptr;
}

} // namespace

VersionQuestion *VersionQuestion::ask(const QUrl &address, qint64 maxBytes, int timeoutMs, QObject *parent,
                                      Answered answered)
{
    static const AskFunction module = loadModule();
    if (!module)
        return new UnaskedQuestion(parent, std::move(answered));
    return module(address, maxBytes, timeoutMs, parent, std::move(answered));
}
