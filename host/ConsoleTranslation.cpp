#include "ConsoleTranslation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

bool ConsoleTranslation::install(const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("kestrum"), QStringLiteral("_"),
            QStringLiteral(":/translations")))
        return false;
    return QCoreApplication::installTranslator(translator.release());
}
