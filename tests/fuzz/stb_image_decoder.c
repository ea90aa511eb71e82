/* stb_image built into the fuzz targets from the same header as the programs' copy, so that
   AddressSanitizer and libFuzzer's coverage reach inside the decoder as well. One change: a header of a
   few bytes can claim a picture of billions of pixels, which the decoder allocates and fills before it
   looks at the data; past 4096 pixels a side it refuses the file instead, so that no input costs
   seconds and gigabytes. The loader and the fuzzer's own decode share this copy and agree on it. */
#define STBI_MAX_DIMENSIONS 4096
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
