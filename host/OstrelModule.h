#pragma once

// The application's own QML module "Ostrel" 1.0.
namespace OstrelModule {

void registerTypes();

} // namespace OstrelModule
