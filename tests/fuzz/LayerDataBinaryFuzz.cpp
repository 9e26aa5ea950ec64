// Feeds arbitrary bytes to the binary record reader of the stored document.
#include "FuzzHost.h"

#include "node/BaseNodeLayerData.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    nbfuzz::StartHost();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    BaseNodeLayerData value;
    value.readBinary(in, static_cast<unsigned int>(size));
    nbfuzz::FinishInput();
    return 0;
}
