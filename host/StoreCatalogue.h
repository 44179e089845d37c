#pragma once

#include "CatalogueRows.h"

// The software store's "info.json": {"products": [{"id", "name", "packageName", "packages":
// [{"versionCode", "versionName", "whatNew", "os": {"name", "minOs"}}]}]}. Each row is a
// product with the same names the task editors read; "packages" is null when it has none.
class StoreCatalogue
{
public:
    // Packages beyond this, over all products, are counted, not kept.
    static constexpr int MaxPackages = CatalogueRows::MaxRows;
    static constexpr int MaxNotesLength = 2000;

    static CatalogueRows parse(const QString &json);
};
