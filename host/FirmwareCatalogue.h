#pragma once

#include "CatalogueRows.h"

// The firmware server's "upgrade.xml": <softwares><software><ver/><code/></software>...
// Each row is {"version", "code"}, in document order. The summary holds "versions" (the
// distinct versions in document order), "choices" (the distinct rows by code, newest first)
// and "greatest" (per code its newest version).
class FirmwareCatalogue
{
public:
    // Deeper documents are not catalogues; the bound keeps a hostile one cheap.
    static constexpr int MaxDepth = 16;

    static CatalogueRows parse(const QString &xml);
    // Negative when a is older than b: two whole numbers by value, anything else as text.
    static int compareVersions(const QString &a, const QString &b);

private:
    static void summarise(CatalogueRows &result);
};
