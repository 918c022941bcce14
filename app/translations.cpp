// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The compiled translations live in the generated resources of the core library.
static void initGeneratedResources()
{
    Q_INIT_RESOURCE(gradora_generated);
}

namespace Translations {

namespace {
struct Catalogue
{
    const char *name;
    bool toolkit; // from the toolkit's translations folder, not from the program
};

constexpr Catalogue kCatalogues[] = {{"gradora", false}, {"qtbase", true}};
} // namespace

QStringList install(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return {};
    // Translators of an earlier call are children of the application object, named after their catalogue.
    for (QTranslator *old : app->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    initGeneratedResources();
    QStringList loaded;
    for (const Catalogue &catalogue : kCatalogues) {
        const QString folder = catalogue.toolkit ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                                 : QString::fromLatin1(kResourceFolder);
        auto *translator = new QTranslator(app);
        if (translator->load(locale, QString::fromLatin1(catalogue.name), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            loaded.append(QString::fromLatin1(catalogue.name));
        } else {
            delete translator;
        }
    }
    return loaded;
}

} // namespace Translations
