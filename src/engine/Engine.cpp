#include "engine/Engine.h"

namespace qbx::engine {

bool Initialize() { return true; }
void Shutdown() {}

} // namespace qbx::engine
