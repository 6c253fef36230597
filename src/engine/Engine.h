#pragma once

// Table engine: Paradox tables and local SQL. Standard C++ only.
namespace qbx::engine {

// Starts the engine with the default environment; false when it cannot run.
bool Initialize();
void Shutdown();

} // namespace qbx::engine
