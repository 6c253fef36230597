// Feeds arbitrary files to the SETUP.TXT reader: it may not crash, read past
// a buffer or hang, and a recognised file always has all four texts.
#include "FuzzFile.h"

#include "scan/SetupTxt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qbx::TProductInfo info = qbx::ReadSetupTxt(qbx::fuzz::WriteInput(data, size));
    if (info.Recognised && (info.Producer.isEmpty() || info.Product.isEmpty() ||
                            info.Version.isEmpty() || info.Description.isEmpty()))
        __builtin_trap();
    return 0;
}
