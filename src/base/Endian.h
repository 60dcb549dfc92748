#pragma once
// Stored records are copied to and from files byte for byte, and the files
// hold little-endian integers. Rather than swap every field, the engine is
// built for little-endian targets only; every record header includes this.
#include <bit>

static_assert(std::endian::native == std::endian::little,
              "stored records are read and written as raw little-endian bytes");
