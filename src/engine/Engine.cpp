#include "engine/Engine.h"

#include "engine/Error.h"
#include "engine/LanguageDriver.h"

#include <mutex>

#include <sys/stat.h>

namespace qbx::engine {

namespace {

struct EngineState {
    std::mutex mutex;
    bool initialized = false;
    std::string privateDirectory;
    std::string defaultDriver{kCyrillicDriverId};
};

EngineState &State()
{
    static EngineState state;
    return state;
}

} // namespace

bool Initialize(std::string_view languageId)
{
    if (languageId.empty())
        return false;
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    s.initialized = true;
    return true;
}

void Shutdown()
{
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    s.initialized = false;
    s.privateDirectory.clear();
    s.defaultDriver = kCyrillicDriverId;
}

bool IsInitialized()
{
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    return s.initialized;
}

void SetPrivateDirectory(const std::string &folder)
{
    struct stat st {};
    if (!folder.empty() && (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)))
        throw Error(ErrInvalidParameter, "Invalid private directory: " + folder);
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    s.privateDirectory = folder;
}

std::string PrivateDirectory()
{
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    return s.privateDirectory;
}

void SetDefaultLanguageDriver(const std::string &id)
{
    const LanguageDriver *d = FindLanguageDriver(id);
    if (!d)
        throw Error(ErrInvalidParameter, "Unknown language driver: " + id + ".");
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    s.defaultDriver = d->id;
}

std::string DefaultLanguageDriver()
{
    EngineState &s = State();
    std::lock_guard lock(s.mutex);
    return s.defaultDriver;
}

} // namespace qbx::engine
