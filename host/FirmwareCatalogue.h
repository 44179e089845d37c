#pragma once

#include "CatalogueRows.h"

// The firmware server's "upgrade.xml": <softwares><software><ver/><code/></software>...
// Each row is {"version", "code"}, in document order.
class FirmwareCatalogue
{
public:
    // Deeper documents are not catalogues; the bound keeps a hostile one cheap.
    static constexpr int MaxDepth = 16;

    static CatalogueRows parse(const QString &xml);
};
