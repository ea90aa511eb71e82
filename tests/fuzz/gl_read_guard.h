// A check in front of the GL uploads that read client memory, since the driver is not instrumented.
#pragma once

namespace brisa_fuzz {

// From now on glTexImage2D and glBufferData first require that every byte the driver will read from
// the caller's memory lies inside a live allocation, as AddressSanitizer knows it; then they call
// the real driver. Call once the GL functions are loaded.
void GuardClientMemoryReads();

}  // namespace brisa_fuzz
