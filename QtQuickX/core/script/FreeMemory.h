#pragma once

// Hands heap memory that is free again back to the system. The C library keeps freed blocks
// for reuse, also in the heaps of other threads (the scene graph's, the network's), so memory a
// closed screen freed would otherwise stay resident for the rest of the run.
class FreeMemory
{
public:
    // Returns false where the platform's heap offers no such call.
    static bool giveBack();
};
