#pragma once

#include <cstddef>
#include <cstdint>

namespace nbhost {

// The CRC-32 of zlib and PNG, which closes every binary scene so that a
// damaged file is refused before anything of it is used.
class Crc32
{
public:
    static uint32_t compute(const char* data, size_t size);
};

} // namespace nbhost
