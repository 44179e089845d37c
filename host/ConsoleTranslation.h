#pragma once

#include <QLocale>

// The console's texts in the operator's language: the translation bundled as
// ":/translations/kestrum_<language>.qm" that best matches the locale's languages.
class ConsoleTranslation
{
public:
    // Installs the best match on the application; false, and the texts stay as written, when
    // no bundled translation matches.
    static bool install(const QLocale &locale);
};
